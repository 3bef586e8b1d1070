#!/usr/bin/env python3
"""Writes the word scrambler's word file data/WscOtxt.Fil from tools/scrambler/words.txt.

Run from the repository root (Python 3 standard library only):

    python3 tools/scrambler/generate.py

The word check needs a list of English words: install Debian's package wamerican
(`apt-get install wamerican`, which gives /usr/share/dict/american-english). It refuses a word
whose letters also spell another word of that list (LISTEN and SILENT), since the player could
type the other word and be told it is wrong. `--check` only reports whether the committed file is
up to date. CI never runs this tool; its output is committed.

The file holds six levels. Levels 1 to 5 each end with an entry "END","End of level n"; level 6
runs to the end of the file. Every entry is one line "WORD","hint" ending in CR LF.
"""

import argparse
import collections
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools"))
from american_english import british_sense, british_words  # noqa: E402
from family_words import one_sided  # noqa: E402
from word_forms import stems  # noqa: E402

SOURCE = ROOT / "tools" / "scrambler" / "words.txt"
OUTPUT = ROOT / "data" / "WscOtxt.Fil"
WORD_LIST = pathlib.Path("/usr/share/dict/american-english")

# Words each level must hold, and the lengths its words may have.
CAPACITY = [39, 39, 40, 39, 39, 40]
LENGTHS = [(3, 4), (5, 5), (6, 6), (7, 7), (8, 8), (9, 12)]
MAX_HINT = 60
WORD = re.compile(r"[A-Z]+")
# Little words that a hint may hold although a word ends with them (HAND and "and").
LITTLE_WORDS = {"and", "her", "the", "you"}


def read_levels():
    levels = []
    for line in SOURCE.read_text(encoding="ascii").splitlines():
        if line.startswith("# Level"):
            levels.append([])
        elif line and not line.startswith("#"):
            word, hint = line.split("|")
            levels[-1].append((word, hint))
    return levels


def anagram_index():
    index = collections.defaultdict(set)
    for word in WORD_LIST.read_text(encoding="utf-8", errors="ignore").split():
        if word.isascii() and word.isalpha() and word.islower():
            index["".join(sorted(word))].add(word)
    return index


def gives_away(word, hint):
    """Whether the hint holds the word, or names in any form a word of three letters or more that
    the word begins or ends with (HOMEWORK: "home", "works"; TOOTHBRUSH: "teeth")."""
    word = word.lower()
    parts = {word[:n] for n in range(3, len(word) + 1)} | {word[-n:] for n in range(3, len(word))}
    hint_words = set(re.findall(r"[a-z']+", hint.lower())) - LITTLE_WORDS
    return word in hint.lower() or any(stems(hint_word) & parts for hint_word in hint_words)


def faults(levels, index):
    found = []
    if len(levels) != len(CAPACITY):
        return [f"{len(levels)} levels, not {len(CAPACITY)}"]
    seen = set()
    for number, (entries, capacity, (shortest, longest)) in enumerate(
            zip(levels, CAPACITY, LENGTHS), start=1):
        if len(entries) != capacity:
            found.append(f"level {number}: {len(entries)} words, not {capacity}")
        for word, hint in entries:
            if not WORD.fullmatch(word) or not shortest <= len(word) <= longest:
                found.append(f"level {number}: {word} is not {shortest}-{longest} capitals")
            if len(set(word)) < 2:
                found.append(f"{word}: no shuffle changes it")
            if word in seen:
                found.append(f"{word} twice")
            seen.add(word)
            if len(hint) > MAX_HINT or not hint.isascii() or '"' in hint:
                found.append(f"{word}: hint longer than {MAX_HINT} or not plain ASCII")
            if gives_away(word, hint):
                found.append(f"{word}: the hint gives the word or a part of it away")
            british = british_words(hint)
            if british:
                found.append(f"{word}: British English in the hint {british}")
            sense = british_sense(word, hint)
            if sense:
                found.append(f"{word}: the hint gives its British sense, {sense}")
            side = one_sided(hint)
            if side:
                found.append(f"{word}: the hint names {side} but not the other side")
            others = index["".join(sorted(word.lower()))] - {word.lower()}
            if others:
                found.append(f"{word}: its letters also spell {', '.join(sorted(others))}")
    return found


def render(levels):
    lines = []
    for number, entries in enumerate(levels, start=1):
        lines += [f'"{word}","{hint}"' for word, hint in entries]
        if number < len(levels):
            lines.append(f'"END","End of level {number}"')
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="only compare with the committed file")
    arguments = parser.parse_args()
    if not WORD_LIST.exists():
        sys.exit(f"{WORD_LIST} is missing: apt-get install wamerican")
    levels = read_levels()
    found = faults(levels, anagram_index())
    if found:
        sys.exit("\n".join(found))
    content = render(levels)
    if arguments.check:
        up_to_date = OUTPUT.exists() and OUTPUT.read_bytes() == content
        print("up to date" if up_to_date else f"{OUTPUT} is out of date")
        sys.exit(0 if up_to_date else 1)
    OUTPUT.write_bytes(content)
    print(f"wrote {OUTPUT}")


if __name__ == "__main__":
    main()
