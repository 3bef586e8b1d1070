#include "AccessibilityEvents.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Before the first QSettings: no test may touch the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    AccessibilityEvents::activateFromStartIfAsked();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
