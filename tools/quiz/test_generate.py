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
            ("How many loaves did Jesus use to feed the five thousand?", "Five", {"five"}),
            ("Which Macedonian king built a great empire as far as India?", "Alexander the Great",
             {"great"}),
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

    def test_a_question_naming_the_answer_of_another_gives_it_away(self):
        cases = [
            ("What do the thirteen stripes on the American flag stand for?",
             ["Thirteen", "Fifty", "Twelve", "Seven"], {"thirteen"}),
            ("Which Shoshone woman was an interpreter for Lewis and Clark's expedition?",
             ["Lewis and Clark", "Marquette and Joliet", "Stanley and Livingstone",
              "Burke and Wills"], {"lewis", "clark"}),
            ("What was the name of the Apollo 11 lunar module?",
             ["Apollo 11", "Apollo 13", "Apollo 8", "Apollo 1"], {"11"}),
            ("What did David use to bring down Goliath?", ["David", "Saul", "Samson", "Jonathan"],
             {"david"}),
            ("In which town was the wedding where Jesus turned water into wine?",
             ["Wine", "Milk", "Oil", "Honey"], {"wine"}),
            ("Who led the Israelites around the walls of Jericho?",
             ["Jericho", "Babylon", "Nineveh", "Damascus"], {"jericho"}),
            ("What was the name of Hagar's son?", ["Hagar", "Bilhah", "Zilpah", "Keturah"],
             {"hagar"}),
            ("What did Rahab hang from her window as a sign?",
             ["Rahab", "Deborah", "Jael", "Delilah"], {"rahab"}),
            ("What is the name of the donkey who is Winnie the Pooh's friend?",
             ["Winnie the Pooh", "Paddington", "Yogi Bear", "Baloo"], {"winnie", "pooh"}),
            ("What is the name of the yodeling cowgirl toy in Toy Story 2?",
             ["Toy Story", "Cars", "Up", "Monsters, Inc."], {"toy", "story"}),
            ("In Fantasia, which character plays the Sorcerer's Apprentice?",
             ["Fantasia", "Pinocchio", "Dumbo", "Bambi"], {"fantasia"}),
        ]
        for question, answers, named in cases:
            with self.subTest(question):
                self.assertEqual(quiz.names_answer(question, answers), named)

    def test_a_question_naming_a_word_of_another_answer_only_gives_nothing_away(self):
        cases = [
            # One word of a longer answer.
            ("Which English king was forced to accept the Magna Carta in 1215?",
             ["Martin Luther King Jr.", "John F. Kennedy", "Malcolm X", "Jesse Jackson"]),
            # A part of a word, and a word that only begins alike.
            ("In Star Trek, what is the name of the starship?",
             ["Ringo Starr", "Paul McCartney", "John Lennon", "George Harrison"]),
            ("In which year did Constantinople fall to the Ottoman Turks?",
             ["Otto von Bismarck", "Kaiser Wilhelm I", "Frederick the Great", "Hindenburg"]),
            # A word every choice holds, and another number.
            ("Which Apollo mission returned safely after an explosion?",
             ["Apollo 11", "Apollo 13", "Apollo 8", "Apollo 1"]),
        ]
        for question, answers in cases:
            with self.subTest(question):
                self.assertEqual(quiz.names_answer(question, answers), set())

    def test_a_level_is_checked_question_by_answer(self):
        david = (8, ["2", "Who killed the giant Goliath?", "David", "Saul", "Samson", "Jonathan"])
        sling = (9, ["2", "What did David use to bring down Goliath?", "A sling and a stone",
                     "A spear", "A bow and arrow", "A sword"])
        self.assertEqual(quiz.faults("bible.txt", [[david, sling]], [2]),
                         ["bible.txt:9: the question names the answer of line 8 ['david']"])
        # A level's questions are all asked before one comes again; another level's are not.
        self.assertEqual(quiz.faults("bible.txt", [[david], [sling]], [1, 1]), [])

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
