// A backup into a folder that already holds a set, killed half-way by a real signal.
#include "BackupFixture.h"
#include "MediumFileSystem.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

class KilledBackupTest : public BackupFixture {
protected:
    QByteArray inFolder(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir folder;
    FileSystemMedium medium;
    BackupContext context{program, medium, fake.folder, display, folder.path() + '/'};
};

TEST_F(KilledBackupTest, ABackupKilledHalfWayLeavesTheOldSetWholeAndRestorable) {
    const QByteArray list = toDoFile(120);
    writeProgramFile("TODOActv.FIL", list);
    const auto pieces = BackupRoutines::toDoPieces(fake.dialogs, fake.folder);
    ASSERT_TRUE(pieces);
    ASSERT_EQ(BackupRoutines::BackupToDoFile(context, *pieces), BackupOutcome::Complete);
    const QByteArray oldInfo = inFolder("DiskInfo.Tbk");
    const QByteArray oldCopy = inFolder("ToDoActv.Tb1");

    // Another program's backup of a new list into the same folder, stopped half-way and killed.
    QProcess backup;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("TMPDIR", folder.path()); // its own program folder goes in here too
    backup.setProcessEnvironment(environment);
    backup.start(KORVANE_BACKUP_UNTIL_KILLED, {folder.path() + '/'});
    ASSERT_TRUE(backup.waitForReadyRead(60'000)) << backup.readAllStandardError().toStdString();
    ASSERT_EQ(backup.readAllStandardOutput(), "half-way\n");
    backup.kill();
    ASSERT_TRUE(backup.waitForFinished(10'000));
    EXPECT_EQ(backup.exitStatus(), QProcess::CrashExit);

    EXPECT_EQ(inFolder("DiskInfo.Tbk"), oldInfo);
    EXPECT_EQ(inFolder("ToDoActv.Tb1"), oldCopy);
    writeProgramFile("TODOActv.FIL", toDoFile(2));
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    ASSERT_EQ(BackupRoutines::RestoreToDoFile(context), RestoreOutcome::Completed);
    EXPECT_EQ(programFile("TODOActv.FIL"), list);

    // The next backup clears what the killed one left and puts its set in place.
    writeProgramFile("TODOActv.FIL", toDoFile(7));
    const auto next = BackupRoutines::toDoPieces(fake.dialogs, fake.folder);
    ASSERT_EQ(BackupRoutines::BackupToDoFile(context, *next), BackupOutcome::Complete);
    EXPECT_EQ(inFolder("ToDoActv.Tb1"), toDoFile(7));
    EXPECT_EQ(QDir(folder.path()).entryList({"*.Tb*"}, QDir::Files),
              (QStringList{"DiskInfo.Tbk", "ToDoActv.Tb1"}));
}

} // namespace
