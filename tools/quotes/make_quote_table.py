#!/usr/bin/env python3
"""Writes src/activities/quotes/QuoteTable.cpp from quotes.txt, refusing a quote that breaks the
rules the quotes window relies on. With --check it only compares the committed source with what it
would write, and fails when they differ."""

import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
SOURCE = HERE / "quotes.txt"
TARGET = HERE.parent.parent / "src" / "activities" / "quotes" / "QuoteTable.cpp"

# The number of words of each quote, by quote number: the layouts of quotes 7, 16, 35 and 42
# depend on them.
WORD_COUNTS = [28, 16, 14, 10, 19, 15, 42, 7, 22, 17, 28, 14, 16, 20, 15, 30, 12, 11, 23, 11, 10,
               17, 13, 13, 27, 13, 20, 12, 8, 21, 10, 16, 13, 15, 29, 10, 13, 7, 9, 12, 13, 18]

# Every character can be typed on the word-entry keyboard.
WORD = re.compile(r"^[A-Za-z,;.:'()\-]+$")
LONGEST_WORD = 11  # fits a box one seventh of the panel wide

# Word-entry groupings: the least number of words each must hide in every quote.
def hidden(code, word):
    n = len(word)
    if code == 1:
        return n <= 3 or (n == 4 and (word[0] == "(" or word[-1] in ":.,;"))
    if code == 2:
        return n <= 4 or (n == 5 and word[-1] in ";-,")
    if code == 35:
        return 3 <= n <= 5 or (n == 6 and word[-1] in ";,.")
    if code == 5:
        return n >= 6 or (n == 5 and word[-1] not in "-;,")
    if code == 6:
        return n <= 6 or (n == 7 and word[-1] in ".;,")
    return True

GROUPING_MINIMUMS = {1: 1, 2: 3, 35: 2, 5: 2, 6: 5, 9: 7}


def fail(message):
    sys.exit(f"make_quote_table: {message}")


def read_quotes():
    quotes = []
    for line in SOURCE.read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        parts = [part.strip() for part in line.split("|")]
        if len(parts) != 3 or not parts[0].isdigit():
            fail(f"not 'number | author | quote': {line}")
        quotes.append((int(parts[0]), parts[1], parts[2].split()))
    if [number for number, _, _ in quotes] != list(range(1, 43)):
        fail("the quotes must be numbered 1 to 42, in order")
    return quotes


def check(number, author, words):
    where = f"quote {number}"
    if len(words) != WORD_COUNTS[number - 1]:
        fail(f"{where} has {len(words)} words, not {WORD_COUNTS[number - 1]}")
    for word in words:
        if not WORD.match(word):
            fail(f"{where}: '{word}' holds a character the word-entry keyboard lacks")
        if len(word) > LONGEST_WORD:
            fail(f"{where}: '{word}' is longer than {LONGEST_WORD} characters")
    text = "*" + "*".join(words) + "*"
    if not 34 <= len(text) <= 207:
        fail(f"{where} is {len(text)} characters long, not 34 to 207")
    for code, least in GROUPING_MINIMUMS.items():
        count = sum(hidden(code, word) for word in words)
        if count < least:
            fail(f"{where} hides {count} words in grouping {code}, fewer than {least}")
    if not re.match(r"^[A-Z][A-Za-z'. ]+( #[12])?$", author):
        fail(f"{where}: '{author}' is no name")
    return text


def check_numbered_authors(quotes):
    labels = [author for _, author, _ in quotes]
    for label in labels:
        base, _, mark = label.partition(" #")
        if mark and sorted(l for l in labels if l.startswith(base + " #")) != [base + " #1",
                                                                                  base + " #2"]:
            fail(f"'{base}' must have exactly the labels #1 and #2")
        if not mark and base != "English Proverb" and labels.count(base) > 1:
            fail(f"'{base}' has two quotes without #1 and #2")


def cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def render(quotes):
    rows = []
    for number, author, words in quotes:
        text = check(number, author, words)
        rows.append(f"    {{{cpp_string(text)},\n     {cpp_string(str(len(words)))}, "
                    f"{cpp_string(author)}}},")
    check_numbered_authors(quotes)
    return ("// Written by tools/quotes/make_quote_table.py from tools/quotes/quotes.txt: edit those.\n"
            "// clang-format off\n"
            '#include "QuoteTable.h"\n\n'
            "const std::array<BuiltInQuote, kQuoteCount> kBuiltInQuotes = {{\n"
            + "\n".join(rows) + "\n}};\n")


def main():
    output = render(read_quotes())
    if sys.argv[1:] == ["--check"]:
        if not TARGET.exists() or TARGET.read_text(encoding="utf-8") != output:
            fail(f"{TARGET} is not what quotes.txt gives: run this script")
        return
    TARGET.parent.mkdir(parents=True, exist_ok=True)
    TARGET.write_text(output, encoding="utf-8")


if __name__ == "__main__":
    main()
