#!/usr/bin/env python3
"""Fills the 40 built-in crossword puzzles and writes their C++ table.

Run from the repository root (Python 3 standard library only):

    python3 tools/crossword/generate.py

It reads the answers and clues of tools/crossword/clues.txt and rewrites
src/activities/crossword/PuzzleTableLevel1.cpp and PuzzleTableLevel2.cpp. Every puzzle has a fixed
seed, so a run with an unchanged clue file writes the same files again. `--check` only reports
whether the committed files are up to date.

Grids are 13 (Level 1) or 18 (Level 2) columns by 8 rows. Across words lie in every other row and
Down words in every other column (which columns may change at a row or two), so about every second
letter of a word is shared with a crossing word; blocks split rows and columns into words of 2 to
10 letters. Each pattern is drawn at random and filled by a backtracking search over the words of
the clue file; a pattern that cannot be filled is drawn again. A few puzzles are asked for on
purpose: the most Down words (22), the most Across words (15), the most numbered cells (31), and a
short vertical run of letters that belongs to no Down word.

Every entry of the clue file is checked, used in a puzzle or not: its clue is American English and
gives no word its British sense ("CINEMA: A MOVIE HOUSE", "TIN: A METAL CAN"), a family word names
both sides ("YOUR PARENT'S SISTER", not "YOUR MOTHER'S SISTER"), a relative's clue says how they
are related ("A GIRL IN YOUR FAMILY" fits a cousin as well as a sister), and no two answers share
one clue, which could not tell them apart.
"""

import argparse
import pathlib
import random
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
from american_english import british_sense, british_words  # noqa: E402
from family_words import names_no_relation, one_sided  # noqa: E402

ROWS = 8
COLUMNS = {1: 13, 2: 18}
PUZZLES_PER_LEVEL = 20

# Allowed ranges per puzzle: blocked cells, numbered cells, Down entries, Across entries.
LIMITS = {
    1: {"blocked": (30, 41), "numbered": (14, 26), "down": (7, 14), "across": (8, 15)},
    2: {"blocked": (42, 61), "numbered": (19, 31), "down": (10, 22), "across": (10, 15)},
}
MAX_CLUE_LENGTH = 36
CLUE_CHARACTERS = re.compile(r"[A-Z0-9 %&'(),\-./:=_]+")
ANSWER = re.compile(r"[A-Z]{2,10}")

# How often one answer may appear in the whole table.
MAX_USES = 2

# Puzzles with a required feature, by (level, number).
SPECIAL = {
    (2, 4): {"down": 22},
    (2, 9): {"across": 15},
    (2, 13): {"numbered": 31},
    (2, 17): {"unclued_run": True},
}

ROOT = pathlib.Path(__file__).resolve().parents[2]
CLUE_FILE = pathlib.Path(__file__).resolve().parent / "clues.txt"
OUTPUT = {level: ROOT / "src/activities/crossword" / f"PuzzleTableLevel{level}.cpp" for level in (1, 2)}


def clue_fault(word, clue):
    """What is wrong with an entry of the clue file, used in a puzzle or not, or None."""
    if len(clue) > MAX_CLUE_LENGTH or not CLUE_CHARACTERS.fullmatch(clue):
        return f"clue of {word} is too long or has a character not allowed"
    british = british_words(f"{word} {clue}")
    if british:
        return f"{word}: British English {british}"
    sense = british_sense(word, clue)
    if sense:
        return f"clue of {word} gives its British sense, {sense}"
    side = one_sided(clue)
    if side:
        return f"clue of {word} names {side.upper()} but not the other side of the family"
    if names_no_relation(word, clue):
        return f"clue of {word} says not how the relative is related"
    return None


class Vocabulary:
    """The answers that may be placed, with their clues, indexed by length and letter position."""

    def __init__(self, path):
        self.clue = {}
        self.level = {}
        answer_of_clue = {}
        level = None
        for number, line in enumerate(path.read_text().splitlines(), 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            section = re.fullmatch(r"\[level ([12])\]", line)
            if section:
                level = int(section.group(1))
                continue
            word, sep, clue = line.partition("|")
            where = f"{path.name}:{number}"
            if level is None or not sep:
                sys.exit(f"{where}: expected WORD|CLUE under a [level N] heading")
            if not ANSWER.fullmatch(word):
                sys.exit(f"{where}: answer {word!r} is not 2 to 10 letters A to Z")
            fault = clue_fault(word, clue)
            if fault:
                sys.exit(f"{where}: {fault}")
            if word in self.clue:
                sys.exit(f"{where}: {word} is listed twice")
            if clue in answer_of_clue:
                sys.exit(f"{where}: {word} has the clue of {answer_of_clue[clue]}")
            answer_of_clue[clue] = word
            self.clue[word] = clue
            self.level[word] = level
        self.by_length = {}
        self.index = {}
        for word in sorted(self.clue):
            self.by_length.setdefault(len(word), []).append(word)
            for position, letter in enumerate(word):
                self.index.setdefault((len(word), position, letter), set()).add(word)

    def matching(self, letters):
        """Words that fit a slot whose known letters are given (None where still open)."""
        length = len(letters)
        found = None
        for position, letter in enumerate(letters):
            if letter is not None:
                words = self.index.get((length, position, letter), set())
                found = words if found is None else found & words
                if not found:
                    return []
        if found is None:
            return self.by_length.get(length, [])
        return sorted(found)


# ---------------------------------------------------------------------------------------------
# Grid patterns


def line_runs(cells, first, count, step):
    """Runs of letter cells among count cells from first on, step apart, single cells included:
    (position of the run's first cell along the line, length)."""
    found = []
    k = 0
    while k < count:
        if cells[first + k * step]:
            start = k
            while k < count and cells[first + k * step]:
                k += 1
            found.append((start, k - start))
        else:
            k += 1
    return found


def runs(cells, width):
    """Maximal runs of two or more letter cells: (direction, first cell, length)."""
    found = []
    for r in range(ROWS):
        for start, length in line_runs(cells, r * width, width, 1):
            if length >= 2:
                found.append(("across", r * width + start, length))
    for c in range(width):
        for start, length in vertical_runs(cells, width, c):
            if length >= 2:
                found.append(("down", start * width + c, length))
    return found


def slot_cells(direction, start, length, width):
    step = 1 if direction == "across" else width
    return [start + i * step for i in range(length)]


def vertical_runs(cells, width, c):
    """The runs of letter cells in column c as (first row, length), single cells included."""
    return line_runs(cells, c, ROWS, width)


def block_weight(cells, width, r, c):
    """How welcome a block at cell (r, c) of an Across row is.

    A block where no Down word passes only splits the Across word. One that cuts a Down word
    short is rarely wanted, since it tends to leave Down words of two letters.
    """
    if not cells[r * width + c]:
        return 0.0
    for first, length in vertical_runs(cells, width, c):
        if first <= r < first + length:
            if length == 1:
                return 1.0
            if r in (first, first + length - 1) and length >= 4:
                return 0.3
            return 0.005
    return 0.0


def draw_pattern(level, rng, wanted):
    """A random pattern of letter cells (True) and blocks (False), with the vertical runs that are
    to stay without a Down word as (first cell, length); None if the draw is unusable.

    Across words lie in the rows of one parity. Down words lie in the columns of one parity; in a
    "brick" pattern the parity swaps at one or two chosen rows, so the part below has its Down
    words in the other columns, which gives more and shorter Down words.
    """
    width = COLUMNS[level]
    across_parity = rng.randrange(2)
    down_parity = rng.randrange(2)
    many_down = "down" in wanted or "numbered" in wanted
    if many_down:
        flips = sorted(rng.sample(range(2, ROWS - 1), 2))
    elif rng.random() < 0.35:
        flips = [rng.choice([3, 4, 5])]
    else:
        flips = []

    def in_down_column(r, c):
        return c % 2 == (down_parity + sum(1 for f in flips if f <= r)) % 2

    cells = [r % 2 == across_parity or in_down_column(r, c)
             for r in range(ROWS) for c in range(width)]

    # Split long columns into two words at a row between Across rows; words of 3 letters or more
    # are preferred to words of 2.
    split_chance = 0.7 if many_down else 0.45
    for c in range(width):
        for first, length in vertical_runs(cells, width, c):
            rows = [r for r in range(first + 2, first + length - 2) if r % 2 != across_parity]
            if not rows:
                continue
            short = 0.3 if many_down else 0.02
            weights = [1.0 if min(r - first, first + length - 1 - r) >= 3 else short for r in rows]
            row = rng.choices(rows, weights)[0]
            if rng.random() < split_chance * weights[rows.index(row)]:
                cells[row * width + c] = False

    # Drop some three-letter Down words whose middle cell is the only one no Across word covers.
    if many_down:
        for c in range(width):
            for first, length in vertical_runs(cells, width, c):
                middle = first + 1
                if length == 3 and middle % 2 != across_parity and rng.random() < 0.4:
                    cells[middle * width + c] = False

    many_across = "across" in wanted
    for r in range(across_parity, ROWS, 2):
        row = cells[r * width:(r + 1) * width]
        allowed_pairs = 1 if rng.random() < 0.25 else 0
        for _ in range(50):
            trial = list(row)
            if many_across:
                extra = rng.choice([4, 4, 5])
            else:
                extra = rng.choice([1, 2, 2, 3] if level == 1 else [2, 2, 3, 3])
            weights = [block_weight(cells, width, r, c) for c in range(width)]
            for c in rng.choices(range(width), weights, k=extra):
                trial[c] = False
            segments = [len(s) for s in "".join("x" if t else " " for t in trial).split()]
            if any(length > 10 for length in segments) or segments.count(2) > allowed_pairs:
                continue
            # A block never comes back, so a letter left without a word now stays without one.
            cells[r * width:(r + 1) * width] = trial
            if not uncovered(cells, width):
                row = trial
                break
            cells[r * width:(r + 1) * width] = row
        else:
            return None
        cells[r * width:(r + 1) * width] = row

    if wanted.get("unclued_run"):
        return add_unclued_run(cells, width, across_parity, in_down_column, rng)
    return cells, []


def add_unclued_run(cells, width, across_parity, in_down_column, rng):
    """Opens a three-letter Across word in a row between Across rows, below and above Across words.

    Its middle cell lies in a column without Down words, so it forms a short vertical run with the
    letters above and below that no Down word covers.
    """
    rows = [r for r in range(1, ROWS - 1) if r % 2 != across_parity]
    choices = [(r, c) for r in rows for c in range(1, width - 1)
               if not in_down_column(r, c) and in_down_column(r, c - 1)]
    rng.shuffle(choices)
    for r, c in choices:
        left, middle, right = r * width + c - 1, r * width + c, r * width + c + 1
        above, below = middle - width, middle + width
        # The cell above must be inside an Across word, not its first cell, so it has no number.
        if not (cells[left] and cells[right] and cells[above] and cells[above - 1]):
            continue
        trial = list(cells)
        trial[middle] = True
        # Keep the run short: the cell below the run ends it.
        trial[below] = False
        return trial, [(above, 2)]
    return None


def uncovered(cells, width, slots=None):
    """Letter cells that belong to no slot (by default: to no run of two or more letters)."""
    covered = set()
    for direction, start, length in runs(cells, width) if slots is None else slots:
        covered.update(slot_cells(direction, start, length, width))
    return [i for i, cell in enumerate(cells) if cell and i not in covered]


def describe(cells, width, level, loose):
    """Slots and counts of a pattern, or None if it breaks a rule of the table.

    Every run of two or more letters is a slot, except the vertical runs in loose.
    """
    all_runs = runs(cells, width)
    if any(("down", start, length) not in all_runs for start, length in loose):
        return None
    slots = [run for run in all_runs if run[0] == "across" or (run[1], run[2]) not in loose]
    if any(length > 10 for _, _, length in slots) or uncovered(cells, width, slots):
        return None
    starts = {start for _, start, _ in slots}
    if any(start in starts for start, _ in loose):
        return None
    letters = [i for i, cell in enumerate(cells) if cell]
    if sum(1 for _, _, length in slots if length == 2) > 2:
        return None
    counts = {
        "blocked": len(cells) - len(letters),
        "numbered": len(starts),
        "down": sum(1 for s in slots if s[0] == "down"),
        "across": sum(1 for s in slots if s[0] == "across"),
    }
    for key, (low, high) in LIMITS[level].items():
        if not low <= counts[key] <= high:
            return None
    return slots, counts


def meets(wanted, counts):
    return all(counts[key] == value for key, value in wanted.items() if key != "unclued_run")


# ---------------------------------------------------------------------------------------------
# Filling


class Filler:
    """Backtracking search that puts a word of the vocabulary into every slot of a pattern."""

    def __init__(self, vocabulary, level, uses, rng, slots, width, node_limit=20000):
        self.vocabulary = vocabulary
        self.level = level
        self.uses = uses
        self.slots = [slot_cells(d, s, n, width) for d, s, n in slots]
        self.letters = {}
        self.placed = [None] * len(self.slots)
        self.nodes = 0
        self.node_limit = node_limit
        # A random preference per word, fixed for this attempt, keeps the search reproducible.
        self.preference = {word: rng.random() for word in sorted(vocabulary.clue)}

    def allowed(self, word, in_use):
        if word in in_use or self.uses.get(word, 0) >= MAX_USES:
            return False
        return self.vocabulary.level[word] <= self.level

    def order(self, word):
        # Unused words first; Level 2 puzzles prefer the harder words.
        easier = 1 if self.level == 2 and self.vocabulary.level[word] == 1 else 0
        return (self.uses.get(word, 0), easier + self.preference[word])

    def candidates(self, index, in_use):
        pattern = [self.letters.get(cell) for cell in self.slots[index]]
        return [w for w in self.vocabulary.matching(pattern) if self.allowed(w, in_use)]

    def solve(self):
        self.nodes += 1
        if self.nodes > self.node_limit:
            return False
        open_slots = [i for i, word in enumerate(self.placed) if word is None]
        if not open_slots:
            return True
        in_use = {word for word in self.placed if word}
        best, best_words = None, None
        for i in open_slots:
            words = self.candidates(i, in_use)
            if best_words is None or len(words) < len(best_words):
                best, best_words = i, words
                if not words:
                    return False
        for word in sorted(best_words, key=self.order)[:40]:
            written = []
            for cell, letter in zip(self.slots[best], word):
                if cell not in self.letters:
                    self.letters[cell] = letter
                    written.append(cell)
            self.placed[best] = word
            if self.solve():
                return True
            self.placed[best] = None
            for cell in written:
                del self.letters[cell]
        return False


# ---------------------------------------------------------------------------------------------
# Puzzles


def gives_away(answers, vocabulary):
    """True when a clue names another answer of the same puzzle."""
    for answer in answers:
        words = set(re.findall(r"[A-Z]+", vocabulary.clue[answer]))
        if any(other in words for other in answers if other != answer):
            return True
    return False


def number_text(number):
    return f"  {number}" if number < 10 else str(number)


def build_puzzle(level, number, vocabulary, uses):
    width = COLUMNS[level]
    wanted = SPECIAL.get((level, number), {})
    rng = random.Random(level * 1000 + number)
    for _ in range(20000):
        drawn = draw_pattern(level, rng, wanted)
        if drawn is None:
            continue
        cells, loose = drawn
        described = describe(cells, width, level, loose)
        if described is None:
            continue
        slots, counts = described
        if not meets(wanted, counts):
            continue
        filler = Filler(vocabulary, level, uses, rng, slots, width)
        if filler.solve() and not gives_away(filler.placed, vocabulary):
            return make_entries(level, number, cells, width, slots, filler, vocabulary)
    sys.exit(f"could not fill Level {level} puzzle {number}")


def make_entries(level, number, cells, width, slots, filler, vocabulary):
    starts = sorted({start for _, start, _ in slots})
    numbers = {start: n for n, start in enumerate(starts, 1)}
    pattern = "".join(
        "1" if i in numbers else (" " if cell else "*") for i, cell in enumerate(cells))
    entries = {"down": [], "across": []}
    for (direction, start, _), word in zip(slots, filler.placed):
        entries[direction].append((numbers[start], word, vocabulary.clue[word], start))
    for direction in entries:
        entries[direction].sort()
    return {"level": level, "number": number, "pattern": pattern, **entries}


# ---------------------------------------------------------------------------------------------
# C++ output


def cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write_level(level, puzzles):
    width = COLUMNS[level]
    lines = [
        "// Generated by tools/crossword/generate.py from tools/crossword/clues.txt; do not edit by",
        "// hand: change the clue file or the generator and run it again.",
        "",
        '#include "PuzzleTable.h"',
        "",
        "// One entry a line, one grid row a line.",
        "// clang-format off",
        "",
        "namespace {",
        "",
    ]
    for puzzle in puzzles:
        for direction in ("down", "across"):
            name = f"kPuzzle{puzzle['number']:02d}{direction.capitalize()}"
            lines.append(f"constexpr ClueEntry {name}[] = {{")
            for num, word, clue, start in puzzle[direction]:
                lines.append(
                    f"    {{{cpp_string(number_text(num))}, {cpp_string(word)}, "
                    f"{cpp_string(clue)}, {cpp_string(str(start))}}},")
            lines.append("};")
        lines.append("")
    lines.append("} // namespace")
    lines.append("")
    lines.append(f"constexpr std::array<CrosswordPuzzle, kPuzzlesPerLevel> kLevel{level}Puzzles = {{{{")
    for puzzle in puzzles:
        n = puzzle["number"]
        lines.append(f"    {{{level}, {n},")
        for r in range(ROWS):
            row = puzzle["pattern"][r * width:(r + 1) * width]
            lines.append(f"     {cpp_string(row)}" + ("," if r == ROWS - 1 else ""))
        lines.append(f"     kPuzzle{n:02d}Down, kPuzzle{n:02d}Across}},")
    lines.append("}};")
    lines.append("")
    lines.append(f"static_assert(isWellFormedTable(kLevel{level}Puzzles, {level}));")
    lines.append("")
    lines.append("// clang-format on")
    lines.append("")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="only report whether the committed table files are up to date")
    args = parser.parse_args()

    vocabulary = Vocabulary(CLUE_FILE)
    uses = {}
    outputs = {}
    for level in (1, 2):
        puzzles = []
        for number in range(1, PUZZLES_PER_LEVEL + 1):
            puzzle = build_puzzle(level, number, vocabulary, uses)
            for direction in ("down", "across"):
                for _, word, _, _ in puzzle[direction]:
                    uses[word] = uses.get(word, 0) + 1
            puzzles.append(puzzle)
        outputs[level] = write_level(level, puzzles)

    stale = [path for level, path in OUTPUT.items()
             if not path.exists() or path.read_text() != outputs[level]]
    if args.check:
        for path in stale:
            print(f"out of date: {path.relative_to(ROOT)}")
        return 1 if stale else 0
    for level, path in OUTPUT.items():
        path.write_text(outputs[level])
    print(f"{len(uses)} different answers in {sum(uses.values())} entries")
    return 0


if __name__ == "__main__":
    sys.exit(main())
