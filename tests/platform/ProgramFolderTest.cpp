#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ProgramFolderTest, MissingShippedFilesAreCopiedInAndTheUsersFilesKept) {
    QTemporaryDir shipped;
    QTemporaryDir home;
    writeFile(shipped.filePath("Korvane.hlp"), "new help");
    writeFile(shipped.filePath("Thought1.Fil"), "shipped thoughts");
    writeFile(shipped.filePath("sounds/Chime.wav"), "RIFF");
    QFile::setPermissions(shipped.filePath("Korvane.hlp"), QFile::ReadOwner);
    const ProgramFolder folder(home.filePath("korvane"));
    writeFile(folder.file("Thought1.Fil"), "the family's own thoughts");
    ASSERT_TRUE(folder.install(shipped.path()));

    EXPECT_EQ(readFile(folder.file("Korvane.hlp")), "new help");
    EXPECT_EQ(readFile(folder.file("Thought1.Fil")), "the family's own thoughts");
    EXPECT_EQ(readFile(folder.file("sounds/Chime.wav")), "RIFF");
    // A copy of a read-only shipped file can still be changed by the program.
    EXPECT_TRUE(QFile::permissions(folder.file("Korvane.hlp")) & QFile::WriteOwner);
}

TEST(ProgramFolderTest, TheFolderIsKorvaneHomeOrTheXdgDataFolder) {
    qputenv("KORVANE_HOME", "/srv/family/korvane");
    EXPECT_EQ(ProgramFolder::defaultPath(), "/srv/family/korvane");
    qunsetenv("KORVANE_HOME");
    EXPECT_EQ(ProgramFolder::defaultPath(),
              QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/korvane");
}

} // namespace
