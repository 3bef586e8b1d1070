#!/usr/bin/env python3
"""Writes the knowledge tic-tac-toe question files in data/ from the sources in tools/quiz/.

Run from anywhere (Python 3 standard library only):

    python3 tools/quiz/generate.py          # check the sources, then write the four files
    python3 tools/quiz/generate.py --check  # check, and report whether data/ is up to date

Each source holds four levels, easiest first, each opened by a line "# Level n". Every other
non-blank line that does not start with "#" is one question:

    type|question|correct answer|wrong answer|wrong answer|wrong answer

The type is 1 for a question that needs its choices to make sense ("Which of these..."), else 2.
The written file has one record a line, CR LF, both fields quoted:

    "2Who built the ark?","*Noah*Moses*Abraham*David*"

Levels 1 to 3 each end with the record "END","*END*"; level 4 runs to the end of the file.
The checks refuse British spellings (the program speaks American English) and a question that
names its own answer ("What kind of animal is Donald Duck?"), whole or in part: the same word in
another form ("cookies": Cookie Monster, "deepest": Challenger Deep), a part of a word ("dinosaur":
Dino, "Stone Age": The Flintstones) or a shared start of five letters ("baptized": John the
Baptist, "Americas": Amerigo). A word a wrong answer shares as well gives nothing away. A level's
questions are all asked before any comes again, so a question also may not name the answer of
another question of its level ("What did David use to bring down Goliath?" tells who killed him):
it names it when it holds every word that sets that answer apart from its wrong answers, in any
form ("Apollo 11" is set apart by "11").
CI never runs this tool; its output is committed and checked again by the quiz content test.
"""

import argparse
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
HERE = ROOT / "tools" / "quiz"
sys.path.insert(0, str(ROOT / "tools"))
from american_english import british_words  # noqa: E402
from word_forms import stems  # noqa: E402

# Source, question file and the number of questions each level holds (its capacity).
TOPICS = [
    ("bible.txt", "NTSCTXT.Fil", [60, 59, 59, 60]),
    ("showbiz.txt", "OTTXT.Fil", [37, 37, 37, 38]),
    ("history.txt", "HISTXT.FIL", [44, 65, 45, 49]),
    ("anything.txt", "DCTXT2.Fil", [51, 51, 54, 52]),
]
MAX_ANSWER = 40
# Words too common to give an answer away. A number or an adjective does name one: "feed the five
# thousand" tells "Five" loaves, "a great empire" tells Alexander the Great.
LITTLE_WORDS = {"the", "and", "for", "with", "from", "his", "her", "its", "what"}
MAX_SHOWN = 254  # the question with its answers joined, as shown without choices


def read_levels(source):
    levels = []
    for number, line in enumerate(source.read_text(encoding="ascii").splitlines(), start=1):
        if line.startswith("# Level"):
            levels.append([])
        elif line.strip() and not line.startswith("#"):
            parts = line.split("|")
            levels[-1].append((number, parts))
    return levels


SHORTEST_PART = 4  # a part of a word this long names it ("Fonz" in "Fonzarelli")
SHARED_START = 5  # words that begin with this many letters alike are one word ("Americas", "Amerigo")


def significant_words(text):
    """Words of three letters or more, and numbers ("Apollo 11")."""
    return set(re.findall(r"[a-z]{3,}|\d+", text.lower())) - LITTLE_WORDS


def related(first, second):
    """Whether two words are one word for a player: a stem of one equals, holds or begins like a
    stem of the other."""
    for one in stems(first):
        for other in stems(second):
            shorter, longer = sorted((one, other), key=len)
            if shorter == longer or (len(shorter) >= SHORTEST_PART and shorter in longer):
                return True
            if len(shorter) >= SHARED_START and one[:SHARED_START] == other[:SHARED_START]:
                return True
    return False


def gives_away(question, answers):
    """Words of the correct answer that a word of the question names, unless that question word
    names a word of a wrong answer too."""
    correct, *wrong = answers
    wrong_words = significant_words(" ".join(wrong))
    named = set()
    for asked in significant_words(question):
        if any(related(asked, word) for word in wrong_words):
            continue
        named |= {word for word in significant_words(correct) if related(asked, word)}
    return named


def names_answer(question, answers):
    """The words that set the correct answer apart from the wrong ones, when the question names
    every one of them in some form; else an empty set. Only whole words count here: a question on
    a king names no "Martin Luther King Jr.", nor one on a star "Ringo Starr"."""
    correct, *wrong = answers
    wrong_words = significant_words(" ".join(wrong))
    apart = {word for word in significant_words(correct)
             if not any(stems(word) & stems(other) for other in wrong_words)}
    asked = significant_words(question)
    if apart and all(any(stems(word) & stems(other) for other in asked) for word in apart):
        return apart
    return set()


def normalised(text):
    return " ".join(text.lower().replace("?", "").split())


def faults(name, levels, capacity):
    found = []
    if len(levels) != len(capacity):
        return [f"{name}: {len(levels)} levels, not {len(capacity)}"]
    seen = {}
    for level, (entries, wanted) in enumerate(zip(levels, capacity), start=1):
        where = f"{name} level {level}"
        if len(entries) != wanted:
            found.append(f"{where}: {len(entries)} questions, not {wanted}")
        plain = 0
        for line, parts in entries:
            at = f"{name}:{line}"
            if len(parts) != 6:
                found.append(f"{at}: {len(parts)} fields, not 6")
                continue
            kind, question, *answers = parts
            if kind not in ("1", "2"):
                found.append(f"{at}: type {kind!r} is not 1 or 2")
            plain += kind == "2"
            text = kind + question + "".join(answers)
            if not text.isascii() or '"' in text or "*" in text or "\t" in text:
                found.append(f"{at}: not plain ASCII, or holds a double quote or asterisk")
            british = british_words(" ".join([question, *answers]))
            if british:
                found.append(f"{at}: British English {british}")
            if question != question.strip() or not question or question == "END":
                found.append(f"{at}: question is empty or padded")
            for answer in answers:
                if not answer or answer != answer.strip() or len(answer) > MAX_ANSWER:
                    found.append(f"{at}: answer {answer!r} empty, padded or over {MAX_ANSWER}")
            if len({a.lower() for a in answers}) != 4:
                found.append(f"{at}: answers not distinct")
            named = gives_away(question, answers)
            if named:
                found.append(f"{at}: the question gives its answer away {named}")
            correct = answers[0].lower()
            for wrong in answers[1:]:
                if wrong.lower().endswith(correct):
                    found.append(f"{at}: wrong answer {wrong!r} ends with the correct one")
            shown = question + "\r" + ", ".join(answers)
            if len(shown) > MAX_SHOWN:
                found.append(f"{at}: {len(shown)} characters shown without choices")
            key = normalised(question)
            if key in seen:
                found.append(f"{at}: the same question as line {seen[key]}")
            seen[key] = line
        for line, parts in entries:
            for other, other_parts in entries:
                if other != line and len(parts) == 6 and len(other_parts) == 6:
                    named = names_answer(parts[1], other_parts[2:])
                    if named:
                        found.append(f"{name}:{line}: the question names the answer of line "
                                     f"{other} {sorted(named)}")
        if entries and plain * 4 < len(entries):
            found.append(f"{where}: only {plain} of {len(entries)} questions of type 2")
    return found


def render(levels):
    lines = []
    for level, entries in enumerate(levels, start=1):
        for _, (kind, question, *answers) in entries:
            lines.append(f'"{kind}{question}","*{"*".join(answers)}*"')
        if level < len(levels):
            lines.append('"END","*END*"')
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="write nothing")
    parser.add_argument("topics", nargs="*", help="source names to handle (default: all)")
    args = parser.parse_args()
    status = 0
    for source, output, capacity in TOPICS:
        if args.topics and source not in args.topics:
            continue
        levels = read_levels(HERE / source)
        problems = faults(source, levels, capacity)
        for problem in problems:
            print(problem, file=sys.stderr)
        if problems:
            status = 1
            continue
        target = ROOT / "data" / output
        bytes_ = render(levels)
        if args.check:
            if not target.exists() or target.read_bytes() != bytes_:
                print(f"{target} is not up to date", file=sys.stderr)
                status = 1
        else:
            target.write_bytes(bytes_)
            print(f"wrote {target} ({sum(len(e) for e in levels)} questions)")
    return status


if __name__ == "__main__":
    sys.exit(main())
