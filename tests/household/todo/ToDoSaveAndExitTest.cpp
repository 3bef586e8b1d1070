#include "ToDoWindowFixture.h"

#include "CrosswordWindow.h"
#include "FullDisk.h"

#include <QFileInfo>
#include <QSessionManager>

namespace {

enum class Way { ExitButton, Escape, ToolbarMain, CloseBox };

void leave(ToDoWindow& toDo, Way way) {
    switch (way) {
    case Way::ExitButton:
        QTest::mouseClick(toDo.commandButtons[ToDoWindow::ExitButton], Qt::LeftButton);
        break;
    case Way::Escape:
        toDo.commandButtons[ToDoWindow::ExitButton]->setFocus();
        QTest::keyClick(toDo.commandButtons[ToDoWindow::ExitButton], Qt::Key_Escape);
        break;
    case Way::ToolbarMain:
        toDo.toolbar->button(1)->trigger();
        break;
    case Way::CloseBox:
        toDo.close();
        break;
    }
    QCoreApplication::processEvents();
}

TEST_F(ToDoWindowTest, EveryWayOutAsksToSaveChangesAndCancelStays) {
    const Way ways[] = {Way::ExitButton, Way::Escape, Way::ToolbarMain, Way::CloseBox};
    const Dialogs::Answer answers[] = {Dialogs::Answer::Yes, Dialogs::Answer::No,
                                       Dialogs::Answer::Cancel};
    for (const Way way : ways) {
        for (const Dialogs::Answer answer : answers) {
            SCOPED_TRACE(::testing::Message() << "way " << int(way) << ", answer " << int(answer));
            QFile::remove(fake.file(ToDoFiles::kGridFile));
            fake.dialogs.shown.clear();
            openToDo([&](ToDoWindow& toDo) {
                typeInto(toDo.itemEntry[0], "Bank");
                click(toDo.commandButtons[ToDoWindow::AddButton]);
                fake.dialogs.answers.push_back(answer);
                leave(toDo, way);
                ASSERT_EQ(fake.dialogs.shown.size(), 1);
                const Dialogs::Message& asked = fake.dialogs.shown[0];
                EXPECT_EQ(asked.text, "Save changes made to To Do Grid before exiting?");
                EXPECT_EQ(asked.title, "To Do List");
                EXPECT_EQ(asked.icon, Dialogs::Icon::Question);
                EXPECT_EQ(asked.buttons, Dialogs::Buttons::YesNoCancel);
                EXPECT_EQ(toDo.isVisible(), answer == Dialogs::Answer::Cancel);
                if (answer == Dialogs::Answer::Cancel) {
                    EXPECT_EQ(toDo.ToDoChanged, 1);
                    EXPECT_EQ(cell(toDo, 1, 1), "Bank");
                    fake.dialogs.answers.push_back(Dialogs::Answer::No); // the fake's close
                }
            });
            const bool saved = QFileInfo::exists(fake.file(ToDoFiles::kGridFile));
            EXPECT_EQ(saved, answer == Dialogs::Answer::Yes);
        }
    }
}

// A logout that lets the program ask nothing saves the list instead of dropping it.
TEST_F(ToDoWindowTest, ALogoutSavesTheUnsavedList) {
    auto* session = qApp->findChild<QSessionManager*>();
    ASSERT_NE(session, nullptr);
    ASSERT_FALSE(session->allowsInteraction());
    openToDo([&](ToDoWindow& toDo) {
        typeInto(toDo.itemEntry[0], "Bank");
        click(toDo.commandButtons[ToDoWindow::AddButton]);
        emit qApp->commitDataRequest(*session);
        EXPECT_TRUE(fake.dialogs.shown.isEmpty());
        EXPECT_EQ(toDo.ToDoChanged, 0);
    });
    QFile grid(fake.file(ToDoFiles::kGridFile));
    ASSERT_TRUE(grid.open(QIODevice::ReadOnly));
    EXPECT_TRUE(grid.readAll().startsWith("\"Bank\"\r\n"));
}

TEST_F(ToDoWindowTest, AFailedSaveSaysSoKeepsTheOldFileAndTheWindowOpen) {
    writeGridFile({{"Old", "", ""}});
    const QByteArray old = readFile(ToDoFiles::kGridFile);
    openToDo([&](ToDoWindow& toDo) {
        typeInto(toDo.itemEntry[0], "New");
        click(toDo.commandButtons[ToDoWindow::AddButton]);
        {
            FullDisk disk(100);
            click(toDo.commandButtons[ToDoWindow::SaveButton]);
            EXPECT_EQ(toDo.ToDoChanged, 1);
            ASSERT_EQ(fake.dialogs.shown.size(), 1);
            EXPECT_EQ(fake.dialogs.shown[0].title, "Disk Error");
            EXPECT_EQ(fake.dialogs.shown[0].text,
                      "The To Do List could not be saved.\rYour changes are still in the grid.");
            EXPECT_EQ(fake.dialogs.shown[0].icon, Dialogs::Icon::Critical);
            // Yes to the exit question, and that save fails too: the window stays.
            fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
            click(toDo.commandButtons[ToDoWindow::ExitButton]);
            EXPECT_TRUE(toDo.isVisible());
            EXPECT_EQ(fake.dialogs.shown.size(), 3);
        }
        EXPECT_EQ(readFile(ToDoFiles::kGridFile), old);
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
    });
    EXPECT_TRUE(readFile(ToDoFiles::kGridFile).startsWith("\"Old\"\r\n\"\"\r\n\"\"\r\n\"New\""));
}

TEST_F(ToDoWindowTest, SaveWithoutChangesWritesNothingAndLeavingAsksNothing) {
    openToDo([&](ToDoWindow& toDo) {
        toDo.SaveToDoGrid();
        EXPECT_FALSE(QFileInfo::exists(fake.file(ToDoFiles::kGridFile)));
        EXPECT_FALSE(toDo.commandButtons[ToDoWindow::SaveButton]->isEnabled());
        EXPECT_FALSE(toDo.commandButtons[ToDoWindow::ClearButton]->isEnabled());
    });
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(fake.file(ToDoFiles::kNamesFile)));
}

TEST_F(ToDoWindowTest, ToolbarLeadsToTheCrosswordThroughTheMainWindow) {
    services.windows.add(2, [](Services& s) { return std::make_unique<CrosswordWindow>(s); });
    fake.modal.scripts.push_back(
        [](QWidget& window) { EXPECT_EQ(window.windowTitle(), "Crossword Puzzles"); });
    openToDo([&](ToDoWindow& toDo) {
        toDo.toolbar->button(2)->trigger();
        EXPECT_FALSE(toDo.isVisible());
    });
    settle();
    EXPECT_EQ(fake.modal.shownClasses, (QStringList{"ToDoWindow", "CrosswordWindow"}));
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    EXPECT_EQ(services.program.NextActivity, 0);
}

} // namespace
