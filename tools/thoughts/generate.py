#!/usr/bin/env python3
"""Writes the shipped thought files from their plain sources.

    tools/thoughts/generate.py            (from the repository root)

general.txt gives data/Thought1.Fil: one thought per line. humorous.txt gives data/Thought2.Fil:
a set-up and its punch line per line, split at " | ". Lines starting with "#" are comments.
Each text is broken at word boundaries into display lines joined by "*" (the program shows each
"*" as a line break). The files are Windows-1252, every field quoted, CR LF line ends, no blank
line.
A quoted field runs to the next double quote, so a text may hold commas and apostrophes (a joke
keeps the contractions its punch line needs: "Don't cry, it's only a joke!") but no double quote.
The texts are American English: british_words() refuses British spellings.
"""

import pathlib
import sys
import textwrap

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent))
from american_english import british_words  # noqa: E402

DATA = HERE.parent.parent / "data"

# (widest line, most lines) of each kind of text.
GENERAL = (36, 8)
SET_UP = (34, 5)
PUNCH_LINE = (45, 2)
MOST_GENERAL = 215
MOST_HUMOROUS = 100


def entries(name):
    for number, line in enumerate((HERE / name).read_text(encoding="utf-8").splitlines(), 1):
        line = line.strip()
        if line and not line.startswith("#"):
            yield number, line


def field(text, shape, where):
    width, most = shape
    if '"' in text or "*" in text:
        sys.exit(f"{where}: a text may hold neither a double quote nor a star")
    british = british_words(text)
    if british:
        sys.exit(f"{where}: British English {british}; the thoughts are American")
    lines = textwrap.wrap(text, width=width, break_long_words=False)
    if len(lines) > most or any(len(line) > width for line in lines):
        sys.exit(f"{where}: does not fit {most} lines of {width} characters")
    return '"' + "*".join(lines) + '"'


def write(name, records):
    text = "".join(record + "\r\n" for record in records)
    (DATA / name).write_bytes(text.encode("cp1252"))


def main():
    general = [field(text, GENERAL, f"general.txt:{n}") for n, text in entries("general.txt")]
    humorous = []
    for n, text in entries("humorous.txt"):
        set_up, separator, punch_line = text.partition(" | ")
        if not separator:
            sys.exit(f"humorous.txt:{n}: no ' | ' between the set-up and the punch line")
        where = f"humorous.txt:{n}"
        humorous.append(field(set_up, SET_UP, where) + "," + field(punch_line, PUNCH_LINE, where))
    if not 150 <= len(general) <= MOST_GENERAL or not 60 <= len(humorous) <= MOST_HUMOROUS:
        sys.exit(f"{len(general)} general and {len(humorous)} humorous entries: out of bounds")
    for name, records in (("general", general), ("humorous", humorous)):
        if len(set(records)) != len(records):
            sys.exit(f"the {name} thoughts hold a duplicate")
    write("Thought1.Fil", general)
    write("Thought2.Fil", humorous)
    print(f"Thought1.Fil: {len(general)} thoughts; Thought2.Fil: {len(humorous)} entries")


if __name__ == "__main__":
    main()
