"""The birthyear checks refuse each way one piece of news comes to be told twice."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import make_birthyear_file as birthyear  # noqa: E402

# Long enough for the 150-byte floor. Its words stand in every year of a fixture, as everyday
# words of news do in the shipped texts, so they name no subject.
PADDING = (" Families gather around the radio in the evening to hear music, news and comedy shows,"
           " and children play outdoors until the streetlights come on.")
EVERYDAY = {year: (PADDING * 2, PADDING * 2) for year in range(1800, 1800 + birthyear.FRAME_YEARS)}


def texts(serious, lighter):
    return (serious + PADDING, lighter + PADDING)


class Checks(unittest.TestCase):
    def faults(self, years):
        return birthyear.faults({**EVERYDAY, **years})

    def test_the_shipped_texts_pass_and_the_file_is_current(self):
        years = birthyear.read_years()
        self.assertEqual(birthyear.faults(years), [])
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
            ("a span that reaches to 2004",
             {1918: texts("Congress meets.", "The Boston Red Sox win the World Series, their last "
                          "for 86 years.")},
             "'for 86 years'"),
            ("a span that reaches decades on",
             {1931: texts("The Empire State Building opens in New York, the tallest building in the "
                          "world for four decades.", "Kids play.")},
             "'for four decades'"),
            ("what the news leads to",
             {1946: texts("Congress meets.", "The Basketball Association of America, forerunner of "
                          "the NBA, is founded.")},
             "'forerunner of'"),
            ("a famine on both sides, named as news and as the cause of a song",
             {1984: texts("A famine in Ethiopia moves the world to help.", "Do They Know It's "
                          "Christmas? raises money for famine relief.")},
             "both sides name famine"),
            ("a flight on one side and its astronauts on the other",
             {1961: texts("Yuri Gagarin becomes the first person in space, and Alan Shepard the "
                          "first American weeks later.", "The Mercury astronauts become national "
                          "heroes.")},
             "both sides name Shepard"),
            ("one lockdown told in other words on each side",
             {2020: texts("The pandemic spreads; schools close and people stay home to slow it.",
                          "Families bake bread and meet on video calls while staying at home.")},
             "both sides name stay"),
            ("a team by its full name, then by its short one",
             {1979: texts("Congress meets.", "The Pittsburgh Steelers win their third Super Bowl."),
              1980: texts("Congress meets.", "The Steelers win their fourth Super Bowl.")},
             "names Steelers twice"),
            ("one game in neighbouring years",
             {1998: texts("Congress meets.", "The Pokémon Red and Blue video games reach America."),
              1999: texts("Congress meets.", "Pokémon becomes a worldwide craze.")},
             "names Pokémon twice"),
            ("famine-relief music, then the famine-relief concerts",
             {1984: texts("Congress meets.", "Do They Know It's Christmas? raises money for famine "
                          "relief."),
              1985: texts("Congress meets.", "Live Aid concerts in London and Philadelphia raise "
                          "money for Africa.")},
             "names money twice"),
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
            ("news that looks back over the years", {
                1901: texts("Queen Victoria dies after 63 years on the throne.", "Kids play."),
                1990: texts("Nelson Mandela is freed after 27 years in prison.", "Kids play.")}),
            ("one word of two teams' names", {
                2004: texts("Congress meets.", "The Boston Red Sox sweep the Cardinals."),
                2005: texts("Congress meets.", "The Chicago White Sox beat Houston.")}),
            ("two people of one short first name", {
                1964: texts("Congress meets.", "The Beatles appear on the Ed Sullivan Show."),
                1965: texts("Congress meets.", "Astronaut Ed White walks in space.")}),
            ("the first American of each kind", {
                1962: texts("John Glenn becomes the first American to orbit the Earth.", "Kids."),
                1983: texts("Sally Ride becomes the first American woman in space.", "Kids.")}),
        ]
        for what, years in cases:
            with self.subTest(what):
                self.assertEqual(self.faults(years), [])

    def test_the_lighter_side_tells_no_death_and_no_serious_subject(self):
        cases = [
            ("Harry Houdini, the great escape artist, dies on Halloween.", "'dies'"),
            ("Glenn Miller's band plays for troops before the bandleader disappears over the "
             "English Channel.", "'disappears'"),
            ("Buddy Holly, Ritchie Valens and the Big Bopper die in a plane crash.", "'die'"),
            ("Michael Jackson dies.", "'dies'"),
            ("Alcoholics Anonymous is founded.", "'Alcoholics Anonymous'"),
        ]
        for lighter, fault in cases:
            with self.subTest(lighter):
                found = self.faults({1950: texts("Congress meets.", lighter)})
                self.assertTrue(any(f"lighter: {fault} is news of the Serious Side" in f
                                    for f in found), found)
                self.assertEqual(self.faults({1950: texts(lighter, "Kids play.")}), [])
        self.assertEqual(self.faults({1981: texts("Congress meets.", "MTV begins with the video "
                                                  "Video Killed the Radio Star.")}), [])

    def test_names_keep_their_accents_in_windows_1252(self):
        cases = [
            ("Mount Pelee erupts on Martinique.", "Pelée"),
            ("Pele scores in the World Cup.", "Pelé"),
            ("Louis Bleriot flies across the Channel.", "Blériot"),
            ("Hitler takes the title of Fuhrer.", "Führer"),
            ("Nescafe instant coffee is introduced.", "Nescafé"),
            ("Laszlo Biro patents his ballpoint pen.", "László"),
            ("Laszlo Biro patents his ballpoint pen.", "Bíró"),
            ("Pokemon becomes a worldwide craze.", "Pokémon"),
        ]
        for plain, accented in cases:
            with self.subTest(plain):
                found = self.faults({1950: texts(plain, "Kids play.")})
                self.assertTrue(any(f"is written {accented}" in f for f in found), found)
        written = texts("Pelé, Blériot, Führer, Nescafé, László Bíró.", "Pokémon is a craze.")
        self.assertEqual(self.faults({1950: written}), [])
        years = {year: texts("Congress meets.", "Kids play.") for year in range(1900, 2026)}
        years[1950] = written
        record = birthyear.render(years)[50 * 1100:51 * 1100]
        self.assertTrue(record.startswith("Pel\xe9, Bl\xe9riot, F\xfchrer, Nescaf\xe9, "
                                          "L\xe1szl\xf3 B\xedr\xf3.".encode("latin-1")))
        self.assertIn(b"Pok\xe9mon is a craze.", record)
        self.assertIn(b"L\xe1szl\xf3 B\xedr\xf3", birthyear.OUTPUT.read_bytes())

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
