"""The clue checks cover every entry of the clue file, and the committed tables hold its clues."""

import pathlib
import re
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generate as crossword  # noqa: E402

# One entry of a committed table: {"number", "ANSWER", "CLUE", "first cell"}.
TABLE_ENTRY = re.compile(r'\{"[ \d]+", "([A-Z]+)", "((?:[^"\\]|\\.)*)", "\d+"\}')


class Checks(unittest.TestCase):
    def test_the_tables_hold_the_clues_of_the_clue_file(self):
        vocabulary = crossword.Vocabulary(crossword.CLUE_FILE)
        for level, path in crossword.OUTPUT.items():
            entries = TABLE_ENTRY.findall(path.read_text())
            with self.subTest(level=level):
                self.assertGreater(len(entries), 100)
                for answer, clue in entries:
                    self.assertEqual(clue.replace('\\"', '"'), vocabulary.clue.get(answer), answer)

    def test_refuses_british_english_and_half_a_family(self):
        cases = [
            ("COD", "FISH OFTEN FRIED WITH CHIPS", "British English ['WITH CHIPS']"),
            ("VACATION", "A HOLIDAY TRIP", "British English ['HOLIDAY TRIP']"),
            ("OATS", "PORRIDGE GRAIN", "British English ['PORRIDGE GRAIN']"),
            ("TYRE", "IT HOLDS THE AIR OF A WHEEL", "British English ['TYRE']"),
            ("CINEMA", "A MOVIE HOUSE", "British sense, a movie theater"),
            ("HOLIDAY", "A BREAK FROM WORK OR SCHOOL", "British sense, time off"),
            ("AUNT", "YOUR MOTHER'S SISTER", "names MOTHER'S but not the other side"),
            ("NIECE", "YOUR SISTER'S DAUGHTER", "names SISTER'S but not the other side"),
            ("COUSIN", "YOUR AUNT'S CHILD", "names AUNT'S but not the other side"),
            ("DILL", "A HERB FOR PICKLES", "British English ['A HERB']"),
            ("TIN", "A METAL CAN", "British sense, a can"),
            ("SISTER", "A GIRL IN YOUR FAMILY", "says not how the relative is related"),
            ("BROTHER", "A BOY IN YOUR FAMILY", "says not how the relative is related"),
        ]
        for answer, clue, fault in cases:
            with self.subTest(answer):
                self.assertIn(fault, crossword.clue_fault(answer, clue) or "")

    def test_lets_american_clues_and_whole_families_stand(self):
        cases = [
            ("HOLIDAY", "THANKSGIVING OR THE FOURTH OF JULY"),
            ("EVE", "THE NIGHT BEFORE A HOLIDAY"),
            ("CINEMA", "FILMMAKING AS AN ART"),
            ("CHIPS", "POTATO ___ AND DIP"),
            ("GRANDCHILD", "A SON'S OR DAUGHTER'S KID"),
            ("UNCLE", "YOUR PARENT'S BROTHER"),
            ("DILL", "AN HERB FOR PICKLES"),
            ("TIN", "A SOFT SILVERY METAL"),
            ("TIN", "A COOKIE ___ OR A MUFFIN ___"),
            ("SISTER", "SHE HAS THE SAME PARENTS AS YOU"),
            ("MOTHER", "A CHILD'S MOM"),
            ("CHILD", "A BOY OR A GIRL"),
            ("KIN", "RELATIVES"),
        ]
        for answer, clue in cases:
            with self.subTest(answer):
                self.assertIsNone(crossword.clue_fault(answer, clue))

    def test_refuses_two_answers_with_one_clue(self):
        def read(entries):
            with tempfile.TemporaryDirectory() as folder:
                path = pathlib.Path(folder) / "clues.txt"
                path.write_text("[level 1]\n" + "".join(f"{entry}\n" for entry in entries))
                return crossword.Vocabulary(path)

        with self.assertRaisesRegex(SystemExit, "RAILROAD has the clue of RAILWAY"):
            read(["RAILWAY|TRAIN TRACKS", "RAILROAD|TRAIN TRACKS"])
        vocabulary = read(["RAILWAY|A COG ___ CLIMBS PIKES PEAK", "RAILROAD|TRAIN TRACKS"])
        self.assertEqual(vocabulary.clue["RAILROAD"], "TRAIN TRACKS")


if __name__ == "__main__":
    unittest.main()
