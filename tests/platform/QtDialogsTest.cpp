#include "QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The longest question the program asks: the quotes window's timer question, once a single line
// of 1,286 pixels whose OK and Cancel stood off the screen.
const QString kTimerQuestion =
    "There are 2 choices: To count down to 0 and then check your selections, enter total number "
    "of Seconds (From 10 to 300) and click OK or press Enter. To just keep tract of time enter 0 "
    "and click OK or press Enter.";

struct BoxSeen {
    QRect box;
    QList<QRect> buttons;
    bool everyTextWraps = true;
};

// Shows a box through the production dialogs, looks at it on the screen, then closes it.
BoxSeen seeBox(const std::function<void(QtDialogs&)>& show) {
    BoxSeen seen;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        look.stop();
        seen.box = box->frameGeometry();
        for (const QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
            if (button->isVisible()) {
                seen.buttons.append(QRect(button->mapToGlobal(QPoint()), button->size()));
            }
        }
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            if (!label->text().isEmpty() && !label->wordWrap()) {
                seen.everyTextWraps = false;
            }
        }
        box->close();
    });
    look.start(10);
    QtDialogs dialogs;
    show(dialogs);
    return seen;
}

struct BoxCase {
    const char* name;
    std::function<void(QtDialogs&)> show;
};

class QtDialogsOnTheScreen : public ::testing::TestWithParam<BoxCase> {};

TEST_P(QtDialogsOnTheScreen, ALongQuestionWrapsSoTheBoxAndItsButtonsFitTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const BoxSeen seen = seeBox(GetParam().show);

    ASSERT_FALSE(seen.buttons.isEmpty()) << "no box was shown";
    EXPECT_LE(seen.box.width(), screen.width());
    EXPECT_TRUE(seen.everyTextWraps);
    for (const QRect& button : seen.buttons) {
        EXPECT_TRUE(screen.contains(button)) << "a button stands off the screen";
    }
}

INSTANTIATE_TEST_SUITE_P(, QtDialogsOnTheScreen,
                         ::testing::Values(BoxCase{"InputBox",
                                                   [](QtDialogs& dialogs) {
                                                       dialogs.input(kTimerQuestion,
                                                                     "Timer Options", "0");
                                                   }},
                                           BoxCase{"MessageBox",
                                                   [](QtDialogs& dialogs) {
                                                       dialogs.message(
                                                           {kTimerQuestion, "Timer Options",
                                                            Dialogs::Icon::Question,
                                                            Dialogs::Buttons::YesNoCancel});
                                                   }}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
