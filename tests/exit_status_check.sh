#!/usr/bin/env bash
# The program as a process: exit status and standard error at end of input,
# on a failing write and on a failing read.
# Usage: exit_status_check.sh path/to/poker
# Exits 77 (which CTest reports as skipped) when a check could not run and
# none failed.
set -u
poker=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
skipped=0

check() { # description, command status, expected status
    if [ "$2" -ne "$3" ]; then
        echo "FAIL: $1: exit status $2, expected $3"
        failures=$((failures + 1))
    fi
}

printf '2 5 AHKHQHJH0H 2S3S4S5S6S\n' | "$poker" >"$work/out" 2>"$work/err"
check "end of input" $? 0
[ "$(tail -c 1 "$work/out" | od -An -c | tr -d ' ')" = '\n' ] ||
    { echo "FAIL: output does not end with a line end"; failures=$((failures + 1)); }
[ -s "$work/err" ] && { echo "FAIL: standard error at end of input"; failures=$((failures + 1)); }

if [ -w /dev/full ]; then
    printf '2 5 AHKHQHJH0H 2S3S4S5S6S\n' | "$poker" >/dev/full 2>"$work/err"
    check "writing to /dev/full" $? 1
    [ "$(wc -l <"$work/err")" -eq 1 ] ||
        { echo "FAIL: /dev/full: expected one line on standard error"; failures=$((failures + 1)); }
else
    echo "SKIP: no writable /dev/full, so a failing write is not checked"
    skipped=1
fi

"$poker" <"$work" >/dev/null 2>"$work/err" # a directory cannot be read
check "reading a directory" $? 1
[ "$(wc -l <"$work/err")" -eq 1 ] ||
    { echo "FAIL: unreadable input: expected one line on standard error"; failures=$((failures + 1)); }

echo "$((3 - failures - skipped)) passed, $failures failed, $skipped skipped"
[ "$failures" -eq 0 ] || exit 1
[ "$skipped" -eq 0 ] || exit 77
