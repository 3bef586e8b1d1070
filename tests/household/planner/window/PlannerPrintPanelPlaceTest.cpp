#include "PlannerWindowFixture.h"

#include "PrintPreviewPanel.h"

namespace {

// The print preview panel stood past the bottom and right of the planner's main panel: its
// Cancel button and the Enlarge corner button were cut off.
TEST_F(PlannerWindowTest, ThePrintPreviewShowsEveryButtonWholeInsideTheMainPanel) {
    saveDay({2025, 3, 5}, "9:00 AM", "Dentist");
    openPlanner([&](PlannerWindow& planner) {
        planner.mOP->trigger();
        settle();
        ASSERT_TRUE(planner.SSPanel80->isOpen());
        for (const QPushButton* button : planner.SSPanel80->findChildren<QPushButton*>()) {
            const QRect inMainPanel(button->mapTo(planner.Panel3D1, QPoint()), button->size());
            EXPECT_TRUE(planner.Panel3D1->rect().contains(inMainPanel))
                << button->text().toStdString();
        }
    });
}

} // namespace
