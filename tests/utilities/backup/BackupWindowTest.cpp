#include "BackupWindow.h"

#include "AccessibilityEvents.h"
#include "BackupFixture.h"
#include "ColorNumber.h"
#include "DiskInfoFile.h"
#include "ScreenReader.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

class BackupWindowTest : public BackupFixture {
protected:
    std::unique_ptr<BackupWindow> open(int kind, int mode, double year = 0) {
        services.program.BackupKind = kind;
        services.program.BackupMode = mode;
        services.program.SignalValue = year;
        return std::make_unique<BackupWindow>(services);
    }
    static void chooseFloppy(BackupWindow& window) { window.driveBox->setCurrentIndex(1); }
    static bool startable(const BackupWindow& window) {
        const QAction* command =
            window.restoreAction->isVisible() ? window.restoreAction : window.makeBackupAction;
        EXPECT_EQ(window.startButton->isEnabled(), command->isEnabled());
        return window.startButton->isEnabled();
    }

    // The folder the list's highlight stands on, as the window names folders.
    static QString highlighted(const BackupWindow& window) {
        return QDir(window.folderList->currentIndex()
                        .data(QFileSystemModel::FilePathRole)
                        .toString())
                   .path() +
               '/';
    }
    // Waits until the list has read the children of the folder at index.
    static bool waitForRows(const BackupWindow& window, const QModelIndex& index, int rows) {
        return QTest::qWaitFor([&] { return window.folderList->model()->rowCount(index) == rows; },
                               10'000);
    }

    // The second drive: the folders alpha, beta and gamma at drive's root.
    void useDriveOfThreeFolders(const QTemporaryDir& drive) {
        for (const char* name : {"alpha", "beta", "gamma"}) {
            ASSERT_TRUE(QDir(drive.path()).mkdir(name));
        }
        fake.medium.folder = drive.path() + '/';
        fake.medium.driveList[1].root = fake.medium.folder;
    }

    Services services{fake.platform};
};

TEST_F(BackupWindowTest, TheWindowNamesItsFamilyAndStartsOnlyOffTheProgramFolder) {
    auto toDo = open(30, 0);
    EXPECT_EQ(toDo->windowTitle(), "Backup To Do Files");
    EXPECT_EQ(toDo->startButton->text(), "&Make Backup");
    EXPECT_FALSE(toDo->restoreAction->isVisible());
    EXPECT_EQ(toDo->chosenFolder(), QDir(fake.folder.path()).path() + "/");
    EXPECT_FALSE(toDo->startButton->isEnabled());
    EXPECT_FALSE(toDo->makeBackupAction->isEnabled());
    chooseFloppy(*toDo);
    EXPECT_TRUE(startable(*toDo));
    EXPECT_EQ(toDo->pathLabel->text(), "/media/floppy/");

    auto restore = open(33, 99, 2003);
    EXPECT_EQ(restore->windowTitle(), "Restore 2003 Daily Planner File from Backup Media");
    EXPECT_EQ(restore->startButton->text(), "&Restore 2003 Daily Planner File");
    EXPECT_FALSE(restore->makeBackupAction->isVisible());
    EXPECT_TRUE(restore->instructions->text().contains(
        "ERASE ALL EXISTING 2003 DAILY PLANNER FILE IN THE PROGRAM"));
    chooseFloppy(*restore);
    EXPECT_TRUE(startable(*restore));
}

TEST_F(BackupWindowTest, AStrangeRequestOrAnUnavailableDriveNeverStarts) {
    auto mismatched = open(30, 99);
    chooseFloppy(*mismatched);
    EXPECT_FALSE(startable(*mismatched));
    auto noYear = open(32, 0, 0);
    chooseFloppy(*noYear);
    EXPECT_FALSE(startable(*noYear));

    // No disk in the drive: told so, back on the program folder, and not startable.
    auto window = open(30, 0);
    fake.medium.insert(-1);
    chooseFloppy(*window);
    EXPECT_EQ(fake.dialogs.shownTexts(), QStringList{"Device/Drive is Unavailable!"});
    EXPECT_EQ(window->driveBox->currentIndex(), 0);
    EXPECT_EQ(window->chosenFolder(), QDir(fake.folder.path()).path() + "/");
    EXPECT_FALSE(startable(*window));
}

TEST_F(BackupWindowTest, APlannerYearIsBackedUpFromTheWindowAndTheCallerSeesTheWindowReset) {
    writeYear(31);
    auto window = open(32, 0, 2003);
    EXPECT_EQ(window->windowTitle(), "Backup 2003 Daily Planner File");
    chooseFloppy(*window);
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->makeBackupAction->trigger();
    ASSERT_FALSE(fake.dialogs.shown.isEmpty());
    EXPECT_EQ(fake.dialogs.shown.first().text,
              "This utility will first Delete all existing  2003 Daily Planner files\rlocated in "
              "Path: /media/floppy/\r\rProceed?");
    EXPECT_EQ(fake.dialogs.shown.first().buttons, Dialogs::Buttons::YesNoCancelDefaultNo);
    EXPECT_EQ(spokenName(window->statusPanel), "Backup Complete");
    EXPECT_EQ(spokenDescription(window->statusPanel), "Status");
    EXPECT_TRUE(window->statusPanel->isVisibleTo(window.get()));
    EXPECT_FALSE(window->progressBar->isVisibleTo(window.get()));
    EXPECT_EQ(onDisk(0, "Disk2003.Bbk"), DiskInfoFile::encode({"DPlan", 1, 1, 432, 2003}));
    window->close();
    EXPECT_EQ(services.program.BackupKind, 0);
    EXPECT_EQ(services.program.BackupMode, 0);
}

TEST_F(BackupWindowTest, NoToDoFileIsToldBeforeAnythingIsAsked) {
    auto window = open(30, 0);
    chooseFloppy(*window);
    window->startButton->click();
    EXPECT_EQ(fake.dialogs.shownTexts(), QStringList{"There is no saved To Do file to back up."});
    EXPECT_EQ(window->statusPanel->text(), "Backup Not Completed");
    EXPECT_TRUE(fake.medium.disk().files.isEmpty());
}

TEST_F(BackupWindowTest, OnlyACompletedRestoreTellsTheCallerToReload) {
    const QByteArray list = toDoFile(5);
    writeProgramFile("TODOActv.FIL", list);
    {
        auto backup = open(30, 0);
        chooseFloppy(*backup);
        fake.dialogs.answers = {Dialogs::Answer::Yes};
        backup->startButton->click();
        ASSERT_EQ(backup->statusPanel->text(), "Backup Complete");
    }
    writeProgramFile("TODOActv.FIL", toDoFile(2));

    auto declined = open(31, 99);
    chooseFloppy(*declined);
    fake.dialogs.answers = {Dialogs::Answer::No};
    declined->startButton->click();
    EXPECT_EQ(services.program.RestoreCompleted, 0);
    EXPECT_TRUE(startable(*declined));
    declined->close();

    services.program.RestoreCompleted = 1; // left over from an earlier restore
    auto window = open(31, 99);
    EXPECT_EQ(services.program.RestoreCompleted, 0);
    chooseFloppy(*window);
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->startButton->click();
    EXPECT_EQ(spokenName(window->statusPanel), "Restoration Completed");
    EXPECT_EQ(programFile("TODOActv.FIL"), list);
    EXPECT_FALSE(startable(*window));
    window->close();
    EXPECT_EQ(services.program.RestoreCompleted, 1);
    EXPECT_EQ(services.program.BackupKind, 0);
}

TEST_F(BackupWindowTest, WhileABackupRunsTheCloseBoxAndTheCommandsDoNothing) {
    writeProgramFile("TODOActv.FIL", toDoFile(500));
    fake.medium.disks[0].capacity = 8'000;
    const int second = fake.medium.addDisk(100'000);
    auto window = open(30, 0);
    chooseFloppy(*window);
    bool stillOpen = false;
    fake.dialogs.onShow = [&](const Dialogs::Message& box) {
        if (box.text.contains("Please Insert Backup Disk #2")) {
            window->close();
            window->startButton->click();
            window->chooseFolder("/elsewhere");
            stillOpen = window->isRunning() && services.program.BackupKind == 30;
            fake.medium.insert(second);
        }
    };
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Ok};
    window->startButton->click();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(window->statusPanel->text(), "Backup Complete");
    EXPECT_EQ(window->chosenFolder(), "/media/floppy/");
    EXPECT_EQ(fake.dialogs.shownTexts().filter("Proceed?").size(), 1);
}

TEST_F(BackupWindowTest, TheCommandFollowsTheFolderAndTheRequestNotWhatARoutineLeft) {
    writeYear(31);
    auto backup = open(32, 0, 2003);
    chooseFloppy(*backup);
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    backup->startButton->click();
    ASSERT_EQ(backup->statusPanel->text(), "Backup Complete");
    EXPECT_TRUE(startable(*backup));
    backup->chooseFolder(fake.folder.path());
    EXPECT_FALSE(startable(*backup));
    backup->chooseFolder(fake.medium.folder);
    EXPECT_TRUE(startable(*backup));

    // Disk 1 of a planner set of two; the restore is stopped where it asks for disk 2.
    fake.medium.disk().files = {{"Disk2003.Bbk", DiskInfoFile::encode({"DPlan", 1, 2, 215, 2003})},
                                {" 2003.Bb1", QByteArray(214 * YearFile::kRecordLength, ' ')}};
    auto restore = open(33, 99, 2003);
    chooseFloppy(*restore);
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Cancel};
    restore->startButton->click();
    EXPECT_TRUE(fake.dialogs.shownTexts().contains("Please insert Backup Disk #2"));
    EXPECT_EQ(restore->statusPanel->text(), "Restore Not Completed");
    EXPECT_TRUE(startable(*restore));
}

TEST_F(BackupWindowTest, TheFolderHighlightedByMouseOrKeyboardIsTheFolderChosen) {
    QTemporaryDir drive;
    useDriveOfThreeFolders(drive);
    auto window = open(30, 0);
    window->show();
    chooseFloppy(*window);
    ASSERT_TRUE(waitForRows(*window, window->folderList->rootIndex(), 3));
    EXPECT_EQ(window->chosenFolder(), fake.medium.folder);

    const auto expectChosen = [&](const QString& name, const char* how) {
        if (!name.isEmpty()) {
            EXPECT_EQ(window->chosenFolder(), fake.medium.folder + name + '/') << how;
        }
        EXPECT_NE(window->chosenFolder(), fake.medium.folder) << how;
        EXPECT_EQ(highlighted(*window), window->chosenFolder()) << how;
        EXPECT_EQ(window->pathLabel->text(), window->chosenFolder()) << how;
        EXPECT_TRUE(startable(*window)) << how;
    };
    window->folderList->setFocus();
    QTest::keyClick(window->folderList, Qt::Key_Down);
    expectChosen({}, "the first arrow key");
    const QString first = window->chosenFolder();
    QTest::keyClick(window->folderList, Qt::Key_Down);
    expectChosen({}, "another arrow key");
    EXPECT_NE(window->chosenFolder(), first);
    QTest::keyClicks(window->folderList, "g");
    expectChosen("gamma", "typing its first letter");
    const QModelIndex beta = static_cast<QFileSystemModel*>(window->folderList->model())
                                 ->index(fake.medium.folder + "beta");
    QTest::mouseClick(window->folderList->viewport(), Qt::LeftButton, {},
                      window->folderList->visualRect(beta).center());
    expectChosen("beta", "a click");
    window->chooseFolder(fake.medium.folder + "alpha");
    expectChosen("alpha", "chosen from the code");
}

TEST_F(BackupWindowTest, TheFolderListOpensWithTheChosenFolderInView) {
    // The program folder below sixty other folders of its drive.
    QTemporaryDir drive;
    for (int folder = 0; folder < 60; ++folder) {
        ASSERT_TRUE(QDir(drive.path()).mkdir(QString("a%1").arg(folder, 2, 10, QChar('0'))));
    }
    ASSERT_TRUE(QDir(drive.path()).mkpath("zz/korvane"));
    ProgramFolder deep(drive.path() + "/zz/korvane");
    Platform platform{fake.dialogs,  fake.modal,     fake.clock,   fake.random,
                      fake.registry, deep,           fake.sound,   fake.help,
                      fake.web,      fake.clipboard, fake.printer, fake.medium};
    Services deepServices{platform};
    fake.medium.driveList = {{"/", "/"}, {drive.path() + '/', "drive"}};
    deepServices.program.BackupKind = 30;
    BackupWindow window(deepServices);
    window.show();
    ASSERT_EQ(window.driveBox->currentIndex(), 1);
    // Once the drive's folders are all read and in order, the program folder is the last row.
    const QAbstractItemModel& folders = *window.folderList->model();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QModelIndex root = window.folderList->rootIndex();
            return folders.rowCount(root) == 61 && folders.index(60, 0, root).data() == "zz";
        },
        10'000));
    ASSERT_EQ(highlighted(window), deep.path() + '/');
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return window.folderList->viewport()->rect().contains(
                window.folderList->visualRect(window.folderList->currentIndex()));
        },
        5'000));
}

TEST_F(BackupWindowTest, TheInstructionNamesTheStartButtonWithoutItsAccessKeyMark) {
    for (const auto& [kind, mode, button] :
         {std::tuple{30, 0, "Click the Make Backup Button"},
          std::tuple{31, 99, "Click Restore To Do Files Button"}}) {
        auto window = open(kind, mode);
        window->show();
        EXPECT_TRUE(window->instructions->text().contains(button)) << kind;
        EXPECT_FALSE(window->instructions->text().contains('&')) << kind;
        QAccessibleInterface* start = QAccessible::queryAccessibleInterface(window->startButton);
        ASSERT_NE(start, nullptr);
        EXPECT_FALSE(start->text(QAccessible::Name).contains('&')) << kind;
    }
}

// The instructions lie on the program's background: white on the blue it starts with (black
// there stands out 2.4 to 1), black on a light one.
TEST_F(BackupWindowTest, TheInstructionsReadOnTheBackground) {
    for (const auto& [background, text] : {std::pair{qint32(ColorNumber::kBlue), QColor(Qt::white)},
                                           std::pair{qint32(0xC0FFFF), QColor(Qt::black)}}) {
        services.program.Background = background;
        auto window = open(30, 0);
        EXPECT_EQ(window->instructions->palette().color(QPalette::WindowText), text) << background;
    }
}

// A screen reader hears of the folder list only the folders it shows: as the window opens on
// the program folder and as arrow keys move through the folders, never a heading the list does
// not show.
TEST_F(BackupWindowTest, AScreenReaderIsToldOnlyOfShowingFolders) {
    QTemporaryDir drive;
    useDriveOfThreeFolders(drive);
    AccessibilityEvents screenReader;
    auto window = open(31, 99);
    window->show();
    chooseFloppy(*window);
    ASSERT_TRUE(waitForRows(*window, window->folderList->rootIndex(), 3));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->folderList->setFocus(Qt::TabFocusReason);
    // The list itself, then each folder the keys highlight.
    QStringList highlights{"Folders"};
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
        QTest::keyClick(window->folderList, key);
        highlights << window->folderList->currentIndex().data().toString();
    }
    QStringList told;
    for (const AccessibilityEvents::Event& move : screenReader.focusMoves()) {
        if (move.object == window->folderList) {
            told << move.name;
            EXPECT_TRUE(move.showing) << move.name.toStdString();
            EXPECT_NE(move.role, QAccessible::ColumnHeader) << move.name.toStdString();
        }
    }
    EXPECT_EQ(told, highlights);
}

} // namespace
