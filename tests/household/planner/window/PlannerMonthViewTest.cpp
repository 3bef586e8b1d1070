#include "PlannerWindowFixture.h"

#include "GridControl.h"
#include "PlannerCopyText.h"
#include "Twips.h"

#include <QFontMetrics>

#include <QMenu>

namespace {

class PlannerMonthViewTest : public PlannerWindowTest {
protected:
    // March 2025: the 5th with rows 2 and 5, the 31st with row 0.
    void saveMarch() const {
        YearFile::DayRecord fifth;
        fifth.times[2] = "9:00 AM";
        fifth.activities[2] = "Dentist";
        fifth.activities[5] = "Shopping";
        fifth.status = YearFile::kFull;
        ASSERT_TRUE(YearFile::write(fake.folder, 2025, 53, fifth));
        saveDay({2025, 3, 31}, "7:00 PM", "Concert");
    }

    static QStringList gridRow(const GridControl& grid, int row) {
        return {grid.textMatrix(row, 0), grid.textMatrix(row, 1), grid.textMatrix(row, 2)};
    }
};

TEST_F(PlannerMonthViewTest, ViewMonthListsTheMonthAndEscapeGoesBackToTheDay) {
    saveMarch();
    openPlanner([&](PlannerWindow& planner) {
        planner.Command4->click();
        settle();
        EXPECT_TRUE(planner.SSPanel3->isVisible());
        EXPECT_EQ(planner.SSPanel3->caption(), "March 2025");
        EXPECT_EQ(planner.StatusBar1->panelText(1), "View Month");
        const GridControl& grid = *planner.VSGd1;
        ASSERT_EQ(grid.rows(), 4);
        EXPECT_EQ(gridRow(grid, 0), (QStringList{"Day", "Time", "Appointment/Activity"}));
        EXPECT_EQ(gridRow(grid, 1), (QStringList{" 5th", "9:00 AM", "Dentist"}));
        EXPECT_EQ(gridRow(grid, 2), (QStringList{"", "", "Shopping"}));
        EXPECT_EQ(gridRow(grid, 3), (QStringList{" 31st", "7:00 PM", "Concert"}));
        const int width = grid.widthTwips();
        EXPECT_EQ(grid.colWidth(2), int(std::nearbyint(width * 0.64)));
        EXPECT_EQ(grid.colAlignment(2), GridControl::LeftCentre);
        EXPECT_EQ(grid.colAlignment(1), GridControl::Centre);
        EXPECT_EQ(planner.ShowMonthRowTip(1), " Row 1:  5th ");
        EXPECT_EQ(planner.ShowMonthRowTip(2), " Row 2:  ");
        EXPECT_TRUE(planner.mOV->isChecked());
        EXPECT_FALSE(planner.mOClr->isEnabled());
        EXPECT_FALSE(planner.mOS->isEnabled());
        EXPECT_TRUE(planner.Toolbar2Button(1)->isEnabled());
        EXPECT_TRUE(planner.mOGrid->isEnabled());

        press(planner.VSGd1, Qt::Key_Escape);
        EXPECT_FALSE(planner.SSPanel3->isVisible());
        EXPECT_FALSE(planner.mOV->isChecked());
        EXPECT_TRUE(planner.mOS->isEnabled());
        EXPECT_FALSE(planner.Toolbar2Button(1)->isEnabled());
        EXPECT_EQ(planner.Text2[2]->text(), "Dentist");
        EXPECT_EQ(planner.StatusBar1->panelText(1), "Daily Planner");
    });
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
}

TEST_F(PlannerMonthViewTest, UnsavedRowsAreOfferedForSavingBeforeTheMonthShows) {
    openPlanner([&](PlannerWindow& planner) {
        typeInto(planner.Text2[0], "Piano lesson");
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
        planner.mOV->trigger();
        settle();
        EXPECT_EQ(messageTexts(), QStringList{"Save changes/entries before next action?"});
        EXPECT_EQ(planner.VSGd1->textMatrix(1, 2), "Piano lesson");
        // Choosing the item again closes the view.
        planner.mOV->trigger();
        settle();
        EXPECT_FALSE(planner.SSPanel3->isVisible());
        EXPECT_EQ(planner.Text2[0]->text(), "Piano lesson");
    });
}

TEST_F(PlannerMonthViewTest, AnEmptyMonthKeepsTheHeaderAndOneEmptyRowAndHasNothingToCopy) {
    openPlanner([&](PlannerWindow& planner) {
        planner.ViewEntireMonth();
        ASSERT_EQ(planner.VSGd1->rows(), 2);
        EXPECT_EQ(gridRow(*planner.VSGd1, 1), (QStringList{"", "", ""}));
        planner.mECopy->trigger();
        EXPECT_EQ(messageTexts(), QStringList{"There are currently No Entries to Copy!"});
        EXPECT_EQ(fake.dialogs.shown.last().title, "Copy");
        EXPECT_TRUE(fake.clipboard.texts.isEmpty());
    });
}

TEST_F(PlannerMonthViewTest, CopyPutsTheDayOrTheMonthShownOnTheClipboard) {
    saveMarch();
    openPlanner([&](PlannerWindow& planner) {
        clickDay(planner, 10);
        typeInto(planner.Text1[13], " ");
        planner.Toolbar2Button(6)->trigger();
        ASSERT_EQ(fake.clipboard.texts.size(), 1);
        PlannerCopyText::Rows times;
        PlannerCopyText::Rows activities;
        times[13] = " ";
        EXPECT_EQ(fake.clipboard.texts.last(),
                  PlannerCopyText::day(QDate(2025, 3, 10), times, activities));
        EXPECT_EQ(messageTexts(), QStringList{"Data has been copied to the Windows Clipboard."});
        EXPECT_EQ(fake.dialogs.shown.last().title, "Copy Option");

        fake.dialogs.answers.push_back(Dialogs::Answer::No);
        planner.ViewEntireMonth();
        // A picker moved while the month shows does not rename it.
        planner.MonthView1->setSelectedDate(QDate(2025, 4, 15));
        settle();
        planner.mECopy->trigger();
        // Measured in the window's font, the day cells padded to 500 twips and the line to 1600.
        QFont font("MS Sans Serif", 12);
        font.setBold(true);
        const QFontMetrics metrics(font);
        const auto width = [&](const QString& text) {
            return Twips::fromPixels(metrics.horizontalAdvance(text));
        };
        const std::vector<MonthListing::Entry> rows = {
            {" 5th", "9:00 AM", "Dentist"}, {"", "", "Shopping"}, {" 31st", "7:00 PM", "Concert"}};
        EXPECT_EQ(fake.clipboard.texts.last(), PlannerCopyText::month("March 2025", rows, width));
        EXPECT_TRUE(fake.clipboard.texts.last().contains("\r     "));
    });
}

} // namespace
