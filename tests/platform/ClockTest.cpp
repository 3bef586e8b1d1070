#include "Clock.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

TEST(SystemClockTest, APauseEndsAtItsMomentAndALateOneAtOnce) {
    SystemClock clock;
    const struct {
        const char* name;
        qint64 fromNow; // milliseconds; negative: the moment has passed
        qint64 atLeast;
        qint64 atMost;
    } cases[] = {
        {"a moment passed", -2000, 0, 100},
        {"the moment now", 0, 0, 100},
        {"a moment ahead", 150, 140, 1000},
    };
    for (const auto& testCase : cases) {
        const QDateTime moment = clock.now().addMSecs(testCase.fromNow);
        QElapsedTimer elapsed;
        elapsed.start();
        clock.waitUntil(moment);
        EXPECT_GE(elapsed.elapsed(), testCase.atLeast) << testCase.name;
        EXPECT_LT(elapsed.elapsed(), testCase.atMost) << testCase.name;
        EXPECT_GE(clock.now(), moment) << testCase.name;
    }
}

} // namespace
