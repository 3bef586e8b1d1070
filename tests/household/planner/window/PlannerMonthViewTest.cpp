#include "PlannerWindowFixture.h"

#include "GridControl.h"
#include "PlannerCopyText.h"
#include "ScreenReader.h"
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

// The month view covers the day page: a screen reader reads none of the page's controls while the
// month shows, and all of them again once it closes.
TEST_F(PlannerMonthViewTest, TheDayPageUnderTheMonthIsNotReadAsShowing) {
    openPlanner([&](PlannerWindow& planner) {
        const auto readUnderTheMonth = [&] {
            const QRect month(planner.monthViewPanel->mapToGlobal(QPoint(0, 0)),
                              planner.monthViewPanel->size());
            QStringList read;
            for (QAccessibleInterface* object : objectsReadAsShowing(&planner)) {
                auto* control = qobject_cast<QWidget*>(object->object());
                if (control != nullptr && control != planner.monthViewPanel &&
                    !planner.monthViewPanel->isAncestorOf(control) &&
                    month.contains(QRect(control->mapToGlobal(QPoint(0, 0)), control->size()))) {
                    read.append(control->objectName());
                }
            }
            return read;
        };
        const qsizetype dayPage = readUnderTheMonth().size();
        EXPECT_GE(dayPage, 30);
        planner.viewMonthButton->click();
        settle();
        ASSERT_TRUE(planner.monthViewPanel->isVisible());
        EXPECT_EQ(readUnderTheMonth(), QStringList());
        EXPECT_TRUE(readAsShowing(QAccessible::queryAccessibleInterface(planner.monthGrid)));
        press(planner.monthGrid, Qt::Key_Escape);
        EXPECT_EQ(readUnderTheMonth().size(), dayPage);
    });
}

TEST_F(PlannerMonthViewTest, ViewMonthListsTheMonthAndEscapeGoesBackToTheDay) {
    saveMarch();
    openPlanner([&](PlannerWindow& planner) {
        planner.viewMonthButton->click();
        settle();
        EXPECT_TRUE(planner.monthViewPanel->isVisible());
        EXPECT_EQ(planner.monthViewPanel->caption(), "March 2025");
        EXPECT_EQ(planner.statusPanels->panelText(1), "View Month");
        const GridControl& grid = *planner.monthGrid;
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
        EXPECT_TRUE(planner.viewMonthAction->isChecked());
        EXPECT_FALSE(planner.clearEntriesAction->isEnabled());
        EXPECT_FALSE(planner.saveAction->isEnabled());
        EXPECT_TRUE(planner.leftToolbarButton(1)->isEnabled());
        EXPECT_TRUE(planner.gridBackgroundAction->isEnabled());

        press(planner.monthGrid, Qt::Key_Escape);
        EXPECT_FALSE(planner.monthViewPanel->isVisible());
        EXPECT_FALSE(planner.viewMonthAction->isChecked());
        EXPECT_TRUE(planner.saveAction->isEnabled());
        EXPECT_FALSE(planner.leftToolbarButton(1)->isEnabled());
        EXPECT_EQ(planner.activityBoxes[2]->text(), "Dentist");
        EXPECT_EQ(planner.statusPanels->panelText(1), "Daily Planner");
    });
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
}

TEST_F(PlannerMonthViewTest, UnsavedRowsAreOfferedForSavingBeforeTheMonthShows) {
    openPlanner([&](PlannerWindow& planner) {
        typeInto(planner.activityBoxes[0], "Piano lesson");
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
        planner.viewMonthAction->trigger();
        settle();
        EXPECT_EQ(messageTexts(), QStringList{"Save changes/entries before next action?"});
        EXPECT_EQ(planner.monthGrid->textMatrix(1, 2), "Piano lesson");
        // Choosing the item again closes the view.
        planner.viewMonthAction->trigger();
        settle();
        EXPECT_FALSE(planner.monthViewPanel->isVisible());
        EXPECT_EQ(planner.activityBoxes[0]->text(), "Piano lesson");
    });
}

TEST_F(PlannerMonthViewTest, AnEmptyMonthKeepsTheHeaderAndOneEmptyRowAndHasNothingToCopy) {
    openPlanner([&](PlannerWindow& planner) {
        planner.ViewEntireMonth();
        ASSERT_EQ(planner.monthGrid->rows(), 2);
        EXPECT_EQ(gridRow(*planner.monthGrid, 1), (QStringList{"", "", ""}));
        planner.copyAction->trigger();
        EXPECT_EQ(messageTexts(), QStringList{"There are currently No Entries to Copy!"});
        EXPECT_EQ(fake.dialogs.shown.last().title, "Copy");
        EXPECT_TRUE(fake.clipboard.texts.isEmpty());
    });
}

TEST_F(PlannerMonthViewTest, CopyPutsTheDayOrTheMonthShownOnTheClipboard) {
    saveMarch();
    openPlanner([&](PlannerWindow& planner) {
        clickDay(planner, 10);
        typeInto(planner.timeBoxes[13], " ");
        planner.leftToolbarButton(6)->trigger();
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
        planner.datePicker->setSelectedDate(QDate(2025, 4, 15));
        settle();
        planner.copyAction->trigger();
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
