#include "MediumFileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class MediumFileSystemTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.path() + '/' + name; }
    QByteArray bytesOf(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
    FileSystemMedium medium;
};

TEST_F(MediumFileSystemTest, ReadingTellsAMissingFileFromOneThatWillNotReadAndCreatesNothing) {
    EXPECT_EQ(medium.read(path("DiskInfo.Tbk"), 4'096).status, Medium::ReadStatus::Missing);
    EXPECT_FALSE(QFile::exists(path("DiskInfo.Tbk")));
    EXPECT_EQ(medium.size(path("DiskInfo.Tbk")), -1);

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    EXPECT_EQ(medium.read(path("folder"), 4'096).status, Medium::ReadStatus::Failed);
    QFile big(path("big"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(5'000, 'x'));
    big.close();
    EXPECT_EQ(medium.read(path("big"), 4'096).status, Medium::ReadStatus::Failed);
    const Medium::Read whole = medium.read(path("big"), 5'000);
    EXPECT_EQ(whole.status, Medium::ReadStatus::Read);
    EXPECT_EQ(whole.bytes.size(), 5'000);
}

TEST_F(MediumFileSystemTest, FilesAreWrittenInPlaceAndOnlyTheExactNameIsRemoved) {
    {
        auto file = medium.openForWriting(path(" 2003.Bb1"));
        ASSERT_TRUE(file);
        EXPECT_TRUE(file->writeAt(0, "abcdef"));
        EXPECT_TRUE(file->writeAt(2, "XY"));
        EXPECT_TRUE(file->truncate(5));
        EXPECT_TRUE(file->sync());
    }
    EXPECT_EQ(bytesOf(" 2003.Bb1"), "abXYe");
    // Opening again keeps the bytes until they are written over.
    medium.openForWriting(path(" 2003.Bb1"));
    EXPECT_EQ(bytesOf(" 2003.Bb1"), "abXYe");

    QFile other(path("2003.Bb1"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    EXPECT_TRUE(medium.remove(path(" 2003.Bb1")));
    EXPECT_TRUE(QFile::exists(path("2003.Bb1")));
    EXPECT_TRUE(medium.remove(path("never.there")));
    EXPECT_FALSE(medium.openForWriting(path("no/such/folder/file")));
}

TEST_F(MediumFileSystemTest, TheDrivesBeginWithTheRootAndHome) {
    const QList<Medium::Drive> drives = medium.drives();
    ASSERT_GE(drives.size(), 1);
    EXPECT_EQ(drives.first().root, "/");
    for (const Medium::Drive& drive : drives) {
        EXPECT_TRUE(drive.root.endsWith('/')) << drive.root.toStdString();
        EXPECT_FALSE(drive.root.startsWith("/proc")) << drive.root.toStdString();
    }
    EXPECT_TRUE(medium.readable(dir.path()));
    EXPECT_FALSE(medium.readable(path("gone")));
}

} // namespace
