#include "PlannerWindowFixture.h"

#include "CalendarOptions.h"
#include "OptionGroup.h"
#include "RecordCodec.h"
#include "SettingsFile.h"
#include "Twips.h"

#include <QMenu>
#include <QRadioButton>

namespace {

using Answer = Dialogs::Answer;

QByteArray optionRecords(const ProgramFolder& folder) {
    QByteArray bytes;
    const RecordFile file = settingsFile(folder, SettingsFile::SWR2);
    for (int record = 14; record <= 17; ++record) {
        bytes += file.read(record).left(2);
    }
    return bytes;
}

TEST_F(PlannerWindowTest, CalendarOptionsApplyAtOnceAndAreKeptWhenThePanelCloses) {
    saveDay({2025, 3, 5}, "9:00 AM", "Dentist");
    openPlanner([&](PlannerWindow& planner) {
        // Never saved: one month with week numbers from Sunday, today not marked.
        EXPECT_EQ(planner.datePicker->monthsShown(), 1);
        EXPECT_TRUE(planner.datePicker->weekNumbersShown());
        EXPECT_EQ(planner.datePicker->firstWeekday(), 1);
        EXPECT_FALSE(planner.datePicker->todayMarked());
        EXPECT_EQ(planner.datePicker->x(), Twips::toPixels(100));

        planner.leftToolbarButton(8)->trigger();
        EXPECT_TRUE(planner.calendarOptionsPanel->isVisible());
        EXPECT_EQ(planner.statusPanels->panelText(1), "Calendar Display Options");
        EXPECT_FALSE(planner.optionsMenu->menuAction()->isEnabled());
        EXPECT_FALSE(planner.leftToolbarButton(5)->isEnabled());
        // The weekday of a record never written selects nothing; Sunday stays selected.
        EXPECT_EQ(planner.firstWeekdayOptions->selected(), 0);
        // The right button opens no menu while the panel shows.
        QTest::mouseClick(planner.saveButton, Qt::RightButton);
        EXPECT_FALSE(planner.optionsMenu->isVisible());

        for (QRadioButton* option :
             {planner.monthsShownOptions->button(1), planner.weekNumberOptions->button(1),
              planner.firstWeekdayOptions->button(3), planner.todayMarkOptions->button(1)}) {
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        }
        settle();
        EXPECT_EQ(planner.datePicker->monthsShown(), 2);
        EXPECT_FALSE(planner.datePicker->weekNumbersShown());
        // Two months stand from 400 twips, or further left where they would reach past the panel.
        EXPECT_LE(planner.datePicker->x(), Twips::toPixels(400));
        EXPECT_LE(planner.datePicker->geometry().right(), planner.pickerPanel->rect().right());
        EXPECT_EQ(planner.datePicker->y(),
                  planner.pickerPanel->height() / 2 - planner.datePicker->height() / 2);
        EXPECT_EQ(planner.datePicker->firstWeekday(), 4);
        EXPECT_TRUE(planner.datePicker->todayMarked());

        press(planner.monthsShownOptions->button(1), Qt::Key_Escape); // Esc closes the panel only
        EXPECT_FALSE(planner.calendarOptionsPanel->isVisible());
        EXPECT_TRUE(planner.isVisible());
        EXPECT_TRUE(planner.leftToolbarButton(5)->isEnabled());
        EXPECT_TRUE(planner.optionsMenu->menuAction()->isEnabled());
        EXPECT_EQ(planner.statusPanels->panelText(1), "Daily Planner");
    });
    EXPECT_EQ(optionRecords(fake.folder), QByteArray::fromHex("0100010004000100"));

    // The next opening shows them again.
    openPlanner([&](PlannerWindow& planner) {
        EXPECT_EQ(planner.datePicker->monthsShown(), 2);
        EXPECT_EQ(planner.datePicker->firstWeekday(), 4);
        EXPECT_TRUE(planner.todayMarkOptions->button(1)->isChecked());
    });
}

TEST_F(PlannerWindowTest, AFreshPanelWritesAllFourZeroAndStrangeValuesSelectNothing) {
    openPlanner([&](PlannerWindow& planner) {
        planner.calendarOptionsAction->trigger();
        planner.closeOptionsButton->click();
        settle();
    });
    EXPECT_EQ(optionRecords(fake.folder), QByteArray(8, '\0'));

    CalendarOptions strange{5, 1, 9, 1};
    ASSERT_TRUE(strange.write(fake.folder));
    openPlanner([&](PlannerWindow& planner) {
        EXPECT_EQ(planner.datePicker->monthsShown(), 1);
        EXPECT_TRUE(planner.datePicker->weekNumbersShown());
        EXPECT_EQ(planner.datePicker->firstWeekday(), 1);
        EXPECT_TRUE(planner.datePicker->todayMarked());
        EXPECT_EQ(planner.monthsShownOptions->selected(), -1);
    });
}

// A backup window that notes what it was asked to do, and may replace the year file.
class PlannerBackupTest : public PlannerWindowTest {
protected:
    PlannerBackupTest() {
        services.windows.add(WindowCatalog::kBackupWindow, [](Services&) {
            auto window = std::make_unique<QWidget>();
            window->setObjectName("Backup1");
            return window;
        });
    }

    // Runs when the backup window shows; a restore replaces the file when asked to.
    void expectBackupWindow(bool restores) {
        fake.modal.scripts.push_back([this, restores](QWidget&) {
            seen.push_back({services.program.BackupKind, services.program.BackupMode,
                            services.program.SignalValue});
            if (restores) {
                saveDay({2025, 3, 5}, "7:00 AM", "Restored run");
                services.program.RestoreCompleted = 1;
            }
            services.program.BackupKind = 0;
            services.program.BackupMode = 0;
        });
    }

    struct Contract {
        int kind;
        int mode;
        double year;
        bool operator==(const Contract&) const = default;
    };
    std::vector<Contract> seen;
};

TEST_F(PlannerBackupTest, TheBackupWindowGetsTheSelectedYearAndThePageComesBack) {
    openPlanner([&](PlannerWindow& planner) {
        // A year file never written has nothing to back up.
        emit planner.utilitiesMenu->aboutToShow();
        EXPECT_FALSE(planner.backupAction->isEnabled());
        EXPECT_TRUE(planner.restoreAction->isEnabled());

        typeInto(planner.activityBoxes[3], "Dentist");
        planner.saveButton->click();
        emit planner.utilitiesMenu->aboutToShow();
        ASSERT_TRUE(planner.backupAction->isEnabled());
        typeInto(planner.activityBoxes[4], "Lunch");
        fake.dialogs.answers.push_back(Answer::No);
        expectBackupWindow(false);
        planner.backupAction->trigger();
        settle();
        // The page shows the loaded day again, as saved.
        EXPECT_EQ(planner.activityBoxes[3]->text(), "Dentist");
        EXPECT_EQ(planner.activityBoxes[4]->text(), "");
        EXPECT_EQ(planner.EntriesChanged, 0);

        // A restore asks about unsaved entries first, then loads the replaced file on today.
        pickerKey(planner, Qt::Key_Down);
        typeInto(planner.activityBoxes[0], "Gym");
        fake.dialogs.answers.push_back(Answer::No);
        expectBackupWindow(true);
        planner.restoreAction->trigger();
        settle();
        EXPECT_EQ(planner.datePicker->selectedDate(), QDate(2025, 3, 5));
        EXPECT_EQ(planner.activityBoxes[0]->text(), "Restored run");
        EXPECT_EQ(planner.timeList->count(), 31);
        EXPECT_TRUE(planner.exitButton->isEnabled());
    });
    EXPECT_EQ(seen, (std::vector<Contract>{{32, 0, 2025}, {33, 99, 2025}}));
    EXPECT_EQ(messageTexts(), (QStringList{"Save changes/entries before next action?",
                                           "Save changes/entries before next action?"}));
    EXPECT_EQ(fake.modal.shownClasses, (QStringList{"PlannerWindow", "QWidget", "QWidget"}));
    EXPECT_FALSE(day({2025, 3, 12}).isFull());
}

TEST_F(PlannerWindowTest, WithoutTheBackupWindowBothCommandsStayDisabled) {
    saveDay({2025, 3, 5}, "", "Dentist");
    openPlanner([&](PlannerWindow& planner) {
        emit planner.utilitiesMenu->aboutToShow();
        EXPECT_FALSE(planner.backupAction->isEnabled());
        EXPECT_FALSE(planner.restoreAction->isEnabled());
    });
}

} // namespace
