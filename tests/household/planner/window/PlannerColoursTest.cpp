#include "PlannerWindowFixture.h"

#include "ColorNumber.h"
#include "GridBackgroundSelector.h"
#include "GridControl.h"
#include "PrintPreviewPanel.h"
#include "SettingsFile.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {

class PlannerColoursTest : public PlannerWindowTest {
protected:
    PlannerColoursTest() {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::green);
        for (int number = 1; number <= 16; ++number) {
            picture.save(fake.file(QString("WP%1.jpg").arg(number)));
        }
    }
    RecordFile gcolor2() const { return settingsFile(fake.folder, SettingsFile::GColor2); }
    static const QColor windowColour() {
        return ColorNumber::toColor(ColorNumber::kSystemFlag + 5);
    }
};

TEST_F(PlannerColoursTest, ChosenColoursApplyAtOnceAndReachTheirRecordsOnYes) {
    saveDay({2025, 3, 5}, "9:00 AM", "Dentist");
    openPlanner([&](PlannerWindow& planner) {
        fake.dialogs.answers = {Dialogs::Answer::Yes};
        fake.dialogs.colors = {QColor(0, 128, 0)};
        planner.leftToolbarButton(2)->trigger();
        EXPECT_EQ(planner.mainPanelFrame->backColour(), QColor(0, 128, 0));
        EXPECT_EQ(planner.printPreview->optionFrames[2]->palette().color(QPalette::Window),
                  QColor(0, 128, 0));
        EXPECT_EQ(planner.printPreview->sampleText->backColour(), QColor(0, 128, 0));
        EXPECT_EQ(planner.statusPanels->panelText(1), "Daily Planner");

        // The text colour: no question; the boxes and the grid, and the print colour after it.
        fake.dialogs.colors = {QColor(0, 0, 255)};
        planner.textColourAction->trigger();
        EXPECT_EQ(planner.activityBoxes[13]->palette().color(QPalette::Text), QColor(0, 0, 255));
        EXPECT_EQ(planner.monthGrid->foreColour(), QColor(0, 0, 255));
        EXPECT_EQ(services.program.PrintSettings.PrintFontColour, SharedValue(qint32(0xFF0000)));
        services.program.PrintSettings.PrintFontColour = qint32(0);
        planner.textColourAction->trigger(); // cancelled: the print colour is copied all the same
        EXPECT_EQ(services.program.PrintSettings.PrintFontColour, SharedValue(qint32(0xFF0000)));

        // A grid background previewed and cancelled is not saved.
        planner.ViewEntireMonth();
        planner.leftToolbarButton(1)->trigger();
        ASSERT_TRUE(planner.gridBackgroundSelector->isVisible());
        EXPECT_EQ(planner.statusPanels->panelText(1), "Grid Background Selector");
        // The planner's own design (5445 by 6600 twips), scaled with the window: thumbnail 5
        // at 1460, 1839 and the last button at 4115, 5947.
        const QSize panel = planner.gridBackgroundSelector->size();
        const auto at = [&](QWidget* control) {
            return QPointF(control->x() * 5445.0 / panel.width(),
                           control->y() * 6600.0 / panel.height());
        };
        EXPECT_NEAR(at(planner.gridBackgroundSelector->thumbnails[5]).x(), 1460, 40);
        EXPECT_NEAR(at(planner.gridBackgroundSelector->thumbnails[5]).y(), 1839, 40);
        EXPECT_NEAR(at(planner.gridBackgroundSelector->choiceButtons[3]).x(), 4115, 40);
        EXPECT_NEAR(at(planner.gridBackgroundSelector->choiceButtons[3]).y(), 5947, 40);
        planner.gridBackgroundSelector->thumbnails[3]->click();
        EXPECT_TRUE(planner.monthGrid->hasPicture());
        press(planner.gridBackgroundSelector->choiceButtons[0], Qt::Key_Escape);
        EXPECT_FALSE(planner.gridBackgroundSelector->isVisible());
        EXPECT_FALSE(planner.monthGrid->hasPicture());
        EXPECT_TRUE(planner.monthViewPanel->isVisible()); // Escape closed only the selector
        fake.dialogs.shown.clear();
        fake.dialogs.answers = {Dialogs::Answer::Yes};
    });
    EXPECT_EQ(messageTexts(), QStringList{"Save changes made to Panel and or Text Color?"});
    EXPECT_EQ(gcolor2().readText(20), QString::number(0x008000));
    EXPECT_EQ(gcolor2().readText(21), QString::number(0xFF0000));
    EXPECT_TRUE(gcolor2().readText(33).isEmpty());

    // The next opening shows them again.
    openPlanner([&](PlannerWindow& planner) {
        EXPECT_EQ(planner.mainPanelFrame->backColour(), QColor(0, 128, 0));
        EXPECT_EQ(planner.timeBoxes[0]->palette().color(QPalette::Text), QColor(0, 0, 255));
        EXPECT_EQ(planner.monthGrid->backColour(), windowColour());
    });
}

// The column headings lie on the ground that shows the program's background: white on the blue
// it starts with (black there stands out 2.4 to 1), black on the desktop's colour.
TEST_F(PlannerColoursTest, TheColumnHeadingsReadOnTheBackground) {
    for (const auto& [stored, headings] :
         {std::pair{QString(), QColor(Qt::white)}, std::pair{QString("Def"), QColor(Qt::black)}}) {
        SCOPED_TRACE(stored.toStdString());
        if (!stored.isEmpty()) {
            settingsFile(fake.folder, SettingsFile::HINV3).writeVariant(3, stored);
        }
        openPlanner([&](PlannerWindow& planner) {
            for (const QLabel* heading : planner.columnHeadings) {
                EXPECT_EQ(heading->palette().color(QPalette::WindowText), headings);
            }
        });
    }
}

TEST_F(PlannerColoursTest, AGridBackgroundSavedOnlyWhileItsChoiceStands) {
    gcolor2().writeText(33, "WP2");
    openPlanner([&](PlannerWindow& planner) {
        EXPECT_TRUE(planner.monthGrid->hasPicture());
        planner.ViewEntireMonth();
        planner.gridBackgroundAction->trigger();
        EXPECT_TRUE(planner.gridBackgroundSelector->selectionFrame->isVisible());
        planner.gridBackgroundSelector->thumbnails[6]->click();
        planner.gridBackgroundSelector->choiceButtons[2]->click();
        EXPECT_EQ(planner.monthGrid->row(), 1);
        EXPECT_EQ(planner.monthGrid->col(), 1);
        fake.dialogs.answers = {Dialogs::Answer::Yes};
    });
    EXPECT_EQ(gcolor2().readText(33), "WP7");

    openPlanner([&](PlannerWindow& planner) {
        planner.ViewEntireMonth();
        planner.gridBackgroundAction->trigger();
        planner.gridBackgroundSelector->choiceButtons[1]
            ->click(); // the default, then taken out by a cancel
        EXPECT_EQ(planner.monthGrid->backColour(), windowColour());
        planner.gridBackgroundAction->trigger();
        planner.gridBackgroundSelector->choiceButtons[3]->click();
        fake.dialogs.answers = {Dialogs::Answer::Yes};
    });
    EXPECT_EQ(gcolor2().readText(33), "WP7");
}

TEST_F(PlannerColoursTest, ColoursThatWouldHideTextAreRefused) {
    openPlanner([&](PlannerWindow& planner) {
        const QColor panel = planner.mainPanelFrame->backColour();
        fake.dialogs.answers = {Dialogs::Answer::Yes};
        fake.dialogs.colors = {planner.mainPanelFrame->foreColour(), windowColour()};
        planner.panelColourAction->trigger();
        planner.textColourAction->trigger();
        EXPECT_EQ(fake.dialogs.shownTexts().count(
                      "Selected Color would cause a conflict with Text and Background Colors!"),
                  2);
        EXPECT_EQ(planner.mainPanelFrame->backColour(), panel);
        EXPECT_NE(planner.timeBoxes[0]->palette().color(QPalette::Text), windowColour());
        EXPECT_FALSE(planner.coloursChanged());
    });
}

} // namespace
