#include "ToDoWindowFixture.h"

#include "PrintPreviewPanel.h"
#include "TextMeasure.h"
#include "ToDoPrintPanel.h"

#include <QMenu>
#include <QToolBar>

namespace {

class ToDoShellTest : public ToDoWindowTest {
protected:
    // The right-click menu over the date label; whether it showed and offered "Cop&y".
    struct Popup {
        bool shown;
        bool copyOffered;
    };
    static Popup rightClick(ToDoWindow& toDo) {
        QTest::mouseClick(toDo.dateLabel, Qt::RightButton);
        settle();
        const Popup popup{toDo.optionsMenu->isVisible(), toDo.optionsCopyAction->isVisible()};
        toDo.optionsMenu->hide();
        settle();
        return popup;
    }

    void registerBackupWindow() {
        services.windows.add(WindowCatalog::kBackupWindow, [](Services&) {
            auto window = std::make_unique<QWidget>();
            window->setObjectName("Backup1");
            return window;
        });
    }
    // The next backup window notes the call contract and, for a completed restore, replaces the
    // to-do file.
    void expectBackupWindow(const std::vector<ToDoRow>& restored = {}) {
        fake.modal.scripts.push_back([this, restored](QWidget&) {
            contracts.push_back({services.program.BackupKind, services.program.BackupMode});
            if (!restored.empty()) {
                writeGridFile(restored);
                services.program.RestoreCompleted = 1;
            }
            services.program.BackupKind = 0;
            services.program.BackupMode = 0;
        });
    }

    std::vector<std::pair<int, int>> contracts;
};

TEST_F(ToDoShellTest, CopyLinesUpTheItemsInTheEngineFont) {
    writeGridFile({{"Call the bank", "Wednesday - Mar 25, 26", ""},
                   {},
                   {"  Pay rent ", "", "Friday - Mar 27, 26"}});
    openToDo([this](ToDoWindow& toDo) {
        toDo.editMenu->popup(toDo.mapToGlobal(QPoint(10, 10)));
        settle();
        EXPECT_EQ(toDo.toDoGrid->row(), 1);
        EXPECT_EQ(toDo.toDoGrid->col(), 1);
        ASSERT_TRUE(toDo.editCopyAction->isEnabled());
        toDo.editMenu->hide();
        toDo.editCopyAction->trigger();
        settle();
        ASSERT_EQ(fake.clipboard.texts.size(), 1);
        const QString text = fake.clipboard.texts[0];
        ASSERT_TRUE(text.startsWith("To Do List\r\nDate: March 25, 2026\r\n\r\n"));
        QStringList lines = text.split('\r');
        // The three heading lines end in CR LF, the header and the items in CR alone.
        ASSERT_EQ(lines.size(), 7);
        // Each item and its blanks reach the first stop in the default print font, one blank
        // less does not.
        const PrintFont font;
        const double first = std::nearbyint(TextMeasure::width(font, QString(21, 'n')) + 10);
        for (const QString& line : {lines[4], lines[5]}) {
            const QString padded = line.section('\t', 0, 0);
            EXPECT_GE(TextMeasure::width(font, padded), first) << line.toStdString();
            EXPECT_LT(TextMeasure::width(font, padded.chopped(1)), first) << line.toStdString();
        }
        EXPECT_TRUE(lines[4].startsWith("Call the bank "));
        EXPECT_TRUE(lines[5].startsWith("Pay rent "));
        EXPECT_TRUE(lines[4].endsWith("\t\t"));
        EXPECT_TRUE(lines[5].endsWith("\tFriday - Mar 27, 26\t"));
        EXPECT_TRUE(lines[6].isEmpty());
        EXPECT_EQ(fake.dialogs.shown.last().text, "Data has been copied to the Windows Clipboard.");
        EXPECT_EQ(fake.dialogs.shown.last().title, "Copy Option");
    });
}

TEST_F(ToDoShellTest, OnlyTheFirstItemCellOffersCopyButTheSideButtonAlwaysCopies) {
    writeGridFile({{}, {"Walk the dog", "", ""}});
    openToDo([this](ToDoWindow& toDo) {
        EXPECT_FALSE(toDo.commandButtons[ToDoWindow::SaveButton]->isEnabled()) << "row 1 empty";
        EXPECT_FALSE(toDo.clearGridAction->isEnabled());
        toDo.UpdateEditMenu();
        EXPECT_FALSE(toDo.editCopyAction->isEnabled());
        const Popup popup = rightClick(toDo);
        EXPECT_TRUE(popup.shown);
        EXPECT_FALSE(popup.copyOffered);
        toDo.leftToolbarButton(5)->trigger();
        settle();
        ASSERT_EQ(fake.clipboard.texts.size(), 1);
        EXPECT_TRUE(fake.clipboard.texts[0].contains("Walk the dog"));
    });
}

TEST_F(ToDoShellTest, RightClickOffersCopyWhileRowOneHoldsAnItemAndNothingDuringPreview) {
    writeGridFile({{"Call the bank", "", ""}});
    openToDo([this](ToDoWindow& toDo) {
        Popup popup = rightClick(toDo);
        EXPECT_TRUE(popup.copyOffered);
        EXPECT_FALSE(toDo.optionsCopyAction->isVisible()) << "hidden again once the menu closed";
        toDo.printAction->trigger();
        settle();
        popup = rightClick(toDo);
        EXPECT_FALSE(popup.shown);
        // Every side button only beeps while the preview shows.
        for (int button = 1; button <= 9; ++button) {
            toDo.RunSideToolbarButton(button);
            settle();
        }
        EXPECT_EQ(fake.sound.played, QStringList(9, FakeSound::kBeep));
        EXPECT_TRUE(toDo.isVisible());
        EXPECT_TRUE(fake.clipboard.texts.isEmpty());
        click(toDo.printPreview->commandButtons[2]);
    });
}

TEST_F(ToDoShellTest, SideToolbarHasItsNineButtons) {
    openToDo([](ToDoWindow& toDo) {
        const QStringList expected = {"Grid Background Selector",
                                      "Grid Text Color",
                                      "Panel Color",
                                      "Insert New Row",
                                      "Copy",
                                      "Print To Do Worksheet",
                                      "Print",
                                      "Help",
                                      "Exit"};
        for (int button = 1; button <= 9; ++button) {
            EXPECT_EQ(toDo.leftToolbarButton(button)->toolTip(), expected[button - 1]);
            EXPECT_FALSE(toDo.leftToolbarButton(button)->icon().isNull());
        }
        EXPECT_EQ(toDo.leftToolbarButton(4)->isEnabled(), toDo.insertRowAction->isEnabled());
        toDo.leftToolbarButton(6)->trigger();
        settle();
        EXPECT_TRUE(toDo.printPreview->isOpen());
        click(toDo.printPreview->commandButtons[2]);
    });
}

TEST_F(ToDoShellTest, UtilitiesWaitForTheBackupWindow) {
    writeGridFile({{}, {}, {"Call the bank", "", ""}});
    openToDo([](ToDoWindow& toDo) {
        toDo.UpdateBackupMenu();
        EXPECT_FALSE(toDo.backupAction->isEnabled());
        EXPECT_FALSE(toDo.restoreAction->isEnabled());
    });
    registerBackupWindow();
    openToDo([](ToDoWindow& toDo) {
        toDo.UpdateBackupMenu();
        EXPECT_TRUE(toDo.backupAction->isEnabled()) << "row 3 holds an item";
        EXPECT_TRUE(toDo.restoreAction->isEnabled());
    });
    writeGridFile({{"   ", "Wednesday - Mar 25, 26", ""}});
    openToDo([](ToDoWindow& toDo) {
        toDo.UpdateBackupMenu();
        EXPECT_FALSE(toDo.backupAction->isEnabled()) << "blanks only";
    });
}

TEST_F(ToDoShellTest, BackupAsksToSaveAndStopsOnCancel) {
    registerBackupWindow();
    writeGridFile({{"Call the bank", "", ""}});
    openToDo([this](ToDoWindow& toDo) {
        toDo.ToDoChanged = 1;
        toDo.UpdateBackupMenu();
        fake.dialogs.answers.push_back(Dialogs::Answer::Cancel);
        toDo.backupAction->trigger();
        settle();
        EXPECT_TRUE(contracts.empty());
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        EXPECT_EQ(fake.dialogs.shown[0].buttons, Dialogs::Buttons::YesNoCancel);
        EXPECT_EQ(toDo.ToDoChanged, 1);
        fake.dialogs.answers.push_back(Dialogs::Answer::No);
        expectBackupWindow();
        toDo.backupAction->trigger();
        settle();
        EXPECT_EQ(contracts, (std::vector<std::pair<int, int>>{{30, 0}}));
        toDo.ToDoChanged = 0;
    });
}

// A restore reloads the grid only when the backup window replaced the file; otherwise the
// unsaved changes stay.
TEST_F(ToDoShellTest, RestoreReloadsOnlyWhenCompleted) {
    registerBackupWindow();
    writeGridFile({{"Call the bank", "", ""}});
    openToDo([this](ToDoWindow& toDo) {
        toDo.toDoGrid->setRow(1);
        toDo.toDoGrid->setCol(1);
        toDo.toDoGrid->setText("Changed here");
        toDo.ToDoChanged = 1;
        toDo.UpdateBackupMenu();
        expectBackupWindow();
        toDo.restoreAction->trigger();
        settle();
        EXPECT_TRUE(fake.dialogs.shown.isEmpty()) << "no save question";
        EXPECT_EQ(cell(toDo, 1, 1), "Changed here");
        EXPECT_EQ(toDo.ToDoChanged, 1);

        expectBackupWindow({{"Restored item", "", ""}});
        toDo.restoreAction->trigger();
        settle();
        EXPECT_EQ(cell(toDo, 1, 1), "Restored item");
        EXPECT_EQ(toDo.ToDoChanged, 0);
        EXPECT_EQ(contracts, (std::vector<std::pair<int, int>>{{31, 99}, {31, 99}}));
    });
}

} // namespace
