#include "Command3D.h"
#include "GuardedStretch.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A window with a 3-D command button beside an ordinary one, active.
class GameControlsTest : public ::testing::Test {
protected:
    GameControlsTest() {
        window.setCentralWidget(new QWidget(&window));
        command = new Command3D(window.centralWidget(), "A&B");
        other = new QPushButton("&Other", window.centralWidget());
        other->move(0, 60);
        QObject::connect(command, &Command3D::keyTyped,
                         [this](int code) { typed.push_back(code); });
        QObject::connect(command, &QPushButton::clicked, [this] { ++commandClicks; });
        QObject::connect(other, &QPushButton::clicked, [this] { ++otherClicks; });
        window.show();
        QCoreApplication::processEvents();
        command->setFocus();
    }

    QMainWindow window;
    Command3D* command;
    QPushButton* other;
    std::vector<int> typed; // a list, as empty lists of Qt are not compared cleanly
    int commandClicks = 0;
    int otherClicks = 0;
};

TEST_F(GameControlsTest, ACommandButtonShowsItsCaptionAsTypedAndReportsTypedKeys) {
    EXPECT_EQ(command->caption(), "A&B");
    EXPECT_EQ(command->text(), "A&&B"); // the "&" is shown, not an access key
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<int> typed; // a list, as empty lists of Qt are not compared cleanly
        int clicks;
    } keys[] = {
        {"a letter", Qt::Key_Q, Qt::NoModifier, {'q'}, 0},
        {"a digit", Qt::Key_7, Qt::NoModifier, {'7'}, 0},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, {8}, 0},
        {"Space reports, then presses", Qt::Key_Space, Qt::NoModifier, {32}, 1},
        {"Enter presses", Qt::Key_Return, Qt::NoModifier, {}, 1},
        {"an arrow types nothing", Qt::Key_Left, Qt::NoModifier, {}, 0},
    };
    for (const auto& k : keys) {
        typed.clear();
        commandClicks = 0;
        command->setFocus();
        QTest::keyClick(command, k.key, k.modifiers);
        EXPECT_EQ(typed, k.typed) << k.name;
        EXPECT_EQ(commandClicks, k.clicks) << k.name;
    }
    typed.clear();
    command->setFocus();
    QTest::keyClick(command, Qt::Key_Tab);
    EXPECT_TRUE(typed.empty());
    EXPECT_EQ(QApplication::focusWidget(), other);
}

TEST_F(GameControlsTest, AStretchDropsTheWindowsInputAndDefersItsClose) {
    GuardedStretch stretch(window);
    bool closedInside = false;
    stretch.run([&] {
        EXPECT_TRUE(stretch.running());
        QTest::keyClick(command, Qt::Key_Q);
        QTest::mouseClick(other, Qt::LeftButton);
        QTest::keyClick(other, Qt::Key_O, Qt::AltModifier);
        stretch.run([&] { QTest::mouseClick(other, Qt::LeftButton); });
        EXPECT_TRUE(stretch.running()); // the inner stretch was part of this one
        window.close();
        QCoreApplication::processEvents();
        closedInside = !window.isVisible();
    });
    EXPECT_TRUE(typed.empty());
    EXPECT_EQ(otherClicks, 0);
    EXPECT_FALSE(closedInside);
    EXPECT_FALSE(window.isVisible()); // closed once the stretch had ended
    EXPECT_FALSE(stretch.running());

    // Outside a stretch the input arrives again.
    window.show();
    QCoreApplication::processEvents();
    QTest::mouseClick(other, Qt::LeftButton);
    EXPECT_EQ(otherClicks, 1);
}

} // namespace
