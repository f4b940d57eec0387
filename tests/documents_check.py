#!/usr/bin/env python3
"""The documents against the program: whatever they show poker writing must
be what it writes, byte for byte. Prose is not checked.

Usage: documents_check.py [--cp949] POKER DOCUMENT...

What is taken from the documents (Markdown, the manual page's troff, or the
plain text of the zip's README.txt):
  examples  a block (``` in Markdown, .nf to .fi in troff) of lines
            "$ COMMAND", each followed by what it writes: the commands run
            in bash, in an empty folder, with poker standing for POKER, and
            must write exactly the other lines;
  shown     a block of the manual page without a command (the menu): each
            line must be a whole line that poker writes;
  results   a table row of a result text for A and a hand (Markdown:
            | `TEXT` | ... | `HAND` |; troff: .B "TEXT" under .TP, then .BR
            HAND): against the one hand that the document names after
            "against" or "B의", that hand must win with that text as A, and
            with B's as B;
  texts     every other text with Hangul in it that a document quotes
            (Markdown: `...`; troff: .B and .BR; plain text: "..."): it must
            be part of something that poker writes.
A document from which nothing is taken fails the check.
--cp949: poker writes CP949, which is made UTF-8 before it is compared.
"""
import os
import re
import subprocess
import sys
import tempfile

HANGUL = re.compile("[\uac00-\ud7a3]")
LOSER = re.compile(r"(?:against(?: B's)?|B의)\s+(?:\.BR\s+)?`?(\S{10})[`\s]")


def run(poker, cp949, script):
    """What a bash script writes, with poker standing for POKER."""
    convert = " | iconv -f CP949 -t UTF-8" if cp949 else ""
    function = 'poker() { "%s" "$@"%s; }\n' % (os.path.abspath(poker), convert)
    with tempfile.TemporaryDirectory() as folder:
        return subprocess.run(["bash", "-c", function + script], stdout=subprocess.PIPE,
                              cwd=folder).stdout.decode("utf-8", "replace")


def troff_text(line):
    """A line of the manual page as it reads, for the escapes it uses."""
    for escape, text in (("\\fB", ""), ("\\fI", ""), ("\\fP", ""), ("\\fR", ""),
                         ("\\(aq", "'"), ("\\(lq", '"'), ("\\(rq", '"'), ("\\-", "-"),
                         ("\\en", "\\n"), ("\\e", "\\"), ("\\%", ""), ("\\&", "")):
        line = line.replace(escape, text)
    return line


def parts(path, lines):
    """The blocks, result rows and quoted texts of a document."""
    blocks, rows, quoted = [], [], []
    block, pending = None, None  # an open block; a troff result text awaiting its hand
    troff, markdown = path.endswith(".6.in"), path.endswith(".md")
    for number, line in enumerate(lines, 1):
        opens = markdown and line.lstrip().startswith("```") or troff and line.startswith(".nf")
        closes = markdown and line.lstrip().startswith("```") or troff and line.startswith(".fi")
        if block is not None and closes:
            blocks.append(block)
            block = None
        elif block is None and opens:
            block = (number, [])
        elif block is not None:
            block[1].append(troff_text(line) if troff else line)
        elif markdown:
            cells = [cell.strip().strip("`") for cell in line.strip().strip("|").split("|")]
            if line.startswith("|") and cells[0].endswith("이겼습니다.") and len(cells[-1]) == 10:
                rows.append((number, cells[0], cells[-1]))
            else:
                quoted += [(number, text) for text in re.findall(r"`([^`]+)`", line)]
        elif troff:
            words = [a or b for a, b in re.findall(r'"([^"]*)"|(\S+)', line)]
            if not words or words[0] not in (".B", ".BR"):
                continue
            bold = [troff_text(word) for word in
                    (words[1::2] if words[0] == ".BR" else [" ".join(words[1:])])]
            if words[0] == ".B" and bold[0].endswith("이겼습니다."):
                pending = (number, bold[0])
            elif pending and words[0] == ".BR" and len(bold[0]) == 10:
                rows.append((pending[0], pending[1], bold[0]))
                pending = None
            else:
                quoted += [(number, word) for word in bold]
        else:
            quoted += [(number, text) for text in re.findall(r'"([^"]+)"', line)]
    return blocks, rows, [(n, text) for n, text in quoted if HANGUL.search(text)]


def main():
    args = sys.argv[1:]
    cp949 = bool(args) and args[0] == "--cp949"
    args = args[1:] if cp949 else args
    if len(args) < 2:
        sys.exit(__doc__)
    poker, documents = args[0], args[1:]
    failed, checked = [], 0
    written = [run(poker, cp949, "printf '7 9 2 1 AHKH 2S3S4S5S6S\\n' | poker")]
    later = []  # (where, what, test): checked once everything is written

    def check(holds, where, what):
        nonlocal checked
        checked += 1
        if not holds:
            failed.append("%s: %s" % (where, what))

    for path in documents:
        with open(path, encoding="utf-8-sig") as f:
            lines = f.read().splitlines()
        blocks, rows, quoted = parts(path, lines)
        checked_before = checked + len(later)
        for number, block in blocks:
            where = "%s:%d" % (path, number)
            if not any(line.startswith("$ ") for line in block):
                if path.endswith(".6.in"):  # the manual page shows what poker writes
                    later += [(where, '"%s" is a line that poker writes' % line,
                               lambda lines, line=line: line in lines) for line in block]
                continue
            commands = "\n".join(line[2:] for line in block if line.startswith("$ "))
            shown = "".join(line + "\n" for line in block if not line.startswith("$ "))
            got = run(poker, cp949, commands)
            written.append(got)
            check(got == shown, where, "the example's output is not what poker writes:\n" + got)
        losers = LOSER.findall("\n".join(lines))
        if rows:
            check(len(losers) == 1, path, "the results need one hand they win against: %s" % losers)
        for number, text, hand in rows if len(losers) == 1 else []:
            got = run(poker, cp949, "printf '1 %s %s\\n1 %s %s\\n' | poker" %
                      (hand, losers[0], losers[0], hand))
            written.append(got)
            results = re.findall(r"입력:([^\n]*?)계산해쓰 \n", got)
            check(results == [text, text.replace("A가", "B가")], "%s:%d" % (path, number),
                  "%s wins, and loses to it, with %s" % (hand, results))
        later += [("%s:%d" % (path, number), '"%s" is part of what poker writes' % text,
                   lambda lines, text=text: any(text in line for line in lines))
                  for number, text in quoted]
        check(checked + len(later) > checked_before, path, "nothing in it to check")

    lines = set("".join(written).splitlines())
    for where, what, holds in later:
        check(holds(lines), where, what)
    print("\n".join("FAIL: " + failure for failure in failed))
    print("%d checked, %d failed" % (checked, len(failed)))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
