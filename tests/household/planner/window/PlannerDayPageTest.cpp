#include "PlannerWindowFixture.h"

#include "FullDisk.h"

#include <QClipboard>
#include <QDir>
#include <QSessionManager>

namespace {

using Answer = Dialogs::Answer;

TEST_F(PlannerWindowTest, TypedAndPickedEntriesAreSavedAsTheDaysRecord) {
    openPlanner([&](PlannerWindow& planner) {
        typeInto(planner.activityBoxes[0], "Dentist");
        EXPECT_EQ(planner.EntriesChanged, 1);
        // The time list shows beside the focused time box; a pick fills it and moves on.
        planner.timeBoxes[4]->setFocus(Qt::MouseFocusReason);
        settle();
        EXPECT_EQ(planner.timeList->y(), planner.timeBoxes[4]->y());
        EXPECT_GT(planner.timeList->geometry().right(), planner.timeBoxes[4]->geometry().right());
        EXPECT_EQ(planner.timeBoxes[4]->palette().color(QPalette::Base), QColor(255, 255, 0));
        pickTime(planner, "12:30 PM");
        EXPECT_EQ(planner.timeBoxes[4]->text(), "12:30 PM");
        EXPECT_EQ(QApplication::focusWidget(), planner.activityBoxes[4]);
        EXPECT_FALSE(planner.timeList->isVisible());
        EXPECT_NE(planner.timeBoxes[4]->palette().color(QPalette::Base), QColor(255, 255, 0));
        // Enter moves along the rows, from the last back to the first, and is never typed.
        typeInto(planner.activityBoxes[13], "Call Gran");
        press(planner.activityBoxes[13], Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), planner.timeBoxes[0]);
        press(planner.timeBoxes[0], Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), planner.activityBoxes[0]);
        EXPECT_EQ(planner.activityBoxes[0]->text(), "Dentist");

        QTest::mouseClick(planner.saveButton, Qt::LeftButton);
        settle();
        EXPECT_EQ(planner.EntriesChanged, 0);
    });
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    const QByteArray bytes = yearFile(2025);
    ASSERT_EQ(bytes.size(), 47700);
    EXPECT_EQ(bytes.left(52 * 900), QByteArray(52 * 900, '\0'));
    QByteArray expected = QByteArray(40, ' ') + "12:30 PM  " + QByteArray(90, ' ');
    expected += "Dentist" + QByteArray(43 + 12 * 50, ' ') + "Call Gran" + QByteArray(41, ' ');
    expected += "Full      " + QByteArray(50, '\0');
    EXPECT_EQ(bytes.mid(52 * 900), expected);
}

TEST_F(PlannerWindowTest, AnotherDayAsksAboutUnsavedEntriesAndYesWritesTheDayOnThePage) {
    const struct {
        Answer answer;
        bool saved;
    } cases[] = {{Answer::Yes, true}, {Answer::No, false}};
    for (const auto& testCase : cases) {
        QFile::remove(fake.file(YearFile::fileName(2025)));
        fake.dialogs.shown.clear();
        openPlanner([&](PlannerWindow& planner) {
            typeInto(planner.activityBoxes[2], "Piano lesson");
            fake.dialogs.answers.push_back(testCase.answer);
            clickDay(planner, 12);
            EXPECT_EQ(planner.datePanel->caption(), "March 12, 2025");
            EXPECT_EQ(planner.activityBoxes[2]->text(), "");
            EXPECT_EQ(planner.EntriesChanged, 0);
            EXPECT_EQ(planner.LoadedRecord, 123);
            // The day already shown asks nothing.
            clickDay(planner, 12);
        });
        EXPECT_EQ(messageTexts(), QStringList{"Save changes/entries before next action?"});
        EXPECT_EQ(fake.dialogs.shown[0].buttons, Dialogs::Buttons::YesNo);
        EXPECT_EQ(day({2025, 3, 5}).isFull(), testCase.saved);
        EXPECT_EQ(day({2025, 3, 5}).activities[2], testCase.saved ? "Piano lesson" : "");
        EXPECT_FALSE(day({2025, 3, 12}).isFull());
    }
}

TEST_F(PlannerWindowTest, AnArrowKeyWithUnsavedEditsAsksAndTheFocusStaysInThePicker) {
    openPlanner([&](PlannerWindow& planner) {
        typeInto(planner.timeBoxes[1], "8:15 AM");
        fake.dialogs.answers.push_back(Answer::Yes);
        pickerKey(planner, Qt::Key_Right);
        EXPECT_EQ(planner.datePanel->caption(), "March 6, 2025");
        EXPECT_EQ(QApplication::focusWidget(), pickerDays(planner));
        EXPECT_EQ(planner.timeBoxes[1]->text(), "");
    });
    EXPECT_EQ(messageTexts(), QStringList{"Save changes/entries before next action?"});
    EXPECT_EQ(day({2025, 3, 5}).times[1], "8:15 AM");
}

TEST_F(PlannerWindowTest, AFailedSaveSaysSoAndNothingThatAskedForItGoesOn) {
    openPlanner([&](PlannerWindow& planner) {
        typeInto(planner.activityBoxes[0], "Swim");
        {
            const FullDisk full(100);
            QTest::mouseClick(planner.saveButton, Qt::LeftButton);
            settle();
            // A day change whose save fails stays on the day, the picker with it.
            fake.dialogs.answers.push_back(Answer::Yes);
            pickerKey(planner, Qt::Key_Down);
            // So does the exit.
            fake.dialogs.answers.push_back(Answer::Yes);
            QTest::mouseClick(planner.exitButton, Qt::LeftButton);
            settle();
        }
        EXPECT_TRUE(planner.isVisible());
        EXPECT_EQ(planner.EntriesChanged, 1);
        EXPECT_EQ(planner.activityBoxes[0]->text(), "Swim");
        EXPECT_EQ(planner.datePicker->selectedDate(), QDate(2025, 3, 5));
        EXPECT_EQ(planner.datePanel->caption(), "March 5, 2025");
        fake.dialogs.answers.push_back(Answer::Yes);
        QTest::mouseClick(planner.exitButton, Qt::LeftButton);
        settle();
        EXPECT_FALSE(planner.isVisible());
    });
    const QString failed = "The entries for March 5, 2025 could not be saved!";
    EXPECT_EQ(messageTexts(), (QStringList{failed, "Save changes/entries before next action?",
                                           failed, "Save changes/entries before exiting?", failed,
                                           "Save changes/entries before exiting?"}));
    EXPECT_EQ(fake.dialogs.shown[0].title, "Disk Error");
    EXPECT_EQ(fake.dialogs.shown[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(day({2025, 3, 5}).activities[0], "Swim");
    EXPECT_FALSE(day({2025, 3, 12}).isFull());
}

TEST_F(PlannerWindowTest, AnUnreadableYearFileLocksThePageUntilAnotherDayLoads) {
    fake.clock.current.setDate({2025, 1, 15});
    ASSERT_TRUE(QDir(fake.directory.path()).mkdir(YearFile::fileName(2025)));
    saveDay({2024, 12, 15}, "6:00 PM", "Carols");
    openPlanner([&](PlannerWindow& planner) {
        EXPECT_FALSE(planner.timeBoxes[0]->isEnabled());
        EXPECT_FALSE(planner.activityBoxes[13]->isEnabled());
        EXPECT_FALSE(planner.saveButton->isEnabled());
        EXPECT_FALSE(planner.saveAction->isEnabled());
        EXPECT_EQ(planner.datePanel->caption(), "");
        pickerKey(planner, Qt::Key_PageUp);
        EXPECT_TRUE(planner.timeBoxes[0]->isEnabled());
        EXPECT_TRUE(planner.saveButton->isEnabled());
        EXPECT_EQ(planner.datePanel->caption(), "December 15, 2024");
        EXPECT_EQ(planner.activityBoxes[0]->text(), "Carols");
    });
    EXPECT_EQ(messageTexts(), QStringList{"The Daily Planner file for 2025 could not be read!"});
    EXPECT_EQ(fake.dialogs.shown[0].title, "Loading Error");
    EXPECT_EQ(fake.dialogs.shown[0].icon, Dialogs::Icon::Critical);
}

TEST_F(PlannerWindowTest, EveryEditMarksThePageAndBoxesKeepToWhatTheFileHolds) {
    saveDay({2025, 3, 5}, "9:00 AM", "Dentist");
    openPlanner([&](PlannerWindow& planner) {
        QLineEdit* activity = planner.activityBoxes[0];
        activity->setFocus(Qt::MouseFocusReason);
        settle();
        press(activity, Qt::Key_Home);
        EXPECT_EQ(planner.EntriesChanged, 0);
        press(activity, Qt::Key_Delete); // Delete alone
        EXPECT_EQ(activity->text(), "entist");
        EXPECT_EQ(planner.EntriesChanged, 1);

        // A paste turns tabs and line breaks into blanks and is cut at the box's length.
        planner.EntriesChanged = 0;
        QLineEdit* time = planner.timeBoxes[1];
        QApplication::clipboard()->setText("10:00\tAM\nlater");
        time->setFocus(Qt::MouseFocusReason);
        settle();
        QTest::keyClick(time, Qt::Key_V, Qt::ControlModifier);
        settle();
        EXPECT_EQ(time->text(), "10:00 AM");
        EXPECT_EQ(planner.EntriesChanged, 1);
        // What the year file cannot hold shows as "?", as it is saved.
        QApplication::clipboard()->setText(QString::fromUtf8("Tea ☕ Łódź"));
        planner.activityBoxes[1]->setFocus(Qt::MouseFocusReason);
        settle();
        QTest::keyClick(planner.activityBoxes[1], Qt::Key_V, Qt::ControlModifier);
        settle();
        EXPECT_EQ(planner.activityBoxes[1]->text(), QString::fromUtf8("Tea ? ?ód?"));

        fake.dialogs.answers.push_back(Answer::No);
        press(planner.activityBoxes[0], Qt::Key_Escape);
        EXPECT_FALSE(planner.isVisible());
    });
    EXPECT_EQ(messageTexts(), QStringList{"Save changes/entries before exiting?"});
    EXPECT_EQ(day({2025, 3, 5}).activities[0], "Dentist");
}

TEST_F(PlannerWindowTest, ClearingEmptiesThePageAndTheFileOnlyAtTheNextSave) {
    saveDay({2025, 3, 5}, "9:00 AM", "");
    openPlanner([&](PlannerWindow& planner) {
        fake.dialogs.answers.push_back(Answer::Yes);
        QTest::mouseClick(planner.clearEntriesButton, Qt::LeftButton);
        settle();
        EXPECT_EQ(planner.timeBoxes[0]->text(), "");
        EXPECT_EQ(planner.EntriesChanged, 1);
        EXPECT_EQ(day({2025, 3, 5}).times[0], "9:00 AM");
        EXPECT_EQ(planner.statusPanels->panelText(1), "Daily Planner");
        planner.leftToolbarButton(5)->trigger(); // nothing left to clear
        // Saving the empty page asks first, No being the default; Yes writes it.
        fake.dialogs.answers.push_back(Answer::Yes);
        planner.saveAction->trigger();
        EXPECT_EQ(planner.EntriesChanged, 0);
    });
    EXPECT_EQ(messageTexts(),
              (QStringList{"Clear all Entries for March 5, 2025?",
                           "There are currently No Entries to Clear!",
                           "There are currently No Entries to Save!\rSave anyway?"}));
    EXPECT_EQ(fake.dialogs.shown[2].buttons, Dialogs::Buttons::YesNoDefaultNo);
    YearFile::DayRecord cleared;
    cleared.status = YearFile::kFull;
    EXPECT_EQ(day({2025, 3, 5}), cleared);
}

TEST_F(PlannerWindowTest, AnotherActivitysButtonAsksFirstAndCancelKeepsThePlannerOpen) {
    services.windows.add(4, [](Services&) { return std::make_unique<QWidget>(); });
    openPlanner([&](PlannerWindow& planner) {
        typeInto(planner.activityBoxes[5], "Book club");
        fake.dialogs.answers.push_back(Answer::Cancel);
        planner.toolbar->button(4)->trigger();
        settle();
        EXPECT_TRUE(planner.isVisible());
        EXPECT_EQ(services.program.NextActivity, 0);
        EXPECT_EQ(planner.statusPanels->panelText(1), "Daily Planner");
        fake.dialogs.answers.push_back(Answer::Yes);
        planner.toolbar->button(4)->trigger();
        settle();
        EXPECT_FALSE(planner.isVisible());
    });
    EXPECT_EQ(messageTexts(), (QStringList{"Save changes/entries before exiting?",
                                           "Save changes/entries before exiting?"}));
    EXPECT_EQ(day({2025, 3, 5}).activities[5], "Book club");
    EXPECT_EQ(fake.modal.shownClasses, (QStringList{"PlannerWindow", "QWidget"}));
}

TEST_F(PlannerWindowTest, TheCloseBoxAsksTheExitsQuestion) {
    openPlanner([&](PlannerWindow& planner) {
        typeInto(planner.activityBoxes[0], "Walk");
        fake.dialogs.answers.push_back(Answer::Cancel);
        planner.close();
        settle();
        EXPECT_TRUE(planner.isVisible());
        fake.dialogs.answers.push_back(Answer::No);
    });
    EXPECT_EQ(messageTexts(), (QStringList{"Save changes/entries before exiting?",
                                           "Save changes/entries before exiting?"}));
    EXPECT_FALSE(day({2025, 3, 5}).isFull());
}

// A desktop logout: where the session lets the program ask, the exit's question is asked and
// Cancel keeps the session; where it does not, the page is saved.
TEST_F(PlannerWindowTest, ALogoutAsksOrSavesTheUnsavedPage) {
    auto* session = qApp->findChild<QSessionManager*>();
    ASSERT_NE(session, nullptr);
    openPlanner([&](PlannerWindow& planner) {
        typeInto(planner.activityBoxes[0], "Walk");
        fake.dialogs.answers.push_back(Answer::Cancel);
        EXPECT_FALSE(planner.SessionEnding(true));
        EXPECT_EQ(messageTexts(), QStringList{"Save changes/entries before exiting?"});
        EXPECT_FALSE(day({2025, 3, 5}).isFull());

        emit qApp->commitDataRequest(*session); // this session lets nothing be asked
        EXPECT_EQ(messageTexts().size(), 1);
        EXPECT_EQ(day({2025, 3, 5}).activities[0], "Walk");
        EXPECT_EQ(planner.EntriesChanged, 0);
    });
}

} // namespace
