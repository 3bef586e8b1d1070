#include "ProgramFolder.h"
#include "SavedFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What a save cut short between its write and its rename leaves goes; everything that only looks
// like it stays.
TEST(LeftoverSavesTest, OnlyTheTemporaryNamesOfOurSavesAreRemoved) {
    QTemporaryDir home;
    const QDir folder(home.path());
    const QStringList ours = {
        "Bhday1.FIL.bGIcQa",   " 2026.Cal.XkPqRs",    " 1999.Cal.abcdef",
        "GColor1.Fil.AbCdEf",  "gcolor3.fil.QwErTy",  "SWR2.BMP.MnOpQr",
        "TODOActv.FIL.ZxCvBn", "TODONAME.FIL.aaaaaa", "CustomDict1.dct.HjKlMn",
        "QuotHof.Fil.PlOkIj",  "FNames.Fil.UyTrEw",   "qt_temp.RtYuIo",
    };
    const QStringList others = {
        "Bhday1.FIL",           "notes.txt.AbCdEf",
        "WP1.jpg.AbCdEf",       "Bhday1.FIL.abc123",
        "Bhday1.FIL.abcdefg",   "Bhday1.FIL.bak",
        "TODOActv.FIL.damaged", "  2026.Cal.XkPqRs",
        " 2026.Cal.txt.AbCdEf", "Bhday1.FIL.AbCdEf.old",
        "CustomDict1.dct.Hjk",
    };
    for (const QString& name : ours + others) {
        writeFile(folder.filePath(name), "bytes");
    }
    // A folder and a link with a name of ours are not files that a save left.
    ASSERT_TRUE(folder.mkdir("HINV3.Fil.Folder"));
    ASSERT_TRUE(QFile::link(folder.filePath("Bhday1.FIL"), folder.filePath("GColor2.Fil.LinkAb")));

    QStringList removed = ProgramFolder(home.path()).removeLeftoverSaves(isSavedFile);

    QStringList expected = ours;
    removed.sort();
    expected.sort();
    EXPECT_EQ(removed, expected);
    QStringList left = folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    left.sort();
    QStringList kept = others + QStringList{"HINV3.Fil.Folder", "GColor2.Fil.LinkAb"};
    kept.sort();
    EXPECT_EQ(left, kept);
}

} // namespace
