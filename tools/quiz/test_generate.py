"""The question checks refuse a question that gives its answer away, whole or in part."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generate as quiz  # noqa: E402


class Checks(unittest.TestCase):
    def test_the_shipped_sources_pass_and_the_files_are_current(self):
        for source, output, capacity in quiz.TOPICS:
            with self.subTest(source):
                levels = quiz.read_levels(quiz.HERE / source)
                self.assertEqual(quiz.faults(source, levels, capacity), [])
                self.assertEqual((quiz.ROOT / "data" / output).read_bytes(), quiz.render(levels))

    def test_a_question_naming_its_answer_in_any_form_gives_it_away(self):
        cases = [
            ("What kind of animal is Donald Duck?", "A duck", {"duck"}),
            ("Which Sesame Street character loves cookies?", "Cookie Monster", {"cookie"}),
            ("Which film features toys that come to life?", "Toy Story", {"toy"}),
            ("What was the nickname of Arthur Fonzarelli?", "The Fonz", {"fonz"}),
            ("What is the name of the Flintstones' pet dinosaur?", "Dino", {"dino"}),
            ("What is the deepest known point in the oceans?", "The Challenger Deep", {"deep"}),
            ("Who baptized Jesus?", "John the Baptist", {"baptist"}),
            ("Which family lives in the Stone Age town of Bedrock?", "The Flintstones",
             {"flintstones"}),
            ("After which explorer were the Americas named?", "Amerigo Vespucci", {"amerigo"}),
            ("At which courthouse did Lee surrender?", "Appomattox Court House",
             {"court", "house"}),
            ("Which berries grow on a blueberry bush?", "Blueberries", {"blueberries"}),
        ]
        for question, correct, named in cases:
            with self.subTest(question):
                answers = [correct, "Big Bird", "Grover", "Oscar the Grouch"]
                self.assertEqual(quiz.gives_away(question, answers), named)

    def test_words_that_only_look_alike_or_that_a_wrong_answer_shares_give_nothing_away(self):
        cases = [
            # A short word inside a longer one is no part of it.
            ("Which hero is known as the Man of Steel?", ["Superman", "Batman", "Aquaman", "Thor"]),
            ("Who wore a red cap?", ["Captain Hook", "Peter Pan", "Wendy", "Tinker Bell"]),
            # Every choice holds the word, so it points at none of them.
            ("Which river flows through Egypt?", ["The Nile River", "The Amazon River",
                                                  "The Congo River", "The Niger River"]),
            ("Which ocean lies between Africa and Australia?", ["The Indian", "The Pacific",
                                                                "The Arctic", "The Atlantic"]),
        ]
        for question, answers in cases:
            with self.subTest(question):
                self.assertEqual(quiz.gives_away(question, answers), set())

    def test_faults_name_the_line_and_the_kind(self):
        levels = [[(3, ["2", "What pulls things towards the Earth?", "Gravity", "Magnetism",
                        "Friction", "Heat"]),
                   (4, ["2", "Which toys come to life?", "Toy Story", "Cars", "Up", "Antz"])]]
        found = quiz.faults("anything.txt", levels, [2])
        self.assertEqual(len(found), 2, found)
        self.assertIn("anything.txt:3: British English ['towards']", found)
        self.assertIn("anything.txt:4: the question gives its answer away {'toy'}", found)


if __name__ == "__main__":
    unittest.main()
