#include "StandardModuleFixture.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

using ProgramStateTest = StandardModuleFixture;

TEST_F(ProgramStateTest, PausesEndAtTheNextTickOfTheSecondsOrTheOneAfter) {
    const struct {
        QTime start;
        int seconds;
        QTime end;
    } cases[] = {
        {{10, 0, 58, 400}, 1, {10, 0, 59}}, {{10, 0, 59, 999}, 1, {10, 1, 0}},
        {{10, 0, 58, 0}, 2, {10, 1, 0}},    {{10, 0, 59, 500}, 2, {10, 1, 1}},
        {{23, 59, 59, 0}, 1, {0, 0, 0}},
    };
    for (const auto& testCase : cases) {
        fake.clock.current = QDateTime(QDate(2026, 3, 25), testCase.start);
        testCase.seconds == 1 ? program.PauseOneSecond() : program.PauseTwoSeconds();
        EXPECT_EQ(fake.clock.current.time(), testCase.end)
            << testCase.start.toString().toStdString();
    }
}

TEST_F(ProgramStateTest, APauseReadLateEndsAtOnceInsteadOfAMinuteLater) {
    // The clock jumps past the target while the program is suspended: the wait is over.
    fake.clock.current = QDateTime(QDate(2026, 3, 25), QTime(10, 0, 58));
    program.PauseOneSecond();
    ASSERT_EQ(fake.clock.waits.size(), 1);
    EXPECT_EQ(fake.clock.waits.front(), QDateTime(QDate(2026, 3, 25), QTime(10, 0, 59)));
}

TEST_F(ProgramStateTest, SharedMessagesHaveTheirExactWording) {
    program.ColorConflictAlert();
    program.ActivityLoadErrorMessage();
    program.AllDisplayedMessage("Quotes");
    program.AllDisplayedMessage("");
    ASSERT_EQ(fake.dialogs.shown.size(), 4);

    const auto& conflict = fake.dialogs.shown[0];
    EXPECT_EQ(conflict.text,
              "Selected Color would cause a conflict with Text and Background Colors!");
    EXPECT_EQ(conflict.title, "Color Conflict");
    EXPECT_EQ(conflict.icon, Dialogs::Icon::Critical);
    EXPECT_EQ(conflict.buttons, Dialogs::Buttons::Ok);

    const auto& loading = fake.dialogs.shown[1];
    EXPECT_TRUE(loading.text.startsWith("The files used by this activity cannot be loaded.  Either "
                                        "the files are missing or corrupted.  Please re-install"));
    EXPECT_TRUE(loading.text.endsWith("we will send you a new disk(s)."));
    EXPECT_EQ(loading.title, "Loading Error");
    EXPECT_EQ(loading.icon, Dialogs::Icon::Critical);

    const auto& displayed = fake.dialogs.shown[2];
    EXPECT_EQ(displayed.text, "All Quotes have been displayed!\rProgram will begin randomly "
                              "selecting \rfrom all Quotes again.");
    EXPECT_EQ(displayed.title, "Activity Information");
    EXPECT_EQ(displayed.icon, Dialogs::Icon::Information);
    EXPECT_EQ(
        fake.dialogs.shown[3].text,
        "All  have been displayed!\rProgram will begin randomly selecting \rfrom all  again.");
}

TEST_F(ProgramStateTest, ThePointerIsOneApplicationWideValueAndTheLastCallWins) {
    program.BusyPointer();
    program.BusyPointer();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    program.NoDropPointer();
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    program.NormalPointer();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    program.BusyPointer();
    program.AllDisplayedMessage("Puzzles");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
