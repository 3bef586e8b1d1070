#include "BackupWindow.h"
#include "DiskInfoFile.h"

#include "../../household/planner/window/PlannerWindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {

// The planner's own backup and restore commands, through the real backup window.
class PlannerHandOffTest : public PlannerWindowTest {
protected:
    PlannerHandOffTest() {
        services.windows.add(WindowCatalog::kBackupWindow,
                             [](Services& s) { return std::make_unique<BackupWindow>(s); });
    }

    // When the backup window shows: the floppy drive, then its start button, answering Yes.
    void startOnFloppy() {
        fake.modal.scripts.push_back([this](QWidget& window) {
            auto& backup = static_cast<BackupWindow&>(window);
            settle();
            backup.driveBox->setCurrentIndex(1);
            fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
            backup.startButton->click();
            status = backup.statusPanel->text();
        });
    }

    QString status;
};

TEST_F(PlannerHandOffTest, TheSelectedYearGoesToADiskAndComesBackIntoThePage) {
    saveDay({2025, 3, 5}, "9:00 AM", "Dentist");
    openPlanner([&](PlannerWindow& planner) {
        emit planner.utilitiesMenu->aboutToShow();
        ASSERT_TRUE(planner.backupAction->isEnabled());
        startOnFloppy();
        planner.backupAction->trigger();
        settle();
        EXPECT_EQ(status, "Backup Complete");
        EXPECT_EQ(fake.medium.disk().files.value("Disk2025.Bbk"),
                  DiskInfoFile::encode({"DPlan", 1, 1, 432, 2025}));

        saveDay({2025, 3, 5}, "9:00 AM", "Changed since the backup");
        startOnFloppy();
        planner.restoreAction->trigger();
        settle();
        EXPECT_EQ(status, "Restoration Completed");
        EXPECT_EQ(planner.activityBoxes[0]->text(), "Dentist");
    });
    EXPECT_EQ(services.program.BackupKind, 0);
    EXPECT_EQ(services.program.BackupMode, 0);
    EXPECT_EQ(fake.modal.shownClasses,
              (QStringList{"PlannerWindow", "BackupWindow", "BackupWindow"}));
}

} // namespace
