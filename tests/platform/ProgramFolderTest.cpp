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

TEST(ProgramFolderTest, AFileIsFoundWhateverTheCaseOfItsName) {
    QTemporaryDir home;
    const ProgramFolder folder(home.path());
    writeFile(home.filePath("WP3.jpg"), "picture");
    writeFile(home.filePath("hmm.bmp"), "lower");
    writeFile(home.filePath("Notes.txt"), "notes");
    writeFile(home.filePath("NOTES.TXT"), "exact");
    writeFile(home.filePath("Sounds/Chime.wav"), "RIFF");
    const struct {
        const char* asked;
        QByteArray content;
    } cases[] = {
        {"wp3.jpg", "picture"},       // the background "wp3"
        {"Hmm.bmp", "lower"},         // only the case differs
        {"NOTES.TXT", "exact"},       // the exact name wins
        {"sounds/CHIME.WAV", "RIFF"}, // through a folder too
        {"GColor2.Fil", ""},          // missing: the name as asked, to be created
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readFile(folder.file(c.asked)), c.content) << c.asked;
    }
    EXPECT_EQ(folder.file("GColor2.Fil"), home.filePath("GColor2.Fil"));
    EXPECT_EQ(folder.file("../wp3.jpg"), home.filePath("../wp3.jpg"));
}

TEST(ProgramFolderTest, TheFolderIsKorvaneHomeOrTheXdgDataFolder) {
    qputenv("KORVANE_HOME", "/srv/family/korvane");
    EXPECT_EQ(ProgramFolder::defaultPath(), "/srv/family/korvane");
    qunsetenv("KORVANE_HOME");
    EXPECT_EQ(ProgramFolder::defaultPath(),
              QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/korvane");
}

} // namespace
