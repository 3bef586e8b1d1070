"""The birthyear checks refuse each way one piece of news comes to be told twice."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import make_birthyear_file as birthyear  # noqa: E402

# Long enough for the 150-byte floor, and naming nothing.
PADDING = (" Families gather around the radio in the evening to hear music, news and comedy shows,"
           " and children play outdoors until the streetlights come on.")


def texts(serious, lighter):
    return (serious + PADDING, lighter + PADDING)


class Checks(unittest.TestCase):
    def faults(self, years):
        return birthyear.faults(years)

    def test_the_shipped_texts_pass_and_the_file_is_current(self):
        years = birthyear.read_years()
        self.assertEqual(self.faults(years), [])
        self.assertEqual(birthyear.OUTPUT.read_bytes(), birthyear.render(years))

    def test_refuses_each_way_one_piece_of_news_is_told_twice(self):
        plain = texts("Congress meets in Washington.", "Kids play jacks on the sidewalk.")
        cases = [
            ("a text reaching into the next year",
             {1911: texts("A revolution begins in China; early the next year it makes China a "
                          "republic.", "Kids play jacks."), 1912: plain},
             "'next year'"),
            ("a text foretelling a later event",
             {1992: texts("Leaders sign a treaty which will create the European Union.", "Kids "
                          "play."), 1993: plain},
             "'will'"),
            ("a text telling an event of years later",
             {1911: texts("Congress meets.", "The Mona Lisa is stolen; it is found two years "
                          "later."), 1912: plain},
             "'two years later'"),
            ("one comet on both sides of a year",
             {1910: texts("Halley's Comet returns.", "Mark Twain dies as Halley's Comet passes."),
              1911: plain},
             "both sides name Halley"),
            ("one film in neighbouring years",
             {2021: texts("Congress meets.", "Disney's Encanto opens in November."),
              2022: texts("Congress meets.", "Encanto's song We Don't Talk About Bruno is a hit.")},
             "names Encanto twice"),
            ("a name that opens a sentence",
             {2021: texts("Congress meets.", "The word game Wordle is released."),
              2022: texts("Congress meets.", "Wordle becomes a daily habit.")},
             "names Wordle twice"),
            ("two years that each tell of the first restaurant of a chain",
             {1940: texts("Congress meets.", "The first McDonald's restaurant opens."),
              1948: texts("Congress meets.", "The first McDonald's hamburger stand opens.")},
             "first McDonald's"),
        ]
        for what, years, fault in cases:
            with self.subTest(what):
                found = self.faults(years)
                self.assertTrue(any(fault in f for f in found), found)

    def test_lets_news_that_is_truly_different_stand(self):
        cases = [
            ("a nation named in neighbouring years is no subject of its own", {
                year: texts(f"China holds talks with Japan in {year}.", "Kids play.")
                for year in range(1930, 1930 + birthyear.FRAME_YEARS)}),
            ("a story of two Serious Sides: a president takes office, then is elected", {
                1923: texts("Calvin Coolidge becomes President.", "Kids play."),
                1924: texts("Calvin Coolidge is elected to a full term.", "Kids play.")}),
            ("a listed subject: the Olympics put off, then held", {
                2020: texts("Congress meets.", "The Tokyo Olympics are postponed."),
                2021: texts("Congress meets.", "The Tokyo Olympics are held a year late.")}),
            ("news of the same week", {
                1961: texts("Yuri Gagarin orbits the Earth; Alan Shepard follows weeks later.",
                            "Kids play.")}),
            ("a team's first title is its own", {
                1991: texts("Congress meets.", "The Bulls win their first NBA title."),
                2023: texts("Congress meets.", "The Nuggets win their first NBA title.")}),
            ("the first American of each kind", {
                1962: texts("John Glenn becomes the first American to orbit the Earth.", "Kids."),
                1983: texts("Sally Ride becomes the first American woman in space.", "Kids.")}),
        ]
        for what, years in cases:
            with self.subTest(what):
                self.assertEqual(self.faults(years), [])

    def test_refuses_british_english_and_texts_outside_their_field(self):
        cases = [
            ("British English", texts("The colour of the sky.", "Kids play."), "British"),
            ("too short", ("Congress meets in Washington.", "Kids play." + PADDING), "bytes"),
            ("too long", texts("Congress meets." * 40, "Kids play."), "bytes"),
            ("a character of no code page", texts("Congress meets \u2192 adjourns.", "Kids."),
             "Windows-1252"),
        ]
        for what, year, fault in cases:
            with self.subTest(what):
                found = self.faults({1950: year})
                self.assertTrue(any(fault in f for f in found), found)


if __name__ == "__main__":
    unittest.main()
