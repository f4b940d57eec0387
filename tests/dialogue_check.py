#!/usr/bin/env python3
"""Random sessions played by poker and by the model of its manual page
(dialogue_model.py), compared byte for byte.

Usage: dialogue_check.py [--sessions N] [--seed S] [--fixed FOLDER] [--cp949] [--crlf]
                         [--ctrl-z] [--timeout S] [--player PLAY_SESSIONS] POKER [RUNNER...]
  POKER             run once a session, with the session as its whole input
                    from a pipe or, every other session, a file (under
                    RUNNER, wine say, where one is given)
  --sessions        how many random sessions (2000)
  --fixed           also play each FOLDER/NAME.in, which must give the UTF-8
                    text of FOLDER/NAME.out in the output's encoding
  --player          also play every session through play_sessions, the main
                    loop in memory, in reads of 1, 2, 3 and 7 bytes and of a
                    whole buffer
  --cp949, --crlf   poker writes CP949, and CR LF line ends
  --ctrl-z          a Ctrl-Z ends the input, as on Windows
  --timeout         seconds a run may take (5)

Sessions are drawn from the grammar of the input with fixed seeds, weighted
to the edges of each rule: a sign at every place in an entry; numbers at
and past the 32-bit limits, those that wrap to 1 to 4 there, and numbers of
any length; every blank; numbers where hands are read and other entries
where numbers are; bytes above 127, NUL and Ctrl-Z; hands of every category
and at the edges of its band, often against a hand of the same kind, and
of other lengths than ten; blanks or an entry that end near a full read;
sessions that fill the output buffer; the input cut at any byte. On a
difference it prints the shortest input it finds that still shows it (a
fixed session as it is); a run of poker, or of play_sessions over all the
sessions, that has not ended after 5 s (or --timeout) fails as it is.
"""
import argparse
import concurrent.futures
import glob
import os
import random
import resource
import struct
import subprocess
import sys
import tempfile
import threading
import time

import dialogue_model as model

BLANKS = b" \t\n\v\f\r"
TABLE_RANKS = b"234567890JQKA"
# Rank bytes whose value puts a score at the edge of a band (0, -1, 99,
# 100, -100, -101), past the ace or below the two, and the Ctrl-Z byte.
ODD_RANKS = b"\x00\xff\x63\x64\x9c\x9b\x0e\x1a1kz\x80\x7f"
SUITS = b"SHDC"
NEIGHBOURS = b"/:\x08\x0e\x1f!"  # the bytes next to the digits and to the blanks
LIMITS = [2**31, 2**32, 2**63, 2**64]
BUFFER = 64 * 1024  # the program's reads of standard input
TIMEOUT = 5  # seconds after which a run that has not ended fails (--timeout)
OUTPUT_LIMIT = 64 << 20  # bytes, far more than all the sessions' output
STILL_RUNNING = b"(still running after the timeout)"
NOT_PLAYED = b"(not played to the end: play_sessions crashed, or ran past the timeout)"


def any_byte(rng):
    return bytes([rng.choice([b for b in range(256) if b not in BLANKS])])  # any but a blank


def number(rng):
    kind = rng.random()
    if kind < 0.45:
        value = rng.randint(1, 4)
    elif kind < 0.65:
        value = rng.choice([0, 5, 7, 9, 10, -1, -3, 99])
    else:  # at and past the limits, and what wraps to 1 to 4 there
        value = rng.choice(LIMITS) * rng.choice([1, -1]) + rng.choice([-2, -1, 0, 1, 2, 3, 4])
    text = b"%d" % abs(value)
    text = b"0" * rng.choice([0, 0, 0, 1, 40]) + text
    if rng.random() < 0.05:
        text += b"%d" % rng.getrandbits(rng.randint(60, 700))  # any length
    sign = b"-" if value < 0 else rng.choice([b"", b"", b"+", b"-" if value == 0 else b""])
    text = sign + text
    if rng.random() < 0.08:  # a sign or another byte anywhere else
        at = rng.randint(0, len(text))
        other = rng.choice([b"+", b"-", b"x", any_byte(rng), bytes([rng.choice(NEIGHBOURS)])])
        text = text[:at] + rng.choice([b"+", b"-", other]) + text[at:]
    return text


def ranks(rng, kind):
    """Five rank bytes, of a straight, of groups of equal ranks, or any."""
    pool = TABLE_RANKS * 3 + ODD_RANKS
    if kind < 0.2:
        start = rng.choice([-1, 0, 8, rng.randrange(9)])  # A-2-3-4-5, 2-6, 10-A
        run = [(b"A" + TABLE_RANKS)[start + 1 + i] for i in range(5)]
        if rng.random() < 0.3:
            # Runs whose top is 99, 100, 127, -1, 0 or -124, or that wrap, or
            # that link a byte above the ace (15 to 18).
            first = rng.choice([0x5f, 0x60, 0x6b, 0x7b, 0x7c, 0xfb, 0xfc, 0x80, 0x0e])
            run = [(first + i) % 256 for i in range(5)]
        if rng.random() < 0.3:  # one card off the run: a near miss
            run[rng.randrange(5)] = rng.choice(pool + bytes(range(15, 20)))
        return run
    if kind < 0.85:
        patterns = [[4, 1], [3, 2], [3, 1, 1], [2, 2, 1], [2, 1, 1, 1], [1] * 5, [5]]
        sizes = patterns[int(kind * 99) % len(patterns)]  # one pattern for one kind
        chosen = rng.sample(sorted(set(pool)), len(sizes))
        return [r for r, n in zip(chosen, sizes) for _ in range(n)]
    return [rng.choice(pool) for _ in range(5)]


def hand(rng, kind):
    """Ten bytes, mostly: ranks of the given kind, each with a suit."""
    rank_bytes = ranks(rng, kind)
    rng.shuffle(rank_bytes)
    suit = rng.choice(SUITS + NEIGHBOURS + b"\x00\xb0s")
    one_suit = rng.random() < 0.15
    text = b"".join(bytes([r]) + (bytes([suit]) if one_suit else
                                  rng.choice([bytes([rng.choice(SUITS)]), any_byte(rng)]))
                    for r in rank_bytes)
    text = bytes(b for b in text if b not in BLANKS)  # a blank would split it
    length = rng.random()
    if length < 0.06:
        return text[:rng.randrange(10)]
    if length < 0.1:
        return text + any_byte(rng) * rng.choice([1, 1, 5])
    if length < 0.13:
        return number(rng)  # a number where a hand is read
    return text


def blank(rng):
    if rng.random() < 0.7:
        return rng.choice([b" ", b" ", b"\n", b"\r\n"])
    return bytes(rng.choice(BLANKS) for _ in range(rng.randint(1, 4)))


def entries(rng):
    """The entries of one round, its selection first: mostly one from 1 to
    4, now and then after entries that the menu answers with its re-prompt;
    the two hands often of one kind, so that their scores are close."""
    if rng.random() < 0.12:
        return [hand(rng, rng.random())]  # no number where the selection is due
    selection = number(rng) if rng.random() < 0.4 else b"%d" % rng.randint(1, 4)
    round_ = [selection]
    if rng.random() < 0.2 or not model.is_number(selection) or int(selection) not in (1, 4):
        round_.append(rng.choice([number(rng)] * 3 + [hand(rng, rng.random())]))  # or none
    kind = rng.random()
    a = hand(rng, kind)
    b = a if rng.random() < 0.05 else hand(rng, kind if rng.random() < 0.5 else rng.random())
    return round_ + [a, b]


def session(rng):
    data = [b"\xef\xbb\xbf"] if rng.random() < 0.03 else []
    for _ in range(rng.choice([1, 1, 2, 3, 6] * 20 + [250])):  # some past a full buffer out
        for entry in entries(rng):
            data += [blank(rng), entry]
    data.append(blank(rng) if rng.random() < 0.7 else b"")
    if rng.random() < 0.02:  # blanks or a long entry that end by a full read in
        at = rng.randrange(len(data))
        length = BUFFER - sum(map(len, data[:at])) + rng.randint(-12, 12)
        data.insert(at, b" " * length if rng.random() < 0.5 else b" " + b"K" * length + b" ")
    data = b"".join(data)
    if rng.random() < 0.3:
        data = data[:rng.randint(0, len(data))]  # the input ends anywhere
    if rng.random() < 0.05:
        at = rng.randint(0, len(data))
        data = data[:at] + b"\x1a" + data[at:]
    if data[:2] in (b"\xff\xfe", b"\xfe\xff"):
        data = b" " + data  # UTF-16 input is the decoder's tests' to check
    return data


RUNNING = set()  # the runs under way, to end when the check has failed
STOP = threading.Event()  # set when the check has failed: every run ends at once


def run(command, data, from_file=False, timeout=TIMEOUT):
    """What the command writes with data as its input, from a pipe or a
    file, followed by its exit status where that is not 0; or STILL_RUNNING.
    Its output goes to a file that may not grow past OUTPUT_LIMIT, which
    ends a program that writes without end (SIGXFSZ) before it fills the
    disk."""
    with tempfile.TemporaryFile() as given, tempfile.TemporaryFile() as out:
        given.write(data if from_file else b"")
        given.seek(0)
        process = subprocess.Popen(command, stdin=given if from_file else subprocess.PIPE,
                                   stdout=out, stderr=subprocess.DEVNULL)
        resource.prlimit(process.pid, resource.RLIMIT_FSIZE, (OUTPUT_LIMIT, OUTPUT_LIMIT))
        RUNNING.add(process)
        if STOP.is_set():
            process.kill()
        try:
            process.communicate(None if from_file else data, timeout=timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
            return STILL_RUNNING
        finally:
            RUNNING.discard(process)
        out.seek(0)
        status = b"(exit status %d)" % process.returncode if process.returncode else b""
        return out.read() + status


def run_player(player, chunk, sessions, timeout):
    """What play_sessions writes for each session, in reads of `chunk` bytes."""
    out = run([player, str(chunk)], b"".join(struct.pack("<Q", len(s)) + s for s in sessions),
              timeout=timeout)
    outputs, at = [], 0
    while out != STILL_RUNNING and at + 8 <= len(out):
        (size,) = struct.unpack_from("<Q", out, at)
        outputs.append(out[at + 8:at + 8 + size])
        at += 8 + size
    return outputs + [NOT_PLAYED] * (len(sessions) - len(outputs))


def shrink(data, fails, seconds=10):
    """A shorter input that still fails: pieces cut out while it does."""
    deadline = time.monotonic() + seconds
    size = len(data) // 2
    while size > 0 and time.monotonic() < deadline:
        at = 0
        while at < len(data) and time.monotonic() < deadline:
            shorter = data[:at] + data[at + size:]
            if fails(shorter):
                data = shorter
            else:
                at += size
        size //= 2
    return data


def first_difference(got, want, encoding):
    at = next((i for i, (g, w) in enumerate(zip(got, want)) if g != w), min(len(got), len(want)))
    start = got.rfind(b"\n", 0, at) + 1
    return "byte %d, on this line:\n  it wrote:  %r\n  it should: %r" % ((at,) + tuple(
        b[start:at + 80].decode(encoding, "backslashreplace") for b in (got, want)))


def main():
    parser = argparse.ArgumentParser(usage=__doc__.split("\n\n")[1][len("Usage: "):])
    parser.add_argument("--sessions", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--fixed")
    parser.add_argument("--player")
    parser.add_argument("--cp949", action="store_true")
    parser.add_argument("--crlf", action="store_true")
    parser.add_argument("--ctrl-z", action="store_true")
    parser.add_argument("--timeout", type=float, default=TIMEOUT)
    parser.add_argument("command", nargs="+")
    args = parser.parse_args()
    command = args.command[1:] + args.command[:1]  # the runner first
    encoding = "cp949" if args.cp949 else "utf-8"
    # Each case: its name, its input, and what poker writes for it as
    # text, or None where the model says.
    cases = [("session %d of seed %d" % (n, args.seed),
              session(random.Random("%d.%d" % (args.seed, n))), None)
             for n in range(args.sessions)]
    for path in sorted(glob.glob(os.path.join(args.fixed, "*.in"))) if args.fixed else []:
        with open(path, "rb") as given, open(path[:-3] + ".out", encoding="utf-8") as shown:
            cases.append((path, given.read(), shown.read()))
    if args.fixed and len(cases) == args.sessions:
        sys.exit("FAIL: no sessions in %s" % args.fixed)

    def expected(data, text):
        if text is None:
            return model.play(data, args.ctrl_z, encoding, args.crlf)
        return (text.replace("\n", "\r\n") if args.crlf else text).encode(encoding)

    def agree(way, play, outputs):
        """Whether a way to play wrote what it should for every case; if not,
        the shortest input found that shows the difference, printed."""
        for (name, data, text), got in zip(cases, outputs):
            if got != expected(data, text):
                # (Only the model's cases shrink, and not a run that hangs
                # or a play_sessions that stops early: each try would wait.)
                short = data if text or got in (STILL_RUNNING, NOT_PLAYED) else shrink(
                    data, lambda data: play(data) != expected(data, None))
                print("FAIL: %s, %s, on this input%s:\n  %.2000r\n%s" % (
                    way, name, " (the shortest found)" if short != data else "", short,
                    first_difference(play(short) if short != data else got,
                                     expected(short, text), encoding)))
                return False
        return True

    def poker(data, from_file=False):
        return run(command, data, from_file, args.timeout)
    with concurrent.futures.ThreadPoolExecutor(2) as pool:
        # Every other case from a file rather than a pipe.
        outputs = pool.map(poker, [data for _, data, _ in cases], [n % 2 == 1 for n in
                                                                    range(len(cases))])
        if not agree("poker", poker, outputs):
            STOP.set()
            pool.shutdown(wait=False, cancel_futures=True)
            for process in list(RUNNING):
                process.kill()
            sys.exit(1)
    chunks = [1, 2, 3, 7, BUFFER] if args.player else []
    for chunk in chunks:
        def loop(data, chunk=chunk):
            return run_player(args.player, chunk, [data], args.timeout)[0]
        outputs = run_player(args.player, chunk, [data for _, data, _ in cases], args.timeout)
        if not agree("the main loop reading %d bytes at a time" % chunk, loop, outputs):
            sys.exit(1)
    print("%d sessions of %d bytes in all, played by poker%s as they should be" % (
        len(cases), sum(len(data) for _, data, _ in cases),
        " and by the main loop reading %s bytes at a time" % ", ".join(map(str, chunks))
        if chunks else ""))


if __name__ == "__main__":
    main()
