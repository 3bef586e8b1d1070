#include "SingleInstance.h"

#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(SingleInstanceTest, TheFirstStartHoldsItsFolderAndALaterOneAsksItForward) {
    QTemporaryDir home;
    const QString folder = home.filePath("korvane"); // made by the first start
    SingleInstance first(folder);
    ASSERT_EQ(first.start(), SingleInstance::Start::Alone);
    EXPECT_TRUE(QFileInfo::exists(folder + "/Korvane.lock"));
    int asked = 0;
    first.whenAsked([&asked] { ++asked; });

    SingleInstance later(folder);
    EXPECT_EQ(later.start(), SingleInstance::Start::OtherShown);
    EXPECT_TRUE(QTest::qWaitFor([&asked] { return asked == 1; }));

    // Another folder is another program's.
    SingleInstance elsewhere(home.filePath("elsewhere"));
    EXPECT_EQ(elsewhere.start(), SingleInstance::Start::Alone);
}

TEST(SingleInstanceTest, AHolderThatCannotBeReachedIsStillRunning) {
    QTemporaryDir folder;
    QLockFile holder(folder.filePath(SingleInstance::kLockFile));
    ASSERT_TRUE(holder.tryLock(0));
    SingleInstance later(folder.path());
    EXPECT_EQ(later.start(), SingleInstance::Start::OtherRunning);
}

} // namespace
