#!/usr/bin/env bash
# A write cut short goes on where it stopped. poker writes far more than a
# pipe holds into a pipe that nobody reads yet; once it is blocked in the
# write it is stopped and continued (Ctrl-Z, then fg), which makes the
# blocked write return short. Then the pipe is drained, and the bytes must be
# exactly what poker writes to a file. Every wait polls for a state, so a
# slow machine cannot make the check pass, and only a stall of 10 s can make
# it fail.
# Usage: stopped_write_check.sh path/to/poker
set -u
poker=$1
work=$(mktemp -d)
trap 'exec 3<&-; kill -CONT "$pid" 2>/dev/null; rm -rf "$work"' EXIT
pid=

# Polls up to 10 s for a condition given as a command.
wait_until() { # description command...
    local what=$1
    shift
    for _ in $(seq 1000); do
        if "$@"; then return 0; fi
        sleep 0.01
    done
    echo "FAIL: poker was never $what"
    exit 1
}
in_pipe_write() { grep -q pipe_write "/proc/$pid/wchan" 2>/dev/null; }
stopped() { [ "$(cut -d' ' -f3 "/proc/$pid/stat" 2>/dev/null)" = T ]; }

for _ in $(seq 3000); do echo "2 5 AHKHQHJH0H 2S3S4S5S6S"; done >"$work/games"
"$poker" <"$work/games" >"$work/want"
mkfifo "$work/pipe"
"$poker" <"$work/games" >"$work/pipe" &
pid=$!
exec 3<"$work/pipe"
wait_until "blocked in a pipe write" in_pipe_write
kill -STOP "$pid"
wait_until "stopped" stopped
kill -CONT "$pid"
cat <&3 >"$work/got"
exec 3<&-
wait "$pid"
status=$?
if [ $status -ne 0 ]; then
    echo "FAIL: exit status $status"
    exit 1
fi
if ! cmp -s "$work/got" "$work/want"; then
    echo "FAIL: the bytes after the stop differ from the bytes written to a file"
    cmp "$work/got" "$work/want" | head -1
    exit 1
fi
echo "1 passed, 0 failed"
