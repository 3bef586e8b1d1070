#include "Clock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest/qtestspontaneevent.h>

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

// A window with a text box, a button and an Alt+O shortcut, active, to be typed into and clicked
// while the clock waits.
class BusyWindow : public QWidget {
public:
    BusyWindow() {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(&box);
        layout->addWidget(&button);
        connect(&button, &QPushButton::clicked, this, [this] { ++clicks; });
        auto* card = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_O), this);
        connect(card, &QShortcut::activated, this, [this] { ++shortcuts; });
        show();
        QApplication::setActiveWindow(this);
        box.setFocus();
        QCoreApplication::processEvents();
    }

    QLineEdit box;
    QPushButton button{"&Go"};
    int clicks = 0;
    int shortcuts = 0;
};

TEST(SystemClockTest, AWaitAnswersTheEventLoopAndDropsWhatThePersonTypesOrClicks) {
    BusyWindow window;
    ASSERT_TRUE(window.isActiveWindow());
    ASSERT_NE(window.windowHandle(), nullptr);
    SystemClock clock;
    bool timerFired = false;
    bool openAfterCloseBox = false;
    QTimer::singleShot(10, &window, [&] {
        timerFired = true;
        QTest::keyClicks(&window.box, "ab");
        QTest::keyClick(&window.box, Qt::Key_O, Qt::AltModifier);
        QTest::mouseClick(&window.button, Qt::LeftButton);
        // The program's own queued key passes.
        QKeyEvent own(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
        QCoreApplication::sendEvent(&window.box, &own);
        // The window manager's close box.
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QCoreApplication::sendEvent(window.windowHandle(), &close);
    });
    QTimer::singleShot(40, &window, [&] { openAfterCloseBox = window.isVisible(); });
    clock.waitUntil(clock.now().addMSecs(150));

    EXPECT_TRUE(timerFired);
    EXPECT_EQ(window.box.text(), "x");
    EXPECT_EQ(window.shortcuts, 0);
    EXPECT_EQ(window.clicks, 0);
    EXPECT_TRUE(openAfterCloseBox);
    // Once the wait is over, the same keys and clicks act again.
    QTest::keyClicks(&window.box, "ab");
    QTest::keyClick(&window.box, Qt::Key_O, Qt::AltModifier);
    QTest::mouseClick(&window.button, Qt::LeftButton);
    EXPECT_EQ(window.box.text(), "xab");
    EXPECT_EQ(window.shortcuts, 1);
    EXPECT_EQ(window.clicks, 1);
    // The close asked for during the wait comes once the event loop runs again.
    EXPECT_TRUE(window.isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
