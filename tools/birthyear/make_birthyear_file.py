#!/usr/bin/env python3
"""Writes data/Bhday1.FIL from the readable year files beside this script.

Each years-*.txt file holds entries of three lines: the year, "S: " and the text "On The More
Serious Side", "L: " and the text "On The Lighter Side". The output has one 1100-byte record per
year from 1900 to 2025: two Windows-1252 texts padded with blanks to 500 bytes each, then 100
blanks.

Besides the record layout and American English, the checks keep each piece of news in one place:
- a text tells only its own year: it may not reach into another ("early the next year", "two
  years later", "which will create"), which is how one event comes to stand in two years;
- the two sides of a year never name the same subject (a name the texts use in fewer than
  FRAME_YEARS years: a comet, a film, a game; not a country or a yearly contest);
- the Lighter Side of neighbouring years never names the same subject, unless TOLD_AGAIN lists
  it as two different pieces of news;
- only one year tells of the first of a named thing ("the first McDonald's").

    python3 tools/birthyear/make_birthyear_file.py          # check, then write the file
    python3 tools/birthyear/make_birthyear_file.py --check  # check, and compare with the file
"""
import argparse
import collections
import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent))
from american_english import british_words  # noqa: E402
FIRST, LAST = 1900, 2025
WIDTH = 500
OUTPUT = HERE.parent.parent / "data" / "Bhday1.FIL"

# Words that carry a text into another year.
OTHER_YEAR = re.compile(
    r"\b(?:next|following|previous) year\b|\b(?:a|one|two|three|four|five|\d+) years? "
    r"(?:later|before|earlier|after)\b|\bwill\b")
# A name the texts use in this many years or more is a place, a nation or a yearly contest, which
# frames many years' news rather than being one piece of it.
FRAME_YEARS = 5
# Subjects that the Lighter Side of neighbouring years names for two different pieces of news.
TOLD_AGAIN = {
    "Tiger Woods": "turns professional in 1996, wins the Masters in 1997",
    "Tokyo Olympics": "put off in 2020, held in 2021",
}
# "The first McDonald's": a claim only one year can make ("their first NBA title" is not one).
FIRST_OF_A_NAME = re.compile(r"\b[Tt]he first ((?:[A-Z][\w'.-]*\s?)+)")
# A people's name says who was first, not what: "the first American to orbit the Earth".
PEOPLES = {"American", "African American"}
# A run of capitalized words, possibly joined by "of" ("League of Nations").
NAME = re.compile(r"[A-Z][\w'.-]*(?:(?: of(?: the)?)? [A-Z][\w'.-]*)*")
SENTENCE_END = re.compile(r"(?<=[.;!?])\s+")


def read_years():
    years = {}
    for path in sorted(HERE.glob("years-*.txt")):
        lines = [line.rstrip("\n") for line in path.read_text(encoding="utf-8").splitlines()]
        lines = [line for line in lines if line.strip()]
        for at in range(0, len(lines), 3):
            year = int(lines[at])
            serious, lighter = lines[at + 1], lines[at + 2]
            if not serious.startswith("S: ") or not lighter.startswith("L: "):
                sys.exit(f"{path.name}: year {year} needs an S: and an L: line")
            if year in years:
                sys.exit(f"year {year} is given twice")
            years[year] = (serious[3:].strip(), lighter[3:].strip())
    missing = [year for year in range(FIRST, LAST + 1) if year not in years]
    if missing:
        sys.exit(f"missing years: {missing}")
    return years


def text_faults(text, where):
    found = []
    british = british_words(text)
    if british:
        found.append(f"{where}: British English {british}; the texts are American")
    try:
        size = len(text.encode("cp1252"))
        if not 150 <= size <= WIDTH:
            found.append(f"{where}: a text of {size} bytes; 150 to {WIDTH} are allowed")
    except UnicodeEncodeError:
        found.append(f"{where}: a character Windows-1252 does not hold")
    reach = OTHER_YEAR.search(text)
    if reach:
        found.append(f"{where}: {reach.group(0)!r} tells another year's news")
    return found


def names(text):
    """The names a text holds as (name, opens a sentence), a possessive split off ("Disney's
    Encanto" gives Disney and Encanto) and a leading "The", "A" or "An" dropped."""
    found = []
    for sentence in SENTENCE_END.split(text):
        for match in NAME.finditer(sentence):
            parts = re.split(r"(?<='s) ", match.group(0).rstrip("."))
            for number, part in enumerate(parts):
                words = part.removesuffix("'s").split()
                opens = match.start() == 0 and number == 0
                if words and words[0] in ("The", "A", "An"):
                    words, opens = words[1:], False
                if words:
                    found.append((" ".join(words), opens and len(words) == 1))
    return found


def subjects(years):
    """For every name, the (year, side) texts that hold it; side 0 is the Serious Side. A single
    capitalized word that opens a sentence counts only where it is a name elsewhere too."""
    held = {}
    for year, texts in years.items():
        for side, text in enumerate(texts):
            held[(year, side)] = names(text)
    known = {name for found in held.values() for name, opening in found if not opening}
    where = collections.defaultdict(set)
    for place, found in held.items():
        for name, opening in found:
            if not opening or name in known:
                where[name].add(place)
    return where


def repeat_faults(years):
    found = []
    for name, places in sorted(subjects(years).items()):
        in_years = sorted({year for year, _ in places})
        if len(in_years) >= FRAME_YEARS:
            continue
        for year in in_years:
            if (year, 0) in places and (year, 1) in places:
                found.append(f"year {year}: both sides name {name}")
            if name not in TOLD_AGAIN and (year, 1) in places and (year + 1, 1) in places:
                found.append(f"years {year} and {year + 1}: the Lighter Side names {name} twice")
    first = collections.defaultdict(list)
    for year, texts in years.items():
        for text in texts:
            for match in FIRST_OF_A_NAME.finditer(text):
                name = match.group(1).strip()
                if name not in PEOPLES:
                    first[name].append(year)
    for name, in_years in sorted(first.items()):
        if len(in_years) > 1:
            found.append(f"years {in_years}: each tells of the first {name}")
    return found


def faults(years):
    found = []
    for year, (serious, lighter) in sorted(years.items()):
        found += text_faults(serious, f"year {year} serious")
        found += text_faults(lighter, f"year {year} lighter")
    return found + repeat_faults(years)


def render(years):
    def field(text):
        return text.encode("cp1252").ljust(WIDTH, b" ")
    out = bytearray()
    for year in range(FIRST, LAST + 1):
        serious, lighter = years[year]
        out += field(serious) + field(lighter) + b" " * 100
    return bytes(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="write nothing")
    arguments = parser.parse_args()
    years = read_years()
    found = faults(years)
    if found:
        sys.exit("\n".join(found))
    content = render(years)
    if arguments.check:
        if not OUTPUT.exists() or OUTPUT.read_bytes() != content:
            sys.exit(f"{OUTPUT} is not up to date")
        return
    OUTPUT.write_bytes(content)


if __name__ == "__main__":
    main()
