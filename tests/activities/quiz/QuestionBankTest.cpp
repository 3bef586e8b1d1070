#include "QuestionBank.h"
#include "FakePlatform.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString record(const QString& question) {
    return "\"" + question + "\",\"*right*wrong one*wrong two*wrong three*\"\r\n";
}

QString records(int count) {
    QString text;
    for (int i = 1; i <= count; ++i) {
        text += record(QString("2Question %1?").arg(i));
    }
    return text;
}

const QString kEnd = record("END");

struct LoaderCase {
    const char* name;
    QString text;
    std::array<int, 4> expectedCounts; // all 0: the file does not load
};

std::optional<QuestionBank> loadText(const QString& text, std::array<int, 4> capacity) {
    QTemporaryDir folder;
    QFile file(folder.filePath("q.Fil"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toLatin1());
    file.close();
    return QuestionBank::load(file.fileName(), capacity);
}

TEST(QuestionBank, LoadsWellFormedFilesAndRefusesAllOthers) {
    const std::array<int, 4> capacity = {44, 65, 45, 49};
    const QString three = records(1) + kEnd + records(2) + kEnd + records(3) + kEnd;
    const LoaderCase cases[] = {
        {"plain", three + records(4), {1, 2, 3, 4}},
        {"no final line end", three + records(4).chopped(2), {1, 2, 3, 4}},
        {"blank lines at the end", three + records(4) + "\r\n\r\n", {1, 2, 3, 4}},
        {"End is a question",
         record("End") + kEnd + records(2) + kEnd + records(3) + kEnd + records(1),
         {1, 2, 3, 1}},
        {"END in level 4 is a question", three + record("END"), {1, 2, 3, 1}},
        {"quoted comma",
         record("2Who, then?") + kEnd + records(2) + kEnd + records(3) + kEnd + records(1),
         {1, 2, 3, 1}},
        {"level 1 at capacity",
         records(44) + kEnd + records(2) + kEnd + records(3) + kEnd + records(1),
         {44, 2, 3, 1}},
        {"level 1 over capacity",
         records(45) + kEnd + records(2) + kEnd + records(3) + kEnd + records(1),
         {}},
        {"missing END", records(1) + kEnd + records(2) + kEnd + records(3), {}},
        {"empty level", kEnd + records(2) + kEnd + records(3) + kEnd + records(1), {}},
        {"empty level 4", three, {}},
        {"three answers", three + "\"2Q?\",\"*a*b*c*\"\r\n", {}},
        {"an empty answer", three + "\"2Q?\",\"*a**c*d*\"\r\n", {}},
        {"no leading asterisk", three + "\"2Q?\",\"a*b*c*d*\"\r\n", {}},
        {"no answers field", three + "\"2Q?\"\r\n", {}},
        {"unclosed quote", three + "\"2Q?,\"*a*b*c*d*\r\n", {}},
        {"empty file", "", {}},
    };
    for (const LoaderCase& c : cases) {
        const auto bank = loadText(c.text, capacity);
        if (c.expectedCounts == std::array<int, 4>{}) {
            EXPECT_FALSE(bank) << c.name;
            continue;
        }
        ASSERT_TRUE(bank) << c.name;
        for (int level = 1; level <= 4; ++level) {
            EXPECT_EQ(bank->count(level), c.expectedCounts[std::size_t(level - 1)])
                << c.name << " level " << level;
        }
    }
}

TEST(QuestionBank, AMissingFileDoesNotLoad) {
    EXPECT_FALSE(QuestionBank::load("/nonexistent/HISTXT.FIL", {44, 65, 45, 49}));
    const auto banks =
        loadQuestionBanks([](const QString& name) { return "/nonexistent/" + name; });
    EXPECT_FALSE(banks);
}

TEST(QuestionBank, ALevelGivesAllItsQuestionsBeforeAnyAgain) {
    auto bank = loadText(records(1) + kEnd + records(3) + kEnd + records(1) + kEnd + records(1),
                         {60, 59, 59, 60});
    ASSERT_TRUE(bank);
    FakeRandom random;
    int notices = 0;
    for (int round = 1; round <= 2; ++round) {
        QStringList seen;
        // Draws that keep landing on used questions still end.
        for (int i = 0; i < 3; ++i) {
            random.draws = {0.0, 0.0, 0.0, 0.5};
            seen << bank->draw(2, random, [&] { ++notices; }).question;
        }
        seen.sort();
        EXPECT_EQ(seen, QStringList({"2Question 1?", "2Question 2?", "2Question 3?"}));
        EXPECT_EQ(notices, round - 1);
    }
    // The other levels keep their own flags.
    EXPECT_EQ(bank->draw(1, random, [&] { ++notices; }).question, "2Question 1?");
    EXPECT_EQ(notices, 1);
}

} // namespace
