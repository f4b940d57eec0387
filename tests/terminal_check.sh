#!/usr/bin/env bash
# The program in a real terminal, as a person uses it: the menu and prompt
# are on the screen before anything is typed, a typed game is answered at
# once, selection 3 takes its entries over several lines, and Ctrl-D ends the
# program with status 0, leaving the shell on a fresh line.
# Usage: [EOF_KEYS='C-z Enter'] terminal_check.sh path/to/poker [runner, e.g. wine]
# EOF_KEYS are the tmux keys that end input: Ctrl-D by default, Ctrl-Z and
# Enter for a Windows console, or "none" to leave the end unchecked (wine's
# console takes no Ctrl-Z from a terminal).
set -eu
poker=$1
shift
export LANG=C.UTF-8
socket="poker-check-$$"
t() { tmux -L "$socket" "$@"; }
trap 't kill-server 2>/dev/null || true' EXIT

# Waits up to 10 s until the screen holds `count` lines matching the pattern.
wait_for() { # pattern [count]
    local pattern=$1 count=${2:-1}
    for _ in $(seq 200); do
        if [ "$(t capture-pane -p | grep -c -- "$pattern")" -ge "$count" ]; then
            return 0
        fi
        sleep 0.05
    done
    echo "FAIL: the screen does not show $count x '$pattern':"
    t capture-pane -p
    exit 1
}

t -u new-session -d -x 100 -y 60 "$* $poker; echo \"[exit \$?]\"; sleep 60"
wait_for '^입력:$'
t send-keys "2 5" Enter "AHKHQHJH0H 2S3S4S5S6S" Enter
wait_for '^로얄 스트레이트 플러쉬로 A가 이겼습니다.계산해쓰 *$'
wait_for '^입력:' 2
t send-keys "3" Enter "1" Enter "AHKHQHJH0H" Enter "2S3S4S5S6S" Enter
wait_for '^넘어 왔으' 2
wait_for '^입력:' 3
if [ "${EOF_KEYS:-}" != none ]; then
    # shellcheck disable=SC2086 # one key name a word
    t send-keys ${EOF_KEYS:-C-d}
    wait_for '^\[exit 0\]$'
fi
echo "1 passed, 0 failed"
