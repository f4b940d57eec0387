#!/usr/bin/env bash
# poker.exe under wine, where Windows streams differ from a terminal's:
#   - a reader that closes the pipe early ends the program quietly, status 1;
#   - a write that fails ends it with status 1 and one line on standard error;
#   - output redirected from a terminal whose output code page is UTF-8
#     (65001, as chcp 65001 or PowerShell's [Console]::OutputEncoding set
#     it) is UTF-8 with CR LF line ends, and from any other output code page
#     (437, say), whatever the input's, it is in the build's encoding, CP949.
# `script` gives wine a terminal (a console window), so that the code pages
# that set_code_pages.exe sets reach the program.
# Usage: windows_streams_check.sh path/to/poker.exe path/to/set_code_pages.exe [wine]
set -u
export WINEDEBUG=-all # wine's own messages on standard error are not the program's
exe=$1
set_code_pages=$2
wine=${3:-wine}
sessions=$(dirname "$0")/sessions
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
result() { # name, problem ('' when the check passed)
    if [ -n "$2" ]; then echo "FAIL: $1: $2"; failed=$((failed + 1)); else passed=$((passed + 1)); fi
}

ended() { # name, exit status, standard error expected ('' for none)
    local problem=
    [ "$2" -eq 1 ] || problem="exit status $2, expected 1; "
    printf '%s' "$3" | cmp -s - "$work/err" || problem="${problem}standard error: $(head -1 "$work/err")"
    result "$1" "$problem"
}
for _ in $(seq 5000); do echo "2 5 AHKHQHJH0H 2S3S4S5S6S"; done >"$work/games.txt"
"$wine" "$exe" <"$work/games.txt" 2>"$work/err" | head -c 100 >/dev/null
ended "early close" "${PIPESTATUS[0]}" ''
"$wine" "$exe" <"$work/games.txt" >/dev/full 2>"$work/err"
ended "a write that fails" $? $'poker: cannot write output: No space left on device\r\n'

cp "$exe" "$work/poker.exe"
cp "$set_code_pages" "$work/set_code_pages.exe"
cp "$sessions/print_game.in" "$work/in.txt"
# The terminal's input and output code pages, and what the output must be.
for pages in "65001 65001 UTF-8" "437 437 CP949" "437 65001 UTF-8" "65001 437 CP949"; do
    set -- $pages
    (cd "$work" && script -qc "$(printf %q "$wine") set_code_pages.exe $1 $2 \"poker.exe < in.txt > out.txt\"" \
        /dev/null </dev/null >/dev/null)
    iconv -f UTF-8 -t "$3" "$sessions/print_game.out" | sed 's/$/\r/' >"$work/want"
    problem=
    cmp -s "$work/out.txt" "$work/want" || problem="not the expected bytes"
    result "output redirected, input code page $1, output code page $2" "$problem"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
