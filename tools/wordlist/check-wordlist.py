#!/usr/bin/env python3
"""Checks word list files against the rules the lists we ship keep.

    tools/wordlist/check-wordlist.py [--min-words N] [file ...]

Without files it checks every list in src/resources/data. The game itself reads looser
files; these rules keep the lists we ship pleasant to play: every line ends with CR LF,
8-bit Windows-1252 text (which the game must not take for UTF-8), a title line, then
WORD:Clue lines whose words are 3 to 15 upper-case letters (A-Z or the accented capitals
Windows-1252 holds, and German sharp s, which has no capital there; at most a few words with
one inner blank), with a short clue that does not give the word
away, no word twice, and at least 500 words in the default list ROPEWIT.TXT, 366 in the word
of the day's list DAILY.TXT (a year without a repeat) and 200 in each themed list (or N with
--min-words).
Exits with status 1 and lists the problems if any rule is broken.
"""

import os
import re
import sys

MIN_WORDS = 500
MIN_THEMED_WORDS = 200
DEFAULT_LIST = "ROPEWIT.TXT"
DAILY_LIST = "DAILY.TXT"
MIN_DAILY_WORDS = 366
MAX_CLUE = 40
# The capitals of Windows-1252 (not the multiplication sign between them) and sharp s.
LETTER = "A-Z\u00c0-\u00d6\u00d8-\u00de\u0160\u0152\u017d\u0178\u00df"
WORD_RE = re.compile(f"^[{LETTER}]+( [{LETTER}]+)?$")


def check(data, min_words=MIN_WORDS):
    problems = []
    if not data:
        return ["the file is empty"]
    try:
        data.decode("cp1252")
    except UnicodeDecodeError as e:
        problems.append(f"byte {e.start}: not a Windows-1252 character")
    # The game reads a file whose bytes happen to form UTF-8 as UTF-8.
    if not data.isascii():
        try:
            data.decode("utf-8")
            problems.append("the game would read this file as UTF-8")
        except UnicodeDecodeError:
            pass
    if b"\x1a" in data:
        problems.append("contains a Ctrl+Z byte, which ends the file early")
    if not data.endswith(b"\r\n"):
        problems.append("the last line does not end with CR LF")
    # Every CR must be followed by LF and every LF preceded by CR.
    for m in re.finditer(rb"\r(?!\n)|(?<!\r)\n", data):
        problems.append(f"byte {m.start()}: line end is not CR LF")

    lines = data.decode("cp1252", errors="replace").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or not lines[0].strip():
        problems.append("line 1: the title is missing")
        return problems

    seen = {}
    for number, line in enumerate(lines[1:], start=2):
        where = f"line {number}"
        if len(line) > 255:
            problems.append(f"{where}: longer than 255 characters, the game cuts it")
        word, colon, clue = line.partition(":")
        if not colon:
            problems.append(f"{where}: no clue")
        if not 3 <= len(word) <= 15:
            problems.append(f"{where}: word {word!r} is not 3 to 15 characters long")
        if not WORD_RE.match(word):
            problems.append(f"{where}: word {word!r} is not upper-case letters (one inner blank allowed)")
        if colon and not clue.strip():
            problems.append(f"{where}: empty clue")
        if clue != clue.strip():
            problems.append(f"{where}: clue has blanks at its ends")
        if len(clue) >= MAX_CLUE:
            problems.append(f"{where}: clue is {len(clue)} characters, keep it under {MAX_CLUE}")
        lowered = clue.lower()
        for part in {word} | set(word.split(" ")):
            if len(part) >= 3 and part.lower() in lowered:
                problems.append(f"{where}: clue {clue!r} gives away {part!r}")
        if word in seen:
            problems.append(f"{where}: {word!r} already on line {seen[word]}")
        else:
            seen[word] = number

    if len(lines) - 1 < min_words:
        problems.append(f"only {len(lines) - 1} words, want at least {min_words}")
    return problems


def main():
    args = sys.argv[1:]
    min_words = None
    if len(args) >= 2 and args[0] == "--min-words":
        min_words = int(args[1])
        args = args[2:]
    if not args:
        here = os.path.dirname(os.path.abspath(__file__))
        data = os.path.join(here, "..", "..", "src", "resources", "data")
        args = sorted(
            os.path.join(data, name) for name in os.listdir(data) if name.upper().endswith(".TXT")
        )
    failed = False
    for path in args:
        wanted = min_words
        if wanted is None:
            wanted = {DEFAULT_LIST: MIN_WORDS, DAILY_LIST: MIN_DAILY_WORDS}.get(
                os.path.basename(path), MIN_THEMED_WORDS)
        with open(path, "rb") as f:
            data = f.read()
        problems = check(data, wanted)
        for p in problems:
            print(f"{path}: {p}")
        if problems:
            failed = True
            continue
        count = data.count(b"\r\n") - 1
        print(f"{path}: OK, {count} words")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
