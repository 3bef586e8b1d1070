#include "SpellChecker.h"
#include "AutoCorrectTable.h"
#include "FakePlatform.h"
#include "FullDisk.h"
#include "Services.h"
#include "SpellingDialog.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Button = QPushButton* SpellingDialog::*;

// A checker over a fresh program folder whose events are written into a log, one line each.
class SpellCheckerTest : public ::testing::Test {
protected:
    SpellCheckerTest() { watch(*checker); }

    void watch(SpellChecker& watched) {
        QObject::connect(&watched, &SpellChecker::SelectMisspeltWord, [this, &watched] {
            log << QString("Select %1 %2")
                       .arg(watched.misspeltWordStart())
                       .arg(watched.misspeltWordLength());
        });
        QObject::connect(&watched, &SpellChecker::TakeCorrectedText, [this, &watched] {
            log << QString("Take %1: %2").arg(watched.changeCount()).arg(watched.text());
        });
        QObject::connect(&watched, &SpellChecker::NoteAutoCorrectAction,
                         [this](int action) { log << QString("Action %1").arg(action); });
        QObject::connect(&watched, &SpellChecker::ShowSpellingHelp, [this] { log << "Help"; });
        QObject::connect(&watched, &SpellChecker::EndOfCheck,
                         [this](int cancelled) { log << QString("End %1").arg(cancelled); });
    }

    // The next dialog: "Change To:" set to replacement when one is given, then the button clicked.
    void answer(Button button, const QString& replacement = {}) {
        fake.modal.scripts.push_back([this, button, replacement](QWidget& window) {
            auto& dialog = dynamic_cast<SpellingDialog&>(window);
            words << dialog.NotInDictionary->text();
            if (!replacement.isEmpty()) {
                dialog.ChangeTo->setText(replacement);
            }
            QTest::mouseClick(dialog.*button, Qt::LeftButton);
        });
    }

    bool check(const QString& text) {
        checker->setText(text);
        return checker->check();
    }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<SpellChecker> checker = std::make_unique<SpellChecker>(services, nullptr);
    QStringList log;
    QStringList words; // the word of every dialog shown
};

TEST_F(SpellCheckerTest, RaisesItsEventsInOrderWithPositionsInTheCorrectedText) {
    checker->addAutoCorrect("alot", "a lot");
    answer(&SpellingDialog::ChangeButton, "work");
    fake.modal.scripts.push_back([this](QWidget& window) {
        words << dynamic_cast<SpellingDialog&>(window).NotInDictionary->text();
        QTest::keyClick(&window, Qt::Key_Escape); // Esc is "Cancel"
    });

    ASSERT_TRUE(check("Alot of wrk for teh cat"));

    EXPECT_EQ(words, (QStringList{"wrk", "teh"}));
    EXPECT_EQ(log, (QStringList{"Take 1: A lot of wrk for teh cat", "Select 9 3",
                                "Take 2: A lot of work for teh cat", "Select 18 3",
                                "Take 2: A lot of work for teh cat", "End -1"}));
    EXPECT_EQ(checker->changeCount(), 2);
}

TEST_F(SpellCheckerTest, DialogOffersTheSuggestionsWithTheFirstToChangeTo) {
    fake.modal.scripts.push_back([this](QWidget& window) {
        auto& dialog = dynamic_cast<SpellingDialog&>(window);
        EXPECT_EQ(dialog.windowTitle(), "Check Spelling");
        ASSERT_GT(dialog.Suggestions->count(), 0);
        EXPECT_EQ(dialog.ChangeTo->text(), dialog.Suggestions->item(0)->text());
        QStringList offered;
        for (int i = 0; i < dialog.Suggestions->count(); ++i) {
            offered << dialog.Suggestions->item(i)->text();
        }
        EXPECT_TRUE(offered.contains("receive")) << offered.join(", ").toStdString();
        dialog.Suggestions->setCurrentRow(int(offered.indexOf("receive")));
        QTest::keyClick(dialog.ChangeTo, Qt::Key_Return); // Enter is "&Change"
    });

    ASSERT_TRUE(check("we recieve"));

    EXPECT_EQ(checker->text(), "we receive");
    EXPECT_EQ(log.last(), "End 0");
}

TEST_F(SpellCheckerTest, AutoCorrectListsThePairAndAppliesItToTheRestOfTheText) {
    LoadAutoCorrectTable(*checker);
    const int tableEntries = checker->autoCorrectCount();
    answer(&SpellingDialog::AutoCorrectButton, "their");

    ASSERT_TRUE(check("thier bags and Thier coats"));

    EXPECT_EQ(log, (QStringList{"Select 0 5", "Action 1", "Take 1: their bags and Thier coats",
                                "Take 2: their bags and Their coats",
                                "Take 2: their bags and Their coats", "End 0"}));
    ASSERT_EQ(checker->autoCorrectCount(), tableEntries + 1);
    EXPECT_EQ(checker->autoCorrectEntry(tableEntries).misspelling, "THIER");
    EXPECT_EQ(checker->autoCorrectEntry(tableEntries).correction, "their");
}

TEST_F(SpellCheckerTest, ListedPairsCorrectWithoutAQuestion) {
    LoadAutoCorrectTable(*checker);
    const struct {
        const char* text;
        const char* corrected;
        int changes;
    } cases[] = {
        {"i think I can", "I think I can", 1},
        {"I", "I", 0},
        {"Teh office, teh.", "The office, the.", 2},
        {"ALOT recieve", "A lot receive", 2},
        {"their are five", "there are five", 1},
        {"9:30 3pm TheEnd1 don't well-known 'quoted'", "9:30 3pm TheEnd1 don't well-known 'quoted'",
         0},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(check(c.text));
        EXPECT_EQ(checker->text(), c.corrected) << c.text;
        EXPECT_EQ(checker->changeCount(), c.changes) << c.text;
    }
    EXPECT_TRUE(fake.modal.shownClasses.isEmpty());
}

TEST_F(SpellCheckerTest, HelpKeepsTheDialogOpenAndIgnoreAllLastsForTheChecker) {
    fake.modal.scripts.push_back([](QWidget& window) {
        auto& dialog = dynamic_cast<SpellingDialog&>(window);
        QTest::mouseClick(dialog.HelpButton, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(dialog.IgnoreAllButton, Qt::LeftButton);
    });

    ASSERT_TRUE(check("zorp and zorp"));
    ASSERT_TRUE(check("zorp again"));

    EXPECT_EQ(fake.modal.shownClasses.size(), 1);
    EXPECT_EQ(log.mid(0, 4), (QStringList{"Select 0 4", "Help", "Take 0: zorp and zorp", "End 0"}));
}

TEST_F(SpellCheckerTest, AddedWordIsKnownToEveryLaterChecker) {
    answer(&SpellingDialog::AddButton);
    ASSERT_TRUE(check("Korvane helps"));
    EXPECT_EQ(checker->changeCount(), 0);

    QFile file(fake.file("CustomDict1.dct"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "Korvane\r\n");

    checker = std::make_unique<SpellChecker>(services, nullptr);
    ASSERT_TRUE(check("Korvane KORVANE"));
    EXPECT_EQ(fake.modal.shownClasses.size(), 1);
}

TEST_F(SpellCheckerTest, FailedAddSaysSoAndKeepsTheWordForThisChecker) {
    answer(&SpellingDialog::AddButton);
    {
        FullDisk full(4);
        ASSERT_TRUE(check("Korvane and Korvane"));
    }

    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].text, "The word could not be added to CustomDict1.dct!");
    EXPECT_EQ(fake.dialogs.shown[0].title, "Disk Error");
    EXPECT_EQ(fake.modal.shownClasses.size(), 1);
    EXPECT_FALSE(QFile::exists(fake.file("CustomDict1.dct")));
}

TEST_F(SpellCheckerTest, ReplacementTheEntriesCannotHoldIsRefused) {
    fake.modal.scripts.push_back([](QWidget& window) {
        auto& dialog = dynamic_cast<SpellingDialog&>(window);
        dialog.ChangeTo->setText(QString::fromUtf8("d\u014Dg"));
        QTest::mouseClick(dialog.ChangeButton, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        dialog.ChangeTo->setText("dog");
        QTest::mouseClick(dialog.ChangeButton, Qt::LeftButton);
    });

    ASSERT_TRUE(check("a dgo"));

    EXPECT_EQ(checker->text(), "a dog");
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].title, "Check Spelling");
}

TEST_F(SpellCheckerTest, WithoutTheEnglishDictionarySaysSoAndChecksNothing) {
    QTemporaryDir empty;
    checker = std::make_unique<SpellChecker>(services, nullptr, QStringList{empty.path()});
    watch(*checker);

    EXPECT_FALSE(check("teh wrk"));

    EXPECT_EQ(checker->text(), "teh wrk");
    EXPECT_TRUE(log.isEmpty());
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].text,
              "The English (United States) spelling dictionary could not be found!");
    EXPECT_EQ(fake.dialogs.shown[0].title, "Spelling Check");
    EXPECT_EQ(fake.dialogs.shown[0].icon, Dialogs::Icon::Critical);
}

TEST_F(SpellCheckerTest, EndMarkerRegisteredAgainStillClosesTheListForLaterPairs) {
    checker->addAutoCorrect("teh", "the");
    checker->addAutoCorrect("TheEnd1", "TheEnd1"); // the first spread's marker
    checker->addAutoCorrect("wrk", "work");        // chosen after that spread
    checker->addAutoCorrect("teh", "the");         // registered twice: one entry
    checker->addAutoCorrect("TheEnd1", "TheEnd1"); // the next spread's marker

    QStringList misspellings;
    for (const AutoCorrectPair& entry : checker->autoCorrectEntries()) {
        misspellings << entry.misspelling;
    }
    EXPECT_EQ(misspellings, (QStringList{"WRK", "TEH", "THEEND1"}));
}

} // namespace
