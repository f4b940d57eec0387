#!/usr/bin/env bash
# poker.exe under wine, where Windows streams differ from a terminal's:
#   - a reader that closes the pipe early ends the program quietly, status 1;
#   - output redirected from a terminal set to UTF-8 (chcp 65001) is UTF-8
#     with CR LF line ends, and from any other code page (437, say) it is
#     in the build's encoding, CP949.
# `script` gives wine a terminal (a console window), so that cmd's chcp
# reaches the program.
# Usage: windows_streams_check.sh path/to/poker.exe [wine]
set -u
export WINEDEBUG=-all # wine's own messages on standard error are not the program's
exe=$1
wine=${2:-wine}
sessions=$(dirname "$0")/sessions
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
result() { # name, problem ('' when the check passed)
    if [ -n "$2" ]; then echo "FAIL: $1: $2"; failed=$((failed + 1)); else passed=$((passed + 1)); fi
}

for _ in $(seq 5000); do echo "2 5 AHKHQHJH0H 2S3S4S5S6S"; done >"$work/games.txt"
"$wine" "$exe" <"$work/games.txt" 2>"$work/err" | head -c 100 >/dev/null
status=${PIPESTATUS[0]}
problem=
[ "$status" -eq 1 ] || problem="exit status $status, expected 1; "
[ -s "$work/err" ] && problem="${problem}standard error says: $(head -1 "$work/err")"
result "early close" "$problem"

cp "$exe" "$work/poker.exe"
cp "$sessions/print_game.in" "$work/in.txt"
for code_page in 65001 437; do
    (cd "$work" && script -qc "$(printf %q "$wine") cmd /c \"chcp $code_page >nul & poker.exe < in.txt > out.txt\"" \
        /dev/null </dev/null >/dev/null)
    if [ $code_page = 65001 ]; then cat "$sessions/print_game.out"; else
        iconv -f UTF-8 -t CP949 "$sessions/print_game.out"; fi | sed 's/$/\r/' >"$work/want"
    problem=
    cmp -s "$work/out.txt" "$work/want" || problem="not the expected bytes"
    result "output redirected at code page $code_page" "$problem"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
