#!/usr/bin/env python3
"""Throughput and memory of poker on a file of 200,000 games.

Builds in Release poker, plain_poker (poker with the plain steps of
tests/plain_hand.cpp for its two tuned ones, mapping and sort) and two
iostream versions of the same program (bench/naive_poker.cpp: naive_poker,
written the straightforward way with std::endl after every line, and
tuned_poker, with '\n', the streams unsynced from stdio and cin untied);
generates the games (selection 2, a game number, two random hands, one game
a line), checks that all four write the same bytes, then times alternating
runs and prints medians: the wall times of poker and plain_poker, and what
the tuned steps save of plain_poker's; four ratios of wall time,

  naive       naive_poker < games > /dev/null   over   poker < games > /dev/null
  tuned       tuned_poker < games > /dev/null   over   poker < games > /dev/null
  /dev/null   poker < games > /dev/null         over   cat expected > /dev/null
  pipe        poker < games | wc -c             over   cat expected | wc -c

the last two against the floor for any program that writes its output:
copying the output itself; and the peak resident memory of poker on the
games and on one 200 MB token.
Usage: bench/run.py [--games N] [--rounds N] [--build DIR]
"""
import argparse
import os
import random
import shlex
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RANKS = "234567890JQKA"
SUITS = "SHDC"


def build(directory):
    subprocess.run(["cmake", "-S", ROOT, "-B", directory, "-DCMAKE_BUILD_TYPE=Release"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", directory, "--target", "poker", "plain_poker",
                    "naive_poker", "tuned_poker", "-j2"], check=True, stdout=subprocess.DEVNULL)
    return [os.path.join(directory, name)
            for name in ("poker", "plain_poker", "naive_poker", "tuned_poker")]


def write_games(path, count):
    deck = [r + s for r in RANKS for s in SUITS]
    rng = random.Random(949)
    with open(path, "w") as f:
        for _ in range(count):
            cards = rng.sample(deck, 10)
            f.write("2 %d %s %s\n" % (rng.randint(1, 99), "".join(cards[:5]), "".join(cards[5:])))


def wall(command):
    start = time.perf_counter()
    subprocess.run(command, shell=True, check=True)
    return time.perf_counter() - start


def peak_kib(program, input_path):
    # GNU time, as a child of this process would inherit its high-water mark.
    with open(input_path, "rb") as stdin:
        run = subprocess.run(["/usr/bin/time", "-f", "%M", program], stdin=stdin,
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, check=True)
    return int(run.stderr.split()[-1])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--games", type=int, default=200_000)
    parser.add_argument("--rounds", type=int, default=11)
    parser.add_argument("--build", default=os.path.join(ROOT, "build-bench"))
    args = parser.parse_args()

    if not os.access("/usr/bin/time", os.X_OK):
        sys.exit("needs GNU time (/usr/bin/time; Debian package time)")
    poker, plain, naive, tuned = build(args.build)
    q = shlex.quote # the paths in shell commands
    with tempfile.TemporaryDirectory() as work:
        games = os.path.join(work, "games")
        expected = os.path.join(work, "expected")
        write_games(games, args.games)
        subprocess.run("%s < %s > %s" % (q(naive), q(games), q(expected)), shell=True, check=True)
        for program in (poker, plain, tuned):
            if subprocess.run("%s < %s | cmp -s - %s" % (q(program), q(games), q(expected)),
                              shell=True).returncode:
                sys.exit("%s's output differs from naive_poker's" % os.path.basename(program))

        def timed(round_, pair):
            # The pair in alternating order: each one's time, by name.
            ordered = pair if round_ % 2 == 0 else pair[::-1]
            return {name: wall(command) for name, command in ordered}

        def ratio(round_, pair):
            times = timed(round_, pair)
            return times["poker"] / times["other"]

        poker_times, plain_times, savings = [], [], []
        speedups, tuned_speedups, null_floors, pipe_floors = [], [], [], []
        for round_ in range(args.rounds):
            times = timed(round_, [("poker", "%s < %s > /dev/null" % (q(poker), q(games))),
                                   ("plain", "%s < %s > /dev/null" % (q(plain), q(games)))])
            poker_times.append(times["poker"])
            plain_times.append(times["plain"])
            savings.append(1 - times["poker"] / times["plain"])
            speedups.append(1 / ratio(round_, [
                ("poker", "%s < %s > /dev/null" % (q(poker), q(games))),
                ("other", "%s < %s > /dev/null" % (q(naive), q(games)))]))
            tuned_speedups.append(1 / ratio(round_, [
                ("poker", "%s < %s > /dev/null" % (q(poker), q(games))),
                ("other", "%s < %s > /dev/null" % (q(tuned), q(games)))]))
            null_floors.append(ratio(round_, [
                ("poker", "%s < %s > /dev/null" % (q(poker), q(games))),
                ("other", "cat %s > /dev/null" % q(expected))]))
            pipe_floors.append(ratio(round_, [
                ("poker", "%s < %s | wc -c > /dev/null" % (q(poker), q(games))),
                ("other", "cat %s | wc -c > /dev/null" % q(expected))]))

        token = os.path.join(work, "token")
        with open(token, "wb") as f:
            for _ in range(200):
                f.write(b"K" * 1_000_000)
        print("games: %d, %d bytes in, %d bytes out" % (args.games, os.path.getsize(games),
                                                        os.path.getsize(expected)))
        print("poker %.3f s, plain_poker %.3f s: the tuned mapping and sort save %.0f%% "
              "(medians of %d)" % (statistics.median(poker_times), statistics.median(plain_times),
                                   100 * statistics.median(savings), args.rounds))
        print("speed-up over naive iostreams (std::endl every line): %.1fx (median of %d)" %
              (statistics.median(speedups), args.rounds))
        print("speed-up over tuned iostreams ('\\n', unsynced, untied): %.1fx (median of %d)" %
              (statistics.median(tuned_speedups), args.rounds))
        print("time against cat into /dev/null: %.2fx (median of %d)" %
              (statistics.median(null_floors), args.rounds))
        print("time against cat through a pipe: %.2fx (median of %d)" %
              (statistics.median(pipe_floors), args.rounds))
        print("peak memory: %d KiB on the games, %d KiB on a 200 MB token" %
              (peak_kib(poker, games), peak_kib(poker, token)))


if __name__ == "__main__":
    main()
