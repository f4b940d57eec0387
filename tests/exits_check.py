#!/usr/bin/env python3
"""Every way the manual page says poker ends on Linux (ENDING, EXIT STATUS),
run as a process: its exit status, or the signal that ends it, and its
standard error byte for byte. (Ending typed input is terminal_check.sh's to
check; the Windows program's failed write and closed pipe are
windows_streams_check.sh's, and its end of the input dialogue_check.py's.)

Usage: exits_check.py POKER
Exits 77, which CTest reports as skipped, when a row could not run here and
none failed.
"""
import os
import signal
import subprocess
import sys
import tempfile


def closed_pipe():
    """The writing end of a pipe whose reader has gone."""
    reader, writer = os.pipe()
    os.close(reader)
    return writer


# name, standard input (None: a game), standard output, SIGPIPE ignored,
# the exit status (negative: the signal that ends it), standard error.
ROWS = [
    ("the input ends", None, lambda: os.open(os.devnull, os.O_WRONLY), False, 0, b""),
    ("a write fails", None, lambda: os.open("/dev/full", os.O_WRONLY), False, 1,
     b"poker: cannot write output: No space left on device\n"),
    ("the reader of the output has gone", None, closed_pipe, False, -signal.SIGPIPE, b""),
    ("the reader of the output has gone, SIGPIPE ignored", None, closed_pipe, True, 1,
     b"poker: cannot write output: Broken pipe\n"),
    ("the input cannot be read", ".", lambda: os.open(os.devnull, os.O_WRONLY), False, 1,
     b"poker: cannot read input: Is a directory\n"),
]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    poker = sys.argv[1]
    failed = skipped = 0
    with tempfile.TemporaryFile() as game:
        game.write(b"2 5 AHKHQHJH0H 2S3S4S5S6S\n")
        for name, given, output, ignored, status, error_text in ROWS:
            try:
                sink = output()
            except OSError as error:  # no /dev/full, say
                print("SKIP: %s: %s" % (name, error))
                skipped += 1
                continue
            game.seek(0)
            source = os.open(given, os.O_RDONLY) if given else game.fileno()
            sigpipe = signal.SIG_IGN if ignored else signal.SIG_DFL
            try:
                run = subprocess.run([poker], stdin=source, stdout=sink, stderr=subprocess.PIPE,
                                     preexec_fn=lambda: signal.signal(signal.SIGPIPE, sigpipe),
                                     timeout=5)
                ended = (run.returncode, run.stderr)
            except subprocess.TimeoutExpired:
                ended = ("still running after 5 s", b"")
            os.close(sink)
            if given:
                os.close(source)
            if ended != (status, error_text):
                print("FAIL: %s: status %s, standard error %r; expected %d and %r" % (
                    name, ended[0], ended[1], status, error_text))
                failed += 1
    print("%d passed, %d failed, %d skipped" % (len(ROWS) - failed - skipped, failed, skipped))
    sys.exit(1 if failed else 77 if skipped else 0)


if __name__ == "__main__":
    main()
