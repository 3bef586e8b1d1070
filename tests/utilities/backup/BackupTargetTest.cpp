#include "BackupTarget.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(BackupTargetTest, OnlyTheFourRequestsWithTheirModesAndAYearAreServed) {
    const struct {
        int kind;
        int mode;
        double year;
        bool valid;
    } cases[] = {
        {30, 0, 0, true},      {31, 99, 0, true},
        {32, 0, 2003, true},   {33, 99, 2003.4, true},
        {30, 99, 0, false},    {31, 0, 0, false},
        {32, 99, 2003, false}, {33, 0, 2003, false},
        {32, 0, 0, false},     {33, 99, -2003, false},
        {32, 0, 99999, false}, {0, 0, 0, false},
        {34, 99, 2003, false}, {32, 0, std::numeric_limits<double>::quiet_NaN(), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BackupTarget::isValidRequest(c.kind, c.mode, c.year), c.valid)
            << c.kind << " " << c.mode << " " << c.year;
    }
    EXPECT_EQ(BackupTarget::yearOf(2003.4), 2003);
}

TEST(BackupTargetTest, TheProgramFolderIsKnownAlsoThroughALinkOrASlash) {
    QTemporaryDir outer;
    const QString program = outer.path() + "/korvane";
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(QDir().mkpath(outer.path() + "/backups"));
    ASSERT_TRUE(QFile::link(program, outer.path() + "/link"));
    const struct {
        QString folder;
        bool isProgram;
    } cases[] = {
        {program, true},
        {program + "/", true},
        {outer.path() + "/link/", true},
        {outer.path() + "/backups/../korvane", true},
        {outer.path() + "/backups/", false},
        {outer.path() + "/", false},
        {outer.path() + "/korvane2/", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BackupTarget::isProgramFolder(c.folder, program), c.isProgram)
            << c.folder.toStdString();
    }
}

} // namespace
