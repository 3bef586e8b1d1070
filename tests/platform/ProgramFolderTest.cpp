#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

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

// Sets or unsets an environment variable for one scope.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::optional<QByteArray>& value)
        : name_(name),
          old_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
        set(value);
    }
    ~ScopedVariable() { set(old_); }

private:
    void set(const std::optional<QByteArray>& value) const {
        if (value) {
            qputenv(name_, *value);
        } else {
            qunsetenv(name_);
        }
    }

    const char* name_;
    std::optional<QByteArray> old_;
};

TEST(ProgramFolderTest, WithoutAHomeFolderThereIsNoFolderAndTheMessageSaysWhatToSet) {
    const ScopedVariable korvaneHome("KORVANE_HOME", std::nullopt);
    {
        const ScopedVariable home("HOME", std::nullopt);
        const ScopedVariable dataHome("XDG_DATA_HOME", std::nullopt);
        EXPECT_EQ(ProgramFolder::defaultPath(), "");
    }
    {
        const ScopedVariable home("HOME", std::nullopt);
        const ScopedVariable dataHome("XDG_DATA_HOME", "relative/share");
        EXPECT_EQ(ProgramFolder::defaultPath(), "");
    }
    {
        const ScopedVariable home("HOME", "/home/ada");
        const ScopedVariable dataHome("XDG_DATA_HOME", std::nullopt);
        EXPECT_TRUE(ProgramFolder::defaultPath().endsWith("/korvane"));
    }
    const QString message = ProgramFolder::unusableMessage("");
    EXPECT_TRUE(message.contains("HOME")) << message.toStdString();
    EXPECT_TRUE(message.contains("KORVANE_HOME")) << message.toStdString();
}

TEST(ProgramFolderTest, AFolderThatCannotBeMadeOrFilledIsReported) {
    QTemporaryDir shipped;
    QTemporaryDir home;
    writeFile(shipped.filePath("Korvane.hlp"), "help");
    writeFile(shipped.filePath("sounds/Chime.wav"), "RIFF");
    writeFile(home.filePath("blocked"), "a file where a folder must go");

    EXPECT_FALSE(ProgramFolder(home.filePath("blocked/korvane")).install(shipped.path()));
    // The sound folder's place is taken by a file: the other files still come in.
    const ProgramFolder folder(home.filePath("korvane"));
    writeFile(folder.file("sounds"), "a file where a folder must go");
    EXPECT_FALSE(folder.install(shipped.path()));
    EXPECT_EQ(readFile(folder.file("Korvane.hlp")), "help");

    const QString message = ProgramFolder::unusableMessage(home.filePath("blocked/korvane"));
    EXPECT_TRUE(message.contains(home.filePath("blocked/korvane"))) << message.toStdString();
    EXPECT_TRUE(message.contains("KORVANE_HOME")) << message.toStdString();
}

} // namespace
