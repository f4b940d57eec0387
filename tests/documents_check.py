#!/usr/bin/env python3
"""The documents against the program: every output they show must be what
poker writes, so that a changed text or behaviour fails here until the
documents follow.

Usage: documents_check.py [--cp949] POKER DOCUMENT...

What is taken from the documents (Markdown, the manual page's troff, or the
plain text of the zip's README.txt):
  examples  a code block (``` in Markdown, .nf to .fi in troff) whose first
            line is "$ COMMAND" with poker in it, and which shows output
            below it: the command runs in bash, in an empty folder, with
            poker standing for POKER, and the rest of the block must be
            exactly what it writes;
  shown     in the manual page, a block of lines (.nf to .fi) without a
            command, such as the menu: each line must be a whole line that
            poker writes (Markdown's other code blocks are commands to type);
  results   a table row (Markdown: | `TEXT` | ... | `HAND` |; troff: .B
            "TEXT" under .TP, then .BR HAND in the text below it) of a
            result text for A and a hand that wins with it: A's hand must
            win with exactly that text against the one hand the document
            names after "against" or "B의";
  texts     every other text of the program that a document quotes
            (Markdown: `...`; troff: .B and .BR; plain text: "..."), as
            far as it holds Hangul: it must be part of something the
            program wrote;
  prompt    a text quoted right after "prompt" (in troff, also in bold on
            the line after "the prompt") or right before "프롬프트": it
            must be the prompt, the last line that poker writes when its
            input is empty;
  plays     a line "Example: ENTRIES" or "예: ENTRIES": the entries must
            play exactly one game and show the menu again;
  4 goes on a line that says selection 4 does not quit: after a game of
            selection 4 the menu must come back and play the next game; a
            line that says anything else of 4 and quitting or ending fails.
A document from which nothing is taken fails the check.
--cp949: the program writes CP949, which is decoded before comparing.
"""
import os
import re
import subprocess
import sys
import tempfile

HANGUL = re.compile("[\uac00-\ud7a3]")
# The hand that a document says its result rows win against.
LOSER = re.compile(r"(?:against(?: B's)?|B의)\s+(?:\.BR\s+)?`?(\S{10}?)[`\s]")
PROMPT = re.compile(r'prompt [`"]([^`"]+)[`"]|[`"]([^`"]+)[`"] 프롬프트')
EXAMPLE = re.compile(r"^\s*(?:Example|예): (.+?)\s*$")
FOUR_GOES_ON = re.compile(r"`?4`? does not quit|4를 (?:눌러도|골라도)")
FOUR_SAID = re.compile(r"(?:^|[^0-9.])4(?:[^0-9.]|$).*(?:\b(?:quits?|exits?|ends?)\b|끝|종료|그만)",
                       re.IGNORECASE)
GAME = "AHKHQHJH0H 2S3S4S5S6S"


class Failures:
    def __init__(self):
        self.count = 0
        self.checks = 0

    def check(self, holds, where, what):
        self.checks += 1
        if not holds:
            self.count += 1
            print("FAIL: %s: %s" % (where, what))


def run_poker(poker, typed, encoding):
    out = subprocess.run([poker], input=typed.encode("ascii"), stdout=subprocess.PIPE,
                         check=True).stdout
    return out.decode(encoding)


def run_example(poker, command, encoding):
    script = 'poker() { "%s" "$@"; }\n%s\n' % (os.path.abspath(poker), command)
    with tempfile.TemporaryDirectory() as folder:
        out = subprocess.run(["bash", "-c", script], stdout=subprocess.PIPE, cwd=folder,
                             check=True).stdout
    return out.decode(encoding)


def troff_text(line):
    """A line of the manual page as it reads, for the escapes it uses."""
    for escape, text in (("\\fB", ""), ("\\fI", ""), ("\\fP", ""), ("\\fR", ""),
                         ("\\(aq", "'"), ("\\(lq", '"'), ("\\(rq", '"'), ("\\-", "-"),
                         ("\\en", "\\n"), ("\\e", "\\"), ("\\%", ""), ("\\&", "")):
        line = line.replace(escape, text)
    return line


def markdown_parts(lines):
    """Code blocks, result rows and quoted texts of a Markdown document."""
    blocks, rows, quoted = [], [], []
    block = None
    for number, line in enumerate(lines, 1):
        if line.lstrip().startswith("```"):
            if block is None:
                block = (number, [])
            else:
                blocks.append(block)
                block = None
            continue
        if block is not None:
            block[1].append(line)
            continue
        cells = [cell.strip() for cell in line.strip().strip("|").split("|")]
        if line.startswith("|") and len(cells) >= 2:
            text, hand = cells[0].strip("`"), cells[-1].strip("`")
            if text.endswith("이겼습니다.") and re.fullmatch(r"\S{10}", hand):
                rows.append((number, text, hand))
                continue
        quoted += [(number, text) for text in re.findall(r"`([^`]+)`", line)]
    return blocks, rows, quoted


def troff_parts(lines):
    """Example blocks, result rows and quoted texts of a manual page."""
    blocks, rows, quoted = [], [], []
    block = None
    pending = None  # a result text under .TP, waiting for its hand
    for number, line in enumerate(lines, 1):
        if line.startswith(".nf"):
            block = (number, [])
            continue
        if line.startswith(".fi") and block is not None:
            blocks.append(block)
            block = None
            continue
        if block is not None:
            block[1].append(troff_text(line))
            continue
        words = re.findall(r'"([^"]*)"|(\S+)', line)
        words = [quoted_word or word for quoted_word, word in words]
        if not words or words[0] not in (".B", ".BR"):
            continue
        bold = words[1::2] if words[0] == ".BR" else [" ".join(words[1:])]
        bold = [troff_text(word) for word in bold]
        if words[0] == ".B" and bold[0].endswith("이겼습니다."):
            pending = (number, bold[0])
        elif pending is not None and words[0] == ".BR" and re.fullmatch(r"\S{10}", bold[0]):
            rows.append((pending[0], pending[1], bold[0]))
            pending = None
        else:
            quoted += [(number, word) for word in bold]
    return blocks, rows, quoted


def text_parts(lines):
    """Quoted texts of a plain text."""
    quoted = [(number, text) for number, line in enumerate(lines, 1)
              for text in re.findall(r'"([^"]+)"', line)]
    return [], [], quoted


def claims(lines):
    """What the lines of any document say the program does, each as (line
    number, entries to type, what must hold of the output, what that is)."""
    found = []
    for number, line in enumerate(lines, 1):
        # The manual page's "the prompt" with the prompt in bold on the next line.
        if number > 1 and lines[number - 2].endswith("the prompt") and line.startswith(".B "):
            line = 'prompt "%s"' % line[3:].strip('" ')
        for a, b in PROMPT.findall(line):
            found.append((number, "", lambda out, text=a or b: out.splitlines()[-1] == text,
                          '"%s" is the prompt' % (a or b)))
        for entries in EXAMPLE.findall(line):
            found.append((number, entries + "\n",
                          lambda out: out.count("계산해쓰 \n") == 1 and out.count("입력:") == 2,
                          "%s plays one game and shows the menu again" % entries))
        if FOUR_GOES_ON.search(line):
            found.append((number, "4 %s 2 5 %s\n" % (GAME, GAME),
                          lambda out: out.count("계산해쓰 \n") == 2,
                          "after selection 4 the next game is played"))
        elif FOUR_SAID.search(line):
            found.append((number, None, None,
                          "it says what selection 4 does in words this check does not know"))
    return found


def main():
    args = sys.argv[1:]
    encoding = "utf-8"
    if args and args[0] == "--cp949":
        encoding = "cp949"
        args = args[1:]
    if len(args) < 2:
        sys.exit(__doc__)
    poker, documents = args[0], args[1:]
    failures = Failures()
    written = []  # everything the program wrote, for the quoted texts
    all_quoted = []
    all_shown = []  # (where, line) of the manual page's blocks without a command

    for path in documents:
        with open(path, encoding="utf-8-sig") as f:
            lines = f.read().splitlines()
        parts = {".6": troff_parts, ".txt": text_parts}.get(
            os.path.splitext(path.removesuffix(".in"))[1], markdown_parts)
        blocks, rows, quoted = parts(lines)
        quoted = [(number, text) for number, text in quoted if HANGUL.search(text)]
        all_quoted += [("%s:%d" % (path, number), text) for number, text in quoted]
        checks_before = failures.checks

        for number, entries, holds, what in claims(lines):
            if entries is None:
                failures.check(False, "%s:%d" % (path, number), what)
                continue
            got = run_poker(poker, entries, encoding)
            written.append(got)
            failures.check(holds(got), "%s:%d" % (path, number),
                           what + ", but poker writes:\n" + got)

        shown_before = len(all_shown)
        for number, block in blocks:
            if block and not block[0].startswith("$ ") and parts is troff_parts:
                all_shown += [("%s:%d" % (path, number), line) for line in block]
            if len(block) < 2 or not block[0].startswith("$ ") or "poker" not in block[0]:
                continue  # not a command with the output it shows
            shown = "".join(line + "\n" for line in block[1:])
            got = run_example(poker, block[0][2:], encoding)
            written.append(got)
            failures.check(got == shown, "%s:%d" % (path, number),
                           "the example's output is not what poker writes:\n%s" % got)

        losers = LOSER.findall("\n".join(lines))
        if rows:
            failures.check(len(losers) == 1, path,
                           "the result rows need one hand they win against, not %s" % losers)
        for number, text, hand in rows if len(losers) == 1 else []:
            typed = "1 %s %s\n1 %s %s\n" % (hand, losers[0], losers[0], hand)
            got = run_poker(poker, typed, encoding)
            written.append(got)
            results = re.findall(r"입력:([^\n]*?)계산해쓰 \n", got)
            failures.check(results[:1] == [text], "%s:%d" % (path, number),
                           "%s wins with %s" % (hand, results[:1]))

        # The texts and the shown lines are checked below, once everything is written.
        taken = failures.checks - checks_before + len(quoted) + len(all_shown) - shown_before
        failures.check(taken > 0, path, "nothing in it to check")

    # The texts that no example or row showed: a wrong selection and a
    # token of the wrong length.
    written.append(run_poker(poker, "7 9 2 1 AHKH 2S3S4S5S6S\n", encoding))
    everything = "".join(written)
    lines = set(everything.splitlines())
    for where, line in all_shown:
        failures.check(line in lines, where, '"%s" is not a line that poker writes' % line)
    for where, text in all_quoted:
        failures.check(text in everything, where, '"%s" is not among poker\'s texts' % text)

    print("%d checked, %d failed" % (failures.checks, failures.count))
    sys.exit(1 if failures.count else 0)


if __name__ == "__main__":
    main()
