#include "AccessibilityEvents.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <memory>

int main(int argc, char** argv) {
    // Before the first QSettings: no test may touch the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // After the application, before any widget, gone before the application goes.
    const std::unique_ptr<AccessibilityEvents> screenReader =
        AccessibilityEvents::listenFromStartIfAsked();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
