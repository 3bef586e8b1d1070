"""The word checks refuse a hint that gives its word away in any form, or that gives a word only
half its meaning."""

import collections
import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generate as scrambler  # noqa: E402


class Checks(unittest.TestCase):
    @unittest.skipUnless(scrambler.WORD_LIST.exists(), "needs the wamerican word list")
    def test_the_shipped_words_pass_and_the_file_is_current(self):
        levels = scrambler.read_levels()
        self.assertEqual(scrambler.faults(levels, scrambler.anagram_index()), [])
        self.assertEqual(scrambler.OUTPUT.read_bytes(), scrambler.render(levels))

    def test_a_hint_naming_its_word_or_a_part_of_it_in_any_form_gives_it_away(self):
        cases = [
            ("HOMEWORK", "Work you take home from school"),
            ("HOMEWORK", "School works to do after supper"),
            ("TOOTHBRUSH", "Clean your teeth with it"),
            ("GRANDMOTHER", "Your mom's or dad's mom"),
            ("GRANDFATHER", "Your mom's or dad's dad"),
            ("FOOTBALL", "Kick it with your feet"),
            ("CUPCAKE", "A little cake baked in a paper cup"),
        ]
        for word, hint in cases:
            with self.subTest(word=word, hint=hint):
                self.assertTrue(scrambler.gives_away(word, hint))

    def test_a_hint_with_no_part_of_its_word_gives_nothing_away(self):
        cases = [
            ("TOOTHBRUSH", "Scrub your smile with it twice a day"),
            ("GRANDMOTHER", "She is a parent of your parent"),
            ("HAND", "You wave it and clap with it"),  # "and" is too little to count
            ("CARPET", "A soft floor covering for a room"),
        ]
        for word, hint in cases:
            with self.subTest(word=word, hint=hint):
                self.assertFalse(scrambler.gives_away(word, hint))

    def test_refuses_a_hint_of_one_side_of_the_family_or_of_a_british_sense(self):
        levels = [[("CUP", "You drink hot tea from this")] for _ in scrambler.CAPACITY]
        levels[0].append(("AUNT", "Your mother's sister"))
        levels[0].append(("NIECE", "Your brother's or sister's girl"))
        levels[5].append(("HOLIDAY", "A break from work or school"))
        found = scrambler.faults(levels, collections.defaultdict(set))
        self.assertIn("AUNT: the hint names mother's but not the other side", found)
        self.assertIn("HOLIDAY: the hint gives its British sense, time off", found)
        self.assertFalse([fault for fault in found if fault.startswith("NIECE")], found)


if __name__ == "__main__":
    unittest.main()
