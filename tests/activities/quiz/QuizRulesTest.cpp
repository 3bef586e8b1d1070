#include "QuizRules.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

namespace {

const QString kAnswers = "*PAUL*SAINT PAUL*PETER*JOHN*";

// Rnd values that deal positions A-D in the given order.
std::deque<double> dealOrder(std::array<int, 4> positions) {
    std::deque<double> draws;
    for (int p : positions) {
        draws.push_back((p + 0.5) / 4.0);
    }
    return draws;
}

TEST(QuizRules, TheCorrectAnswerLandsWhereItIsDealtAndOnlyItIsRight) {
    for (int correct = 0; correct < 4; ++correct) {
        FakeRandom random;
        std::array<int, 4> order = {correct, (correct + 1) % 4, (correct + 2) % 4,
                                    (correct + 3) % 4};
        random.draws = dealOrder(order);
        const auto q = prepareQuestion("2Who?", kAnswers, AnswerMode::MultipleChoice, random);
        ASSERT_TRUE(q);
        EXPECT_EQ(q->correctPosition, correct);
        EXPECT_EQ(q->dealt[std::size_t(correct)], "PAUL");
        for (int p = 0; p < 4; ++p) {
            // "SAINT PAUL" ends with the correct answer but is wrong.
            EXPECT_EQ(isRightChoice(*q, p), p == correct) << correct << " " << p;
        }
    }
}

TEST(QuizRules, TheTypeDigitDecidesWhatEachModeShows) {
    const QString cr(QChar(13));
    const struct {
        QString question;
        AnswerMode mode;
        std::optional<QString> shown;
    } cases[] = {
        {"1Which of these?", AnswerMode::MultipleChoice, "Which of these?"},
        {"1Which of these?", AnswerMode::None, std::nullopt},
        {"2Who?", AnswerMode::None, "Who?" + cr + "PAUL, SAINT PAUL, PETER, JOHN"},
        {"4Who?", AnswerMode::None, "Who?" + cr + "PAUL, SAINT PAUL, PETER, JOHN"},
        {"3Who?", AnswerMode::None, "Who?" + cr + "PAUL"},
        {"3Who?", AnswerMode::MultipleChoice, "Who?"},
        {"Who?", AnswerMode::None, "Who?"},
        {"Who?", AnswerMode::MultipleChoice, "Who?"},
        {"7 wonders?", AnswerMode::MultipleChoice, " wonders?"},
        {"7 wonders?", AnswerMode::None, "7 wonders?"},
    };
    for (const auto& c : cases) {
        FakeRandom random;
        random.draws = dealOrder({0, 1, 2, 3});
        const auto q = prepareQuestion(c.question, kAnswers, c.mode, random);
        ASSERT_EQ(bool(q), bool(c.shown)) << c.question.toStdString();
        if (q) {
            EXPECT_EQ(q->text, *c.shown) << c.question.toStdString();
        }
    }
}

std::array<QString, 9> board(const char* cells) {
    std::array<QString, 9> captions;
    for (std::size_t i = 0; i < 9; ++i) {
        captions[i] = cells[i] == '.' ? QString("Bible\rQuestions") : QString(QChar(cells[i]));
    }
    return captions;
}

TEST(QuizRules, LinesAreFoundInColumnRowDiagonalOrder) {
    const struct {
        const char* cells;
        int cell;
        std::optional<BoardLine> line;
    } cases[] = {
        {"X..X..X..", 3, BoardLine{0, 3, 6}},
        {".O..O..O.", 7, BoardLine{1, 4, 7}},
        {"..X..X..X", 2, BoardLine{2, 5, 8}},
        {"XXX......", 1, BoardLine{0, 1, 2}},
        {"...OOO...", 5, BoardLine{3, 4, 5}},
        {"......XXX", 6, BoardLine{6, 7, 8}},
        {"X...X...X", 8, BoardLine{0, 4, 8}},
        {"..O.O.O..", 2, BoardLine{2, 4, 6}},
        // The column comes before the row through the same cell.
        {"XXX.X..X.", 1, BoardLine{1, 4, 7}},
        // A diagonal is tested whatever the cell.
        {"X.O.X.O.X", 2, BoardLine{0, 4, 8}},
        // The ninth mark can win.
        {"XOXXOOXXO", 6, BoardLine{0, 3, 6}},
        {"XOXXOOOXX", 8, std::nullopt},
        {"XOX......", 1, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(completedLine(board(c.cells), c.cell), c.line) << c.cells;
    }
}

TEST(QuizRules, OBeginsOnlyAfterAnXWin) {
    EXPECT_EQ(firstTurnAfter(""), kTurnX);
    EXPECT_EQ(firstTurnAfter("Player X Wins This Game!"), kTurnO);
    EXPECT_EQ(firstTurnAfter("Player O Wins This Game!"), kTurnX);
    EXPECT_EQ(firstTurnAfter("Sorry! The Cat Wins This Game!"), kTurnX);
}

TEST(QuizRules, NoTopicStandsOnMoreThanTwoCellsEvenWithAStuckGenerator) {
    FakeRandom random; // every draw gives 0: topic 1 again and again
    const auto topics = dealBoardTopics(board("X.......O"), random);
    std::array<int, 6> uses{};
    for (std::size_t cell = 0; cell < 9; ++cell) {
        if (cell == 0 || cell == 8) {
            EXPECT_EQ(topics[cell], 0);
        } else {
            ASSERT_GE(topics[cell], 1);
            ASSERT_LE(topics[cell], 5);
            ++uses[std::size_t(topics[cell])];
        }
    }
    for (int t = 1; t <= 5; ++t) {
        EXPECT_LE(uses[std::size_t(t)], 2) << t;
    }
}

} // namespace
