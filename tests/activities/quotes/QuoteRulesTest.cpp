#include "QuoteRules.h"
#include "FakePlatform.h"
#include "NumericValue.h"
#include "QuoteTable.h"
#include "WordEntryRules.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace QuoteRules;

namespace {

QuoteState loadedState() {
    QuoteState state;
    loadQuoteTable(state);
    return state;
}

// The boxes of a quote at a number of words per box, as a start makes them.
QStringList boxesOf(const QuoteState& state, int quote, int perBox) {
    const int n = numericValue(state.QuoteWordCount.at(std::size_t(quote)));
    return groupWords(splitWords(state.QuoteText.at(std::size_t(quote)), n), perBox);
}

std::vector<JudgedBox> boxesReading(const QStringList& captions) {
    std::vector<JudgedBox> boxes;
    for (const QString& caption : captions) {
        boxes.push_back(JudgedBox{caption, {}, -1, -1});
    }
    return boxes;
}

class EveryQuote : public ::testing::TestWithParam<int> {};

TEST_P(EveryQuote, KeepsTheFormatTheActivityReliesOn) {
    static const int wordCounts[] = {28, 16, 14, 10, 19, 15, 42, 7,  22, 17, 28, 14, 16, 20,
                                     15, 30, 12, 11, 23, 11, 10, 17, 13, 13, 27, 13, 20, 12,
                                     8,  21, 10, 16, 13, 15, 29, 10, 13, 7,  9,  12, 13, 18};
    const int quote = GetParam();
    const QuoteState state = loadedState();
    const QString text = state.QuoteText.at(std::size_t(quote));
    const int n = wordCounts[quote - 1];
    EXPECT_EQ(state.QuoteWordCount.at(std::size_t(quote)), QString::number(n));
    // Framed by "*", one "*" between two words, only characters the word-entry keys can type: no
    // box can ever read "Perfect!".
    EXPECT_TRUE(QRegularExpression(R"(^\*([A-Za-z,;.:'()\-]+\*)+$)").match(text).hasMatch())
        << text.toStdString();
    EXPECT_EQ(text.count('*'), n + 1);
    EXPECT_GE(text.size(), 34);
    EXPECT_LE(text.size(), 207);
    EXPECT_EQ(splitWords(text, n).size(), n);
    EXPECT_TRUE(QRegularExpression(R"(^[A-Z][A-Za-z'. ]+( #[12])?$)")
                    .match(state.QuoteAuthor.at(std::size_t(quote)))
                    .hasMatch());
    // Every word-entry grouping hides at least this many words of every quote.
    const std::map<int, int> leastHidden{{1, 1}, {2, 3}, {35, 2}, {5, 2}, {6, 5}, {9, 7}};
    for (const auto& [grouping, least] : leastHidden) {
        const QStringList words = splitWords(text, n);
        const auto hidden = std::count_if(words.begin(), words.end(), [&](const QString& word) {
            return WordEntryRules::isHidden(word, grouping);
        });
        EXPECT_GE(hidden, least) << "grouping " << grouping;
    }
}

INSTANTIATE_TEST_SUITE_P(QuoteTable, EveryQuote, ::testing::Range(1, kQuoteCount + 1));

TEST(QuoteTable, APersonWithTwoQuotesIsNumberedOneAndTwo) {
    const QuoteState state = loadedState();
    std::map<QString, QStringList> byPerson;
    for (int quote = 1; quote <= kQuoteCount; ++quote) {
        const QString label = state.QuoteAuthor.at(std::size_t(quote));
        byPerson[label.section(" #", 0, 0)].append(label);
    }
    for (const auto& [person, labels] : byPerson) {
        if (labels.size() > 1) {
            EXPECT_EQ(labels, (QStringList{person + " #1", person + " #2"}));
        } else {
            EXPECT_EQ(labels, QStringList{person});
        }
    }
    EXPECT_EQ(state.QuoteText.at(0), "");
    EXPECT_EQ(state.QuoteText.at(43), "");
}

TEST(Grouping, WordsAreGroupedIntoBoxesWithTheLastPaddedByBlanks) {
    const QuoteState state = loadedState();
    const struct {
        int quote;
        int perBox;
        int boxes;
        QString last;
    } cases[] = {
        {8, 3, 3, "divine.  "}, {12, 2, 7, "of Giants."}, {38, 4, 2, "not worth living. "},
        {42, 1, 18, "know."},   {42, 2, 9, "to know."},   {7, 1, 42, "peace."},
    };
    for (const auto& c : cases) {
        const QStringList boxes = boxesOf(state, c.quote, c.perBox);
        EXPECT_EQ(boxes.size(), c.boxes) << c.quote << " at " << c.perBox;
        EXPECT_EQ(boxes.last(), c.last) << c.quote << " at " << c.perBox;
    }
    EXPECT_EQ(boxesOf(state, 8, 3).first(), "To err is");
    EXPECT_EQ(boxWidth(9435, 1), 1248);
    EXPECT_EQ(boxesPerRow(1), 7);
    EXPECT_EQ(boxWidth(9435, 4), 4618);
}

TEST(QuoteOrder, InOrderRunsOneToFortyTwoAndStartsOver) {
    FakePlatform fake;
    QuoteState state = loadedState();
    setQuoteOrder(state, 0, fake.random);
    QList<int> played;
    for (int start = 0; start < 43; ++start) {
        EXPECT_FALSE(allShownTest(state));
        chooseNextQuote(state, fake.random);
        played.append(state.QuoteNumber);
    }
    EXPECT_EQ(played.first(), 1);
    EXPECT_EQ(played.at(41), 42);
    EXPECT_EQ(played.last(), 1);
}

TEST(QuoteOrder, RandomOrderShowsAllFortyTwoThenSaysSoAndStartsOver) {
    LegacyRandom random;
    QuoteState state = loadedState();
    setQuoteOrder(state, 1, random);
    std::set<int> played;
    for (int start = 0; start < 42; ++start) {
        ASSERT_FALSE(allShownTest(state));
        chooseNextQuote(state, random);
        played.insert(state.QuoteNumber);
    }
    EXPECT_EQ(played.size(), 42u);
    EXPECT_EQ(*played.begin(), 1);
    EXPECT_EQ(*played.rbegin(), 42);
    EXPECT_TRUE(allShownTest(state));
    chooseNextQuote(state, random);
    EXPECT_EQ(state.ShownCount, 1);
}

TEST(QuoteOrder, TheHighestDrawStillGivesQuoteFortyTwo) {
    FakePlatform fake;
    QuoteState state = loadedState();
    setQuoteOrder(state, 1, fake.random);
    fake.random.draws = {0.99999999};
    chooseNextQuote(state, fake.random);
    EXPECT_EQ(state.QuoteNumber, 42);
}

TEST(QuoteOrder, SelectKeepsTheChosenQuote) {
    FakePlatform fake;
    QuoteState state = loadedState();
    setQuoteOrder(state, 2, fake.random);
    EXPECT_EQ(state.QuoteNumber, 1);
    state.QuoteNumber = 17;
    chooseNextQuote(state, fake.random);
    chooseNextQuote(state, fake.random);
    EXPECT_EQ(state.QuoteNumber, 17);
    // Leaving random order for another and back forgets the quotes shown.
    setQuoteOrder(state, 1, fake.random);
    state.ShownCount = 5;
    setQuoteOrder(state, 0, fake.random);
    setQuoteOrder(state, 1, fake.random);
    EXPECT_EQ(state.ShownCount, 0);
}

TEST(Shuffle, DistinctTextsNeverStartInTheirOwnBox) {
    LegacyRandom random;
    QuoteState state = loadedState();
    for (int round = 0; round < 200; ++round) {
        const QStringList words = boxesOf(state, 8 + round % 30, 1);
        state.BoxCount = int(words.size());
        for (int box = 0; box < state.BoxCount; ++box) {
            state.CorrectText.at(std::size_t(box)) = words.at(box);
        }
        shuffle(state, random);
        QStringList captions;
        for (int box = 0; box < state.BoxCount; ++box) {
            captions.append(state.ShuffledText.at(std::size_t(box)));
        }
        QStringList sorted = captions;
        sorted.sort();
        QStringList expected = words;
        expected.sort();
        ASSERT_EQ(sorted, expected);
        avoidCorrectStart(captions, state);
        if (std::set<QString>(words.begin(), words.end()).size() != std::size_t(words.size())) {
            continue; // a repeated word may start on a box whose text equals its own
        }
        for (int box = 0; box < state.BoxCount; ++box) {
            EXPECT_NE(captions.at(box), words.at(box)) << "round " << round << " box " << box;
        }
    }
}

TEST(Timer, AnswersGiveTheTimeOfTheFirstTick) {
    const struct {
        QString answer;
        QString firstShown;
        int countDown;
    } cases[] = {
        {"45", "0:45", 1},  {"60", "1:00", 1},  {"90", "1:30", 1},   {"500", "5:00", 1},
        {"300", "5:00", 1}, {"10", "0:10", 1},  {"9", "0:01", 0},    {"0", "0:01", 0},
        {"-20", "0:01", 0}, {"abc", "0:01", 0}, {"45.6", "0:46", 1}, {" 75 s", "1:15", 1},
    };
    for (const auto& c : cases) {
        QuoteState state;
        state.TimerEntry = c.answer;
        applyTimerAnswer(state);
        EXPECT_EQ(state.CountDown, c.countDown) << c.answer.toStdString();
        EXPECT_EQ(tick(state).label, c.firstShown) << c.answer.toStdString();
    }
}

TEST(Timer, TheGaugeFollowsTheSecondsAndACountdownEndsAtZero) {
    QuoteState state;
    state.TimerEntry = "90";
    applyTimerAnswer(state);
    QMap<QString, int> floods;
    Tick last;
    int ticks = 0;
    int flood = 0;
    while (!last.reachedZero && ticks < 200) {
        last = tick(state);
        flood = last.floodPercent >= 0 ? last.floodPercent : flood;
        floods[last.label] = flood;
        ++ticks;
    }
    EXPECT_EQ(ticks, 91);
    EXPECT_EQ(floods["1:10"], 100);
    EXPECT_EQ(floods["1:00"], 0);
    EXPECT_EQ(floods["0:30"], 0);
    EXPECT_EQ(floods["0:10"], 100);
    EXPECT_EQ(floods["0:05"], 50);
    EXPECT_EQ(last.label, "0:00");
    EXPECT_EQ(state.TimeText, " 0:00");

    QuoteState up;
    up.TimerSeconds = 58;
    EXPECT_EQ(tick(up).floodPercent, 100);
    const Tick minute = tick(up);
    EXPECT_EQ(minute.label, "1:00");
    EXPECT_EQ(minute.floodPercent, 0);
    EXPECT_FALSE(minute.reachedZero);
}

TEST(Accuracy, TwoPanelsAndCompleteQuotes) {
    EXPECT_EQ(twoPanelAccuracy(10, 0), 0);
    EXPECT_EQ(twoPanelAccuracy(10, 3), 30);
    EXPECT_EQ(twoPanelAccuracy(10, 10), 100);
    EXPECT_EQ(twoPanelAccuracy(10, 12), 83);
    EXPECT_EQ(twoPanelAccuracy(9, 12), 75);

    const struct {
        int mode;
        int moves;
        int errors;
        int entryCount;
        int entryErrors;
        int accuracy;
    } cases[] = {
        {OnePanel, 8, 1, 0, 0, 88},  {OnePanel, 8, 0, 0, 0, 100}, {OnePanel, 2, 5, 0, 0, 0},
        {OnePanel, 0, 0, 0, 0, 100}, {OnePanel, 0, 1, 0, 0, 0},   {WordEntry, 0, 0, 6, 0, 100},
        {WordEntry, 0, 0, 6, 2, 67}, {WordEntry, 0, 0, 0, 1, 0},
    };
    for (const auto& c : cases) {
        QuoteState state;
        state.MoveCount = c.moves;
        state.EntryCount = c.entryCount;
        state.EntryErrors = c.entryErrors;
        completeAccuracy(state, c.mode, c.errors);
        EXPECT_EQ(state.Accuracy, c.accuracy) << c.mode << " " << c.moves << " " << c.errors;
    }
    EXPECT_EQ(resultText(100), "Perfect!");
    EXPECT_EQ(resultText(71), "Well Done!");
    EXPECT_EQ(resultText(70), "Correct!");
    const QStringList texts{accuracyText(0), accuracyText(5), accuracyText(85), accuracyText(99),
                            accuracyText(100)};
    EXPECT_EQ(texts, (QStringList{"   0%", "   5%", "  85%", "100%", "100%"}));
}

TEST(Judging, LetterCaseIsIgnoredButPunctuationCounts) {
    QuoteState state;
    state.BoxCount = 4;
    for (int box = 0; box < 4; ++box) {
        state.CorrectText.at(std::size_t(box)) = QStringList{"To", "err", "is", "human,"}[box];
    }
    std::vector<JudgedBox> boxes = boxesReading({"TO", "err.", "", "human,"});
    const int correct = judgeBoxes(state, TwoPanels, boxes);
    EXPECT_EQ(correct, 2);
    EXPECT_EQ(state.WrongCount, 1);
    EXPECT_EQ(state.BlankCount, 1);
    EXPECT_EQ(boxes[0].foreColour, 1);
    EXPECT_EQ(boxes[1].foreColour, 12);
    EXPECT_EQ(boxes[2].backColour, 13);
    EXPECT_FALSE(isComplete(state, TwoPanels, correct));
}

TEST(Judging, WordEntryCountsOnlyEntryBoxesAndEachErrorOnce) {
    const QString marker(QChar(0xA7));
    QuoteState state;
    state.BoxCount = 4;
    for (int box = 0; box < 4; ++box) {
        state.CorrectText.at(std::size_t(box)) = QStringList{"To", "err", "is", "human,"}[box];
    }
    state.EntryState = {0, 1, 1, 1};
    std::vector<JudgedBox> boxes = boxesReading({"TO", "ERR", "IT", marker.repeated(6)});
    for (int check = 0; check < 2; ++check) {
        const int correct = judgeBoxes(state, WordEntry, boxes);
        EXPECT_EQ(correct, 1) << "check " << check; // the shown word counts nothing
        EXPECT_EQ(state.WrongCount, 1);
        EXPECT_EQ(state.BlankCount, 1);
        EXPECT_EQ(state.EntryErrors, 1);
    }
    EXPECT_EQ(boxes[1].tag, "1");
    EXPECT_EQ(boxes[3].backColour, 13);
    boxes[2].caption = "IS";
    boxes[3].caption = "HUMAN,";
    state.EndJudging = 1;
    const int correct = judgeBoxes(state, WordEntry, boxes);
    EXPECT_EQ(correct, 3); // "IS" is right now, and its earlier error still counts
    EXPECT_EQ(state.EntryErrors, 1);
    EXPECT_TRUE(isComplete(state, WordEntry, correct));
}

TEST(Report, RowsByModeAndHowTheQuoteEnded) {
    const struct {
        int mode;
        int quoteOver;
        int countDown;
        int timerOption;
        int timeUp;
        QStringList row;
    } cases[] = {
        {TwoPanels, 1, 0, 2, 0, {"7", "9", "12", "  75%", "1:23"}},
        {TwoPanels, 1, 1, 2, 0, {"7", "9", "12", "  75%", "1:23 Remaining"}},
        {TwoPanels, 1, 0, 1, 0, {"7", "9", "12", "  75%", "Timer Not Used"}},
        {TwoPanels, 0, 0, 1, 0, {"7", "9", "12", "   0%", "Didn't Finish"}},
        {OnePanel, 0, 1, 2, 1, {"7", "12", "3", "   0%", "Timed Out"}},
        {OnePanel, 1, 0, 1, 0, {"7", "12", "2", "  75%", "Timer Not Used"}},
    };
    for (const auto& c : cases) {
        QuoteState state;
        state.QuoteNumber = 7;
        state.BoxCount = 9;
        state.MoveCount = 12;
        state.Accuracy = 75;
        state.WrongCount = 3;
        state.TimeText = " 1:23";
        state.QuoteOver = c.quoteOver;
        state.CountDown = c.countDown;
        state.TimerOption = c.timerOption;
        state.TimeUp = c.timeUp;
        addReportRow(state, c.mode, "12", "  2");
        const auto& row = state.PerfData.at(1);
        EXPECT_EQ((QStringList{row[1], row[2], row[3], row[4], row[5]}), c.row);
        EXPECT_EQ(state.QuoteOver, 9);
        EXPECT_EQ(state.TimeText, "");
    }
}

TEST(Report, AQuoteCompleteWithoutAMoveKeepsItsAccuracy) {
    QuoteState state;
    state.QuoteOver = 1;
    state.TimerOption = 1;
    completeAccuracy(state, OnePanel, 0);
    addReportRow(state, OnePanel, "", "0");
    EXPECT_EQ(state.PerfData.at(1)[2], "0");
    EXPECT_EQ(state.PerfData.at(1)[4], "100%");
}

TEST(Report, TheHundredAndFirstRowGivesUpRowHundredAndTheTableClears) {
    QuoteState state;
    for (int quote = 0; quote < 100; ++quote) {
        state.QuoteNumber = quote % 42 + 1;
        addReportRow(state, TwoPanels, {}, {});
    }
    EXPECT_EQ(state.PerfData.at(100)[1], QString::number(99 % 42 + 1));
    addReportRow(state, TwoPanels, {}, {});
    EXPECT_EQ(state.ReportRowCount, 100);
    EXPECT_EQ(state.PerfData.at(100)[1], "");
    EXPECT_EQ(state.PerfData.at(99)[1], QString::number(98 % 42 + 1));
    state.PerfData.at(3)[1].clear();
    clearReportTable(state);
    EXPECT_EQ(state.PerfData.at(1)[1], "");
    EXPECT_EQ(state.PerfData.at(4)[1], "4"); // clearing stops at the first empty row
    EXPECT_EQ(reportHeadings(WordEntry).at(1), "# Entry Boxes");
}

} // namespace
