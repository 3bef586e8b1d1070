#!/usr/bin/env python3
"""Writes data/Cost1.Fil from prices.txt: 105 unquoted numbers, item after item, seven to a line."""
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
YEARS = list(range(1900, 2001, 5))


def read_items(path):
    items = []
    for line in path.read_text(encoding="ascii").splitlines():
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("item:"):
            items.append([])
            continue
        year, price = line.split()
        items[-1].append((int(year), price))
    return items


def main():
    items = read_items(HERE / "prices.txt")
    fields = []
    for item in items:
        if [year for year, _ in item] != YEARS:
            sys.exit("every item needs the years 1900 to 2000 every 5 years")
        fields.extend(price for _, price in item)
    lines = [",".join(fields[i:i + 7]) for i in range(0, len(fields), 7)]
    out = HERE.parent.parent / "data" / "Cost1.Fil"
    out.write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))


if __name__ == "__main__":
    main()
