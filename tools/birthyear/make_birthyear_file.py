#!/usr/bin/env python3
"""Writes data/Bhday1.FIL from the readable year files beside this script.

Each years-*.txt file holds entries of three lines: the year, "S: " and the text "On The More
Serious Side", "L: " and the text "On The Lighter Side". The output has one 1100-byte record per
year from 1900 to 2025: two Windows-1252 texts padded with blanks to 500 bytes each, then 100
blanks.

Besides the record layout and American English, the checks keep each piece of news in one place:
- a text tells only its own year: it may not reach into another ("early the next year", "two
  years later", "which will create", "their last for 86 years", "forerunner of the NBA"), which
  is how one event comes to stand in two years;
- the two sides of a year never name the same subject: a word of a name ("Steelers" is a word of
  "Pittsburgh Steelers") or another word ("famine") that the texts use in fewer than FRAME_YEARS
  years (a comet, a film, a game; not a country, a yearly contest or everyday news words), or two
  names SAME_SUBJECT gives for one piece of news;
- the Lighter Side of neighbouring years never names the same subject, unless TOLD_AGAIN lists
  it as two different pieces of news;
- only one year tells of the first of a named thing ("the first McDonald's");
- the Lighter Side tells no death and no SERIOUS_ONLY subject: they belong on the Serious Side;
- a name is written with the accents Windows-1252 holds ("Pokémon", not "Pokemon").

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

# Words that carry a text into another year: what comes of the news later ("will", "for four
# decades", "their last for 86 years") or what it leads to ("forerunner of the NBA").
OTHER_YEAR = re.compile(
    r"\b(?:next|following|previous) year\b|\b(?:a|one|two|three|four|five|\d+) years? "
    r"(?:later|before|earlier|after)\b|\bwill\b|\bforerunners? of\b|"
    r"\bfor (?:\w+|\d+) (?:years|decades|centuries)\b")
# A subject the texts name in this many years or more is a place, a nation, a yearly contest or an
# everyday word of news, which frames many years' news rather than being one piece of it.
FRAME_YEARS = 5
# Subjects that the Lighter Side of neighbouring years names for two different pieces of news.
TOLD_AGAIN = {
    "Tiger Woods": "turns professional in 1996, wins the Masters in 1997",
    "Tokyo Olympics": "put off in 2020, held in 2021",
}
# Names that stand for one piece of news: the Mercury astronauts of 1961 are Alan Shepard's flight.
SAME_SUBJECT = {"Mercury": "Shepard"}
# Words that many names share and that tell none of them apart: Ellis Island and Brownsea
# Island, the National Park Service and the National Hockey League, the Red Sox and the White Sox.
SHARED_NAME_WORDS = {"Island", "National", "Sox"}
# Little words of four letters or more, which name no subject; the everyday words of news
# ("opens", "record") stand in too many years to name one.
NEWS_WORDS = {
    "about", "across", "after", "also", "around", "before", "begins", "being", "from", "into",
    "more", "most", "once", "only", "over", "since", "than", "that", "their", "them", "then",
    "there", "these", "they", "this", "under", "when", "where", "which", "while", "with",
}
# A plain (lower-case) word of four letters or more.
PLAIN_WORD = re.compile(r"\b[a-z][a-z'-]{3,}\b")
# Endings that make one word of "stay", "stays" and "staying".
ENDINGS = ("'s", "ies", "es", "s", "ing", "ed")
# The Lighter Side tells of fun and firsts; deaths and these subjects are serious news. Lower case
# only, so a title ("Video Killed the Radio Star") is no death.
SERIOUS_ONLY = re.compile(
    r"\b(?:dies|die|died|dead|death|deaths|killed|disappears|crash|crashes)\b|"
    r"\bAlcoholics Anonymous\b")
# Names written without the accents Windows-1252 holds, with how they are written.
ACCENTED = {
    "Bleriot": "Blériot", "Biro": "Bíró", "Fuhrer": "Führer", "Laszlo": "László",
    "Nescafe": "Nescafé", "Pele": "Pelé", "Pelee": "Pelée", "Pokemon": "Pokémon",
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
    for plain, accented in ACCENTED.items():
        if re.search(rf"\b{plain}\b", text):
            found.append(f"{where}: {plain} is written {accented}")
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


def stem(word):
    for ending in ENDINGS:
        if word.endswith(ending) and len(word) - len(ending) >= 4:
            return word[: -len(ending)]
    return word


def terms(text):
    """The subjects a text names as (term, opens a sentence): each word of its names ("Pittsburgh
    Steelers" gives Pittsburgh and Steelers; initials, short words like "Ed" and "of", and
    SHARED_NAME_WORDS left out), the names SAME_SUBJECT sets beside them, and the stems of its
    plain words ("staying" gives "stay")."""
    found = []
    for name, opens in names(text):
        for number, word in enumerate(name.split()):
            if "." in word or len(word) < 3 or word in ("of", "the") or word in SHARED_NAME_WORDS:
                continue
            found.append((word, opens and number == 0))
            if word in SAME_SUBJECT:
                found.append((SAME_SUBJECT[word], False))
    for match in PLAIN_WORD.finditer(text):
        word = match.group(0)
        if word not in NEWS_WORDS:
            found.append((stem(word), False))
    return found


def subjects(years):
    """For every subject term, the (year, side) texts that hold it; side 0 is the Serious Side.
    A capitalized word that opens a sentence counts only where it is a name elsewhere too."""
    held = {}
    for year, texts in years.items():
        for side, text in enumerate(texts):
            held[(year, side)] = terms(text)
    known = {term for found in held.values() for term, opening in found if not opening}
    where = collections.defaultdict(set)
    for place, found in held.items():
        for term, opening in found:
            if not opening or term in known:
                where[term].add(place)
    return where


def repeat_faults(years):
    found = []
    told_again = {term for name in TOLD_AGAIN for term, _ in terms(name)}
    for term, places in sorted(subjects(years).items()):
        in_years = sorted({year for year, _ in places})
        if len(in_years) >= FRAME_YEARS:
            continue
        for year in in_years:
            if (year, 0) in places and (year, 1) in places:
                found.append(f"year {year}: both sides name {term}")
            if term not in told_again and (year, 1) in places and (year + 1, 1) in places:
                found.append(f"years {year} and {year + 1}: the Lighter Side names {term} twice")
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
        serious_news = SERIOUS_ONLY.search(lighter)
        if serious_news:
            found.append(f"year {year} lighter: {serious_news.group(0)!r} is news of the Serious "
                         "Side")
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
