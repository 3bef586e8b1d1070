#include "PlannerWindowFixture.h"
#include "SpellChecker.h"
#include "SpellingDialog.h"

#include <QListWidget>

namespace {

// The planner's day page checked from "Spelling Chec&k", with the rows of 5 March 2025 saved
// beforehand so that the page opens unchanged.
class PlannerSpellingTest : public PlannerWindowTest {
protected:
    void saveRows(const std::map<int, QString>& rows) const {
        YearFile::DayRecord record;
        for (const auto& [row, text] : rows) {
            record.activities[std::size_t(row)] = text;
        }
        record.status = YearFile::kFull;
        ASSERT_TRUE(
            YearFile::write(fake.folder, 2025, YearFile::recordNumber(QDate(2025, 3, 5)), record));
    }

    // The next spelling dialog: notes its word, sets "Change To:" when a replacement is given and
    // clicks the button.
    void answer(QPushButton* SpellingDialog::*button, const QString& replacement = {}) {
        fake.modal.scripts.push_back([this, button, replacement](QWidget& window) {
            auto& dialog = dynamic_cast<SpellingDialog&>(window);
            offered << dialog.NotInDictionary->text();
            if (!replacement.isEmpty()) {
                dialog.ChangeTo->setText(replacement);
            }
            QTest::mouseClick(dialog.*button, Qt::LeftButton);
        });
    }

    static QStringList rows(const PlannerWindow& planner) {
        QStringList texts;
        for (const QLineEdit* box : planner.activityBoxes) {
            texts << box->text();
        }
        return texts;
    }

    void cancelOnRowThree(const QString& rowOne, const QString& message, int entriesChanged);

    QStringList offered; // the word of every spelling dialog shown
};

TEST_F(PlannerSpellingTest, EmptyPageChangesNothing) {
    openPlanner([this](PlannerWindow& planner) {
        ASSERT_TRUE(planner.spellCheckButton->isEnabled());
        QTest::mouseClick(planner.spellCheckButton, Qt::LeftButton);
        settle();
        EXPECT_EQ(messageTexts(), QStringList{"Spelling Check did not change or did not find any "
                                              "misspelled words!"});
        EXPECT_EQ(fake.dialogs.shown.last().title, "Spelling Check");
        EXPECT_EQ(planner.EntriesChanged, 0);
        EXPECT_EQ(planner.statusPanels->panelText(1), "Daily Planner");
        EXPECT_EQ(QApplication::focusWidget(), planner.activityBoxes[0]);
    });
    EXPECT_TRUE(offered.isEmpty());
}

TEST_F(PlannerSpellingTest, AutoCorrectReachesTheLaterRowsAndTheRunGoesOn) {
    saveRows({{0, "Call thier office"},
              {2, "Remember to buy alot of apples and pears now."},
              {5, "  Send thier mail"},
              {7, "Buy brd"},
              {9, "thier, not ours"}});
    openPlanner([this](PlannerWindow& planner) {
        ASSERT_EQ(planner.EntriesChanged, 0);
        answer(&SpellingDialog::AutoCorrectButton, "their");
        answer(&SpellingDialog::ChangeButton, "bread");
        planner.spellCheckAction->trigger();
        settle();

        QStringList expected(PlannerWindow::kRows);
        expected[0] = "Call their office";
        expected[2] = "Remember to buy a lot of apples and pears now";
        expected[5] = "Send their mail";
        expected[7] = "Buy bread";
        expected[9] = "their, not ours"; // not spread, by its comma: the checker corrects it
        EXPECT_EQ(rows(planner), expected);
        EXPECT_EQ(planner.EntriesChanged, 1);
        EXPECT_EQ(messageTexts(), QStringList{"Spelling Check has been canceled or has reached "
                                              "the end of your entries"});
        fake.dialogs.answers.push_back(Dialogs::Answer::No); // leaving without saving
    });
    // Row 9's word, listed by then, is corrected by the checker itself without a question.
    EXPECT_EQ(offered, (QStringList{"thier", "brd"}));
}

// Cancel in the dialog on row 3 (after Help): rows 4 to 13 are not checked, and the message says
// whether row 1 was changed before.
void PlannerSpellingTest::cancelOnRowThree(const QString& rowOne, const QString& message,
                                           int entriesChanged) {
    saveRows({{1, rowOne}, {3, "Meet the plumbr"}, {6, "Wash teh kar"}});
    openPlanner([&](PlannerWindow& planner) {
        fake.modal.scripts.push_back([this](QWidget& window) {
            auto& dialog = dynamic_cast<SpellingDialog&>(window);
            offered << dialog.NotInDictionary->text();
            QTest::mouseClick(dialog.HelpButton, Qt::LeftButton);
            QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
        });
        QTest::mouseClick(planner.spellCheckButton, Qt::LeftButton);
        settle();
        EXPECT_EQ(planner.activityBoxes[3]->text(), "Meet the plumbr");
        EXPECT_EQ(planner.activityBoxes[6]->text(), "Wash teh kar"); // never handed to the checker
        EXPECT_EQ(messageTexts(), QStringList{message});
        EXPECT_EQ(planner.EntriesChanged, entriesChanged);
        fake.dialogs.answers.push_back(Dialogs::Answer::No); // leaving without saving
    });
    EXPECT_EQ(offered, QStringList{"plumbr"});
    EXPECT_EQ(fake.help.topics, QList<int>{SpellChecker::kHelpContext});
}

TEST_F(PlannerSpellingTest, CancelAfterNoChangeSaysNothingChanged) {
    cancelOnRowThree("Lunch at noon",
                     "Spelling Check did not change or did not find any misspelled words!", 0);
}

TEST_F(PlannerSpellingTest, CancelAfterAChangeSaysTheCheckEnded) {
    cancelOnRowThree("Lunch at teh diner",
                     "Spelling Check has been canceled or has reached the end of your entries", 1);
}

} // namespace
