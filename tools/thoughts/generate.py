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
The texts are American English: british_words() refuses British spellings. A subject of ONCE may
stand in one entry of its file only: two thoughts on it read as one thought told twice.
"""

import pathlib
import re
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

# Subjects each file may hold once, found by the words that tell them (case ignored).
ONCE = {
    "general.txt": {
        "rising after a fall": r"\bfall.*\b(?:stand|rise|rising)\b|\b(?:stand|rise|rising)\b.*\bfall",
        "the will that finds a way": r"\ba will\b|\bwilling\b",
        "acting in time": r"\b(?:stitch|prevention)\b",
        "the worth of a kindness": r"\bkind(?:ness)?\b.*\b(?:costs nothing|wasted)\b",
        "courtesy opening doors": r"\b(?:words|please)\b.*\bopens?\b.*\bdoors?\b",
    },
    "humorous.txt": {
        "a sleepy animal": r"\bsleep(?:y|ing)?\b",
        "being too full to eat": r"\b(?:full|stuffed)\b",
    },
}


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


def subject_faults(name, texts):
    """The subjects of ONCE that more than one of the numbered texts of file name holds."""
    found = []
    for subject, pattern in ONCE[name].items():
        holding = [n for n, text in texts if re.search(pattern, text, re.IGNORECASE)]
        if len(holding) > 1:
            found.append(f"{name}: lines {holding} tell of {subject}; one may")
    return found


def encode(records):
    return "".join(record + "\r\n" for record in records).encode("cp1252")


def files():
    """The bytes of Thought1.Fil and Thought2.Fil, once the sources pass every check."""
    repeated = [fault for name in ONCE for fault in subject_faults(name, list(entries(name)))]
    if repeated:
        sys.exit("\n".join(repeated))
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
    return {"Thought1.Fil": encode(general), "Thought2.Fil": encode(humorous)}


def main():
    for name, content in files().items():
        (DATA / name).write_bytes(content)
        print(f"{name}: {len(content.splitlines())} entries")


if __name__ == "__main__":
    main()
