#!/usr/bin/env bash
# The program in a real terminal, as a person uses it: the menu and prompt
# are on the screen before anything is typed, a typed game is answered at
# once, selection 3 takes its entries over several lines, and ending the
# input ends the program with status 0 and leaves the shell's next text on
# the next line, with no blank line before it. With standard input from a
# file and output to the terminal, or the reverse, the program ends the line
# it left open, as into a pipe.
# Usage: terminal_check.sh [--windows] path/to/poker [runner, e.g. wine]
#   --windows  a Windows terminal (a console window under wine): input ends
#              with Ctrl-Z and Enter, which the
#              terminal must not take as its suspend key; otherwise Ctrl-D,
#              also after a selection and after a game number.
set -eu
end_keys=(C-d)
windows=0
if [ "$1" = --windows ]; then
    windows=1
    end_keys=(C-z Enter)
    shift
fi
poker=$1
shift
export LANG=C.UTF-8
socket="poker-check-$$"
work=$(mktemp -d)
# (Without a preloaded libfaketime, under which tmux 3.5 never starts.)
t() { env -u LD_PRELOAD "${POKER_TMUX:-tmux}" -L "$socket" -f "$work/tmux.conf" "$@"; }
trap 't kill-server 2>/dev/null || true; rm -rf "$work"' EXIT
echo "set -g history-limit 10000" >"$work/tmux.conf" # room for a long session
checks=0
session=0 # each start gets a session of its own, in one server
screen() { t capture-pane -p -t "s$session"; }
keys() { t send-keys -t "s$session" "$@"; }

fail() {
    echo "FAIL: $1; the screen:"
    screen
    exit 1
}

# Waits up to 20 s until the screen holds `count` lines matching the pattern.
wait_for() { # pattern [count]
    local pattern=$1 count=${2:-1}
    for _ in $(seq 400); do
        if [ "$(screen | grep -c -- "$pattern")" -ge "$count" ]; then
            return 0
        fi
        sleep 0.05
    done
    fail "the screen does not show $count x '$pattern'"
}

# A fresh terminal running the program, then the shell's next text.
# `redirect` may send standard input or output elsewhere.
redirect=
start() {
    session=$((session + 1))
    t -u new-session -d -s "s$session" -x 100 -y 60 \
        "stty susp undef; $(printf '%q ' "$@" "$poker") $redirect; echo \"[exit \$?]\"; sleep 60"
    [ -n "$redirect" ] || wait_for '^입력:$'
}

# Ends the input, then expects status 0 and `above` as the line just above
# the shell's next text.
end_input() { # above (a grep pattern)
    keys "${end_keys[@]}"
    wait_for '^\[exit 0\]$'
    if ! screen | grep -B1 -- '^\[exit 0\]$' | head -1 | grep -q -- "$1"; then
        fail "the line above the shell's next text is not '$1'"
    fi
    checks=$((checks + 1))
}

start "$@"
keys "2 5" Enter "AHKHQHJH0H 2S3S4S5S6S" Enter
wait_for '^로얄 스트레이트 플러쉬로 A가 이겼습니다.계산해쓰 *$'
wait_for '^입력:' 2
keys "3" Enter "1" Enter "AHKHQHJH0H" Enter "2S3S4S5S6S" Enter
wait_for '^넘어 왔으' 2
wait_for '^입력:' 3
if [ $windows = 1 ]; then
    end_input '^입력:^Z *$' # the terminal echoes the key; its Enter ended the line
else
    end_input '^입력: *$' # right after the prompt, the program ends the line
fi

if [ $windows = 0 ]; then
    # After the user's own Enter, the terminal's echo already ended the line.
    start "$@"
    keys "2" Enter
    end_input '^입력:2 *$'
    start "$@"
    keys "2" Enter "5" Enter
    end_input '^5 *$'
fi
# Input from a file whose last read ended with a line end, output to the
# terminal: the terminal's echo did not end the prompt's line, the program
# must. The games before it fill the output buffer several times, and the
# Windows terminal writer converts each full buffer in pieces.
games=600
for _ in $(seq $games); do echo "2 5 AHKHQHJH0H 2S3S4S5S6S"; done >"$work/in"
printf '2\n' >>"$work/in"
redirect="<$(printf %q "$work/in")"
start "$@"
wait_for '\[exit 0\]$'
screen | grep -B1 -- '^\[exit 0\]$' | head -1 | grep -q -- '^입력: *$' ||
    fail "input from a file: the prompt's line is not ended"
t capture-pane -p -S - -t "s$session" | sed 's/ *$//' >"$work/shown"
[ "$(grep -c -x '입력:로얄 스트레이트 플러쉬로 A가 이겼습니다.계산해쓰' "$work/shown")" = $games ] &&
    [ "$(grep -c -x '4\.   Exit(스페이스바로 공백처리 해서 입력해 주세요!)' "$work/shown")" = $((games + 1)) ] ||
    fail "input from a file: the terminal does not show each game's lines whole"
checks=$((checks + 1))

# Typed input, output to a file: the file's last line is ended.
redirect=">$(printf %q "$work/out")"
start "$@"
for _ in $(seq 400); do grep -q '입력:' "$work/out" 2>/dev/null && break; sleep 0.05; done
keys "2" Enter "${end_keys[@]}"
wait_for '^\[exit 0\]$'
[ "$(tail -c 1 "$work/out" | od -An -tx1 | tr -d ' ')" = 0a ] ||
    fail "output to a file does not end with a line end"
checks=$((checks + 1))
echo "$checks passed, 0 failed"
