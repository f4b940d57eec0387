#!/usr/bin/env bash
# Whole sessions through the real program: each tests/sessions/NAME.in piped
# in must give exactly NAME.out, which holds the UTF-8 text with LF line ends.
# Usage: sessions_check.sh [--cp949] [--crlf] [--ctrl-z] COMMAND...
#   --cp949   the program writes CP949: convert the expected text
#   --crlf    the program writes CR LF line ends
#   --ctrl-z  a Ctrl-Z byte ends the input (a Windows text-mode stream)
set -u
cp949=0 crlf=0 ctrl_z=0
while [ $# -gt 0 ]; do
    case $1 in
    --cp949) cp949=1 ;;
    --crlf) crlf=1 ;;
    --ctrl-z) ctrl_z=1 ;;
    *) break ;;
    esac
    shift
done
sessions=$(dirname "$0")/sessions
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

expected() { # NAME.out as this program writes it
    if [ $cp949 = 1 ]; then iconv -f UTF-8 -t CP949 "$1"; else cat "$1"; fi |
        if [ $crlf = 1 ]; then sed 's/$/\r/'; else cat; fi
}

run() { # name, input file, expected output file
    local name=$1 input=$2 want=$3 status
    timeout 10 "${command[@]}" <"$input" >"$work/got" 2>"$work/err"
    status=$?
    if [ $status -ne 0 ]; then
        echo "FAIL: $name: exit status $status (124: still running after 10 s)"
        failed=$((failed + 1))
    elif ! cmp -s "$work/got" "$want"; then
        echo "FAIL: $name: output differs from the expected bytes"
        cmp "$work/got" "$want" | head -1
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
}

command=("$@")
for input in "$sessions"/*.in; do
    name=$(basename "$input" .in)
    expected "$sessions/$name.out" >"$work/want"
    run "$name" "$input" "$work/want"
done
if [ $ctrl_z = 1 ]; then
    # Everything after the Ctrl-Z is never read.
    { cat "$sessions/print_game.in"; printf '\032'; cat "$sessions/each_selection.in"; } >"$work/in"
    expected "$sessions/print_game.out" >"$work/want"
    run ctrl_z_ends_input "$work/in" "$work/want"
fi
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
