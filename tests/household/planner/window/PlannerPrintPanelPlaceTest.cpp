#include "PlannerWindowFixture.h"

#include "PrintPreviewPanel.h"

namespace {

// The print preview panel stood past the bottom and right of the planner's main panel: its
// Cancel button and the Enlarge corner button were cut off.
TEST_F(PlannerWindowTest, ThePrintPreviewShowsEveryButtonWholeInsideTheMainPanel) {
    saveDay({2025, 3, 5}, "9:00 AM", "Dentist");
    openPlanner([&](PlannerWindow& planner) {
        planner.printAction->trigger();
        settle();
        ASSERT_TRUE(planner.printPreview->isOpen());
        for (const QPushButton* button : planner.printPreview->findChildren<QPushButton*>()) {
            const QRect inMainPanel(button->mapTo(planner.mainPanelFrame, QPoint()),
                                    button->size());
            EXPECT_TRUE(planner.mainPanelFrame->rect().contains(inMainPanel))
                << button->text().toStdString();
        }
    });
}

} // namespace
