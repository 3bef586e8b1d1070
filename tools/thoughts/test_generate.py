"""The thought checks refuse one thought, or one joke, told twice in other words."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generate as thoughts  # noqa: E402


class Checks(unittest.TestCase):
    def test_the_shipped_files_are_what_the_sources_give(self):
        for name, content in thoughts.files().items():
            with self.subTest(name):
                self.assertEqual((thoughts.DATA / name).read_bytes(), content)

    def test_refuses_a_second_entry_on_a_subject_that_may_stand_once(self):
        cases = [
            ("general.txt", "Fall seven times, stand up eight.",
             "Strength lies not in never falling, but in rising every time we fall."),
            ("general.txt", "Where there is a will, there is a way.",
             "Nothing is impossible to a willing heart."),
            ("general.txt", "A stitch in time saves nine.",
             "An ounce of prevention is worth a pound of cure."),
            ("general.txt", "A kind word costs nothing and is worth a great deal.",
             "No act of kindness, however small, is ever wasted."),
            ("general.txt", "Say please, say thank you, and the world opens its doors.",
             "Gentle words open hard doors."),
            ("humorous.txt", "What do you call a sleeping dinosaur? | A dino-snore.",
             "What do you call a sleepy bull? | A bulldozer."),
            ("humorous.txt", "Why did the teddy bear say no to dessert? | Because she was stuffed.",
             "Why did the moon skip dinner? | Because it was full."),
        ]
        for name, first, second in cases:
            with self.subTest(second):
                found = thoughts.subject_faults(name, [(1, first), (2, second)])
                self.assertEqual(len(found), 1, found)
                self.assertIn("lines [1, 2]", found[0])

    def test_lets_different_thoughts_on_neighboring_words_stand(self):
        cases = [
            ("general.txt", ["Fall seven times, stand up eight.",
                             "The apple doesn't fall far from the tree.",
                             "Rise early, work hard, and be kind."]),
            ("general.txt", ["Where there is a will, there is a way.",
                             "Sow kindness and you will reap friendship."]),
            ("general.txt", ["A kind word costs nothing and is worth a great deal.",
                             "One kind word can warm three winter months.",
                             "Waste not, want not."]),
            ("general.txt", ["Say please, say thank you, and the world opens its doors.",
                             "When one door closes, another one opens."]),
            ("humorous.txt", ["What do you call a sleeping dinosaur? | A dino-snore.",
                              "What runs but never gets tired? | A river."]),
        ]
        for name, texts in cases:
            with self.subTest(texts[-1]):
                self.assertEqual(thoughts.subject_faults(name, list(enumerate(texts, 1))), [])


if __name__ == "__main__":
    unittest.main()
