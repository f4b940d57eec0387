#!/usr/bin/env bash
# The program as a process: exit status, standard error and the last byte
# of standard output, at end of input, on a failing write and on a failing
# read.
# Usage: exit_status_check.sh path/to/poker
# Exits 77 (which CTest reports as skipped) when a check could not run and
# none failed.
set -u
poker=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0 skipped=0
game='2 5 AHKHQHJH0H 2S3S4S5S6S'

# One check: the exit status, and standard error byte for byte.
check() { # name, exit status, expected status, expected line on standard error or '', problem so far
    local name=$1 problem=$5
    [ "$2" -eq "$3" ] || problem="$problem exit status $2, expected $3;"
    if [ -n "$4" ]; then printf '%s\n' "$4"; fi >"$work/want_err"
    cmp -s "$work/err" "$work/want_err" || problem="$problem standard error is \"$(head -c 200 "$work/err")\";"
    if [ -n "$problem" ]; then
        echo "FAIL: $name:$problem"
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
}

echo "$game" | "$poker" >"$work/out" 2>"$work/err"
status=$?
last=$(tail -c 1 "$work/out" | od -An -tx1 | tr -d ' ')
check "end of input" $status 0 '' "$([ "$last" = 0a ] || echo ' output does not end with a line end;')"

if [ -w /dev/full ]; then
    echo "$game" | "$poker" >/dev/full 2>"$work/err"
    check "writing to /dev/full" $? 1 'poker: cannot write output: No space left on device' ''
else
    echo "SKIP: no writable /dev/full, so a failing write is not checked"
    skipped=$((skipped + 1))
fi

"$poker" <"$work" >/dev/null 2>"$work/err" # a directory cannot be read
check "reading a directory" $? 1 'poker: cannot read input: Is a directory' ''

echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ] || exit 1
[ "$skipped" -eq 0 ] || exit 77
