#!/usr/bin/env python3
"""Writes data/Bhday1.FIL from the readable year files beside this script.

Each years-*.txt file holds entries of three lines: the year, "S: " and the text "On The More
Serious Side", "L: " and the text "On The Lighter Side". The output has one 1100-byte record per
year from 1900 to 2025: two Windows-1252 texts padded with blanks to 500 bytes each, then 100
blanks.
"""
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent))
from american_english import british_words  # noqa: E402
FIRST, LAST = 1900, 2025
WIDTH = 500


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


def field(text, year):
    british = british_words(text)
    if british:
        sys.exit(f"year {year}: British English {british}; the texts are American")
    data = text.encode("cp1252")
    if not 150 <= len(data) <= WIDTH:
        sys.exit(f"year {year}: a text of {len(data)} bytes; 150 to {WIDTH} are allowed")
    return data.ljust(WIDTH, b" ")


def main():
    years = read_years()
    out = bytearray()
    for year in range(FIRST, LAST + 1):
        serious, lighter = years[year]
        out += field(serious, year) + field(lighter, year) + b" " * 100
    (HERE.parent.parent / "data" / "Bhday1.FIL").write_bytes(bytes(out))


if __name__ == "__main__":
    main()
