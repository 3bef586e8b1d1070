#include "FakePlatform.h"
#include "Panel3D.h"
#include "QuestionBank.h"
#include "QuizRules.h"
#include "QuizWindow.h"
#include "Random.h"
#include "Services.h"

#include <QFile>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

// Every shipped question file, read by the window's own loader: each level filled to its
// capacity, every question fit to be asked in both modes.
TEST(ShippedQuestions, EveryFileLoadsFullAndEveryQuestionIsWellMade) {
    for (int code = 1; code <= kQuizTopics; ++code) {
        const QuestionFileLayout& layout = questionFileLayout(QuizTopic(code));
        const QString path =
            QStringLiteral(KORVANE_SHIPPED_DATA_DIR "/") + QString::fromLatin1(layout.fileName);
        SCOPED_TRACE(path.toStdString());

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        int total = 0;
        for (int capacity : layout.capacity) {
            total += capacity;
        }
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
        EXPECT_EQ(bytes.count("\r\n"), total + 3) << "one line a question, three end records";
        EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) {
            return c > 0 && (c >= 32 || c == '\r' || c == '\n');
        })) << "plain printable ASCII";

        std::optional<QuestionBank> bank = QuestionBank::load(path, layout.capacity);
        ASSERT_TRUE(bank);
        LegacyRandom random;
        QSet<QString> questionsOfTopic;
        for (int level = 1; level <= kQuestionLevels; ++level) {
            const int count = bank->count(level);
            EXPECT_EQ(count, layout.capacity[std::size_t(level - 1)]) << "level " << level;
            int askedWithoutChoices = 0;
            // A level gives each of its questions once before any again.
            for (int k = 0; k < count; ++k) {
                const DrawnQuestion drawn = bank->draw(level, random, [] { FAIL(); });
                const std::string where = drawn.question.toStdString();
                const QChar type = drawn.question.front();
                EXPECT_TRUE(type == u'1' || type == u'2') << where;
                EXPECT_GT(drawn.question.size(), 1) << where;
                EXPECT_FALSE(questionsOfTopic.contains(drawn.question.mid(1).toLower()))
                    << "asked twice: " << where;
                questionsOfTopic.insert(drawn.question.mid(1).toLower());

                const std::array<QString, 4> answers = *splitAnswers(drawn.answers);
                QSet<QString> distinct;
                for (const QString& answer : answers) {
                    EXPECT_LE(answer.size(), 40) << where;
                    EXPECT_EQ(answer, answer.trimmed()) << where;
                    distinct.insert(answer.toLower());
                }
                EXPECT_EQ(distinct.size(), 4) << where;
                for (int wrong = 1; wrong < 4; ++wrong) {
                    EXPECT_FALSE(
                        answers[std::size_t(wrong)].toLower().endsWith(answers[0].toLower()))
                        << "a wrong answer ends with the right one: " << where;
                }

                const auto choices = prepareQuestion(drawn.question, drawn.answers,
                                                     AnswerMode::MultipleChoice, random);
                ASSERT_TRUE(choices) << where;
                EXPECT_EQ(choices->text, drawn.question.mid(1));
                const auto spoken =
                    prepareQuestion(drawn.question, drawn.answers, AnswerMode::None, random);
                if (spoken) {
                    ++askedWithoutChoices;
                    EXPECT_LT(spoken->text.size(), 255) << where;
                }
            }
            EXPECT_GE(4 * askedWithoutChoices, count) << "level " << level;
        }
    }
}

// The window opens over the shipped files as the program installs them, and asks their questions;
// without one of them it is refused with the loading error until the file is back.
TEST(ShippedQuestions, TheWindowOpensOverTheShippedFilesAndNotWithoutOne) {
    FakePlatform fake;
    Services services{fake.platform};
    ASSERT_TRUE(fake.folder.install(QStringLiteral(KORVANE_SHIPPED_DATA_DIR)));
    {
        std::unique_ptr<QuizWindow> window = QuizWindow::open(services);
        ASSERT_TRUE(window);
        window->show();
        window->StartQuizGame();
        QTest::mouseClick(window->boardCells[0], Qt::LeftButton); // the lowest draws: Bible
        const QString asked = window->questionPanel->caption();
        EXPECT_NE(asked, QuizWindow::kNoQuestionShown);
        QFile bible(fake.file(QString::fromLatin1(questionFileLayout(QuizTopic::Bible).fileName)));
        ASSERT_TRUE(bible.open(QIODevice::ReadOnly));
        EXPECT_TRUE(bible.readAll().contains((asked + "\",\"*").toLatin1()));
        EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    }
    for (int code = 1; code <= kQuizTopics; ++code) {
        const QString name = QString::fromLatin1(questionFileLayout(QuizTopic(code)).fileName);
        SCOPED_TRACE(name.toStdString());
        fake.dialogs.shown.clear();
        ASSERT_TRUE(QFile::rename(fake.file(name), fake.file(name + ".away")));
        EXPECT_FALSE(QuizWindow::open(services));
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        EXPECT_EQ(fake.dialogs.shown[0].title, "Loading Error");
        ASSERT_TRUE(QFile::rename(fake.file(name + ".away"), fake.file(name)));
        EXPECT_TRUE(QuizWindow::open(services));
    }
}

} // namespace
