// Every way of closing a window asks what its Exit asks: the Exit command, Esc, the top
// toolbar, the close box and the window manager's close (Alt+F4), through the real modal path.
#include "ActivityWindow.h"
#include "FakePlatform.h"
#include "ModalShower.h"
#include "RegisterWindows.h"
#include "Services.h"
#include "Toolbar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using Answer = Dialogs::Answer;

QString plain(const QString& caption) {
    return QString(caption).remove('&');
}

// The window's first colour command of its Options menu (a submenu's first item).
QAction* colourCommand(const QMenu& menu) {
    for (QAction* item : menu.actions()) {
        const QString text = plain(item->text());
        if (!item->isVisible() || !text.endsWith("Color") || text.contains("Text")) {
            continue;
        }
        return item->menu() != nullptr ? item->menu()->actions().first() : item;
    }
    return nullptr;
}

QAction* exitCommand(const QMenu& menu) {
    for (QAction* item : menu.actions()) {
        if (plain(item->text()) == "Exit") {
            return item;
        }
    }
    return nullptr;
}

struct ClosePath {
    const char* name;
    std::function<void(ActivityWindow&)> close;
};

const ClosePath kPaths[] = {
    {"Exit", [](ActivityWindow& w) { exitCommand(*w.optionsMenu)->trigger(); }},
    {"Esc",
     [](ActivityWindow& w) {
         QApplication::setActiveWindow(&w);
         if (QWidget* focused = w.focusWidget(); focused != nullptr) {
             focused->setFocus(Qt::OtherFocusReason);
         }
         QTest::keyClick(w.focusWidget() != nullptr ? w.focusWidget() : &w, Qt::Key_Escape);
     }},
    {"toolbar Main Menu", [](ActivityWindow& w) { w.toolbar->button(1)->trigger(); }},
    {"close box", [](ActivityWindow& w) { w.close(); }},
    {"window manager",
     [](ActivityWindow& w) {
         // What the window manager's close (Alt+F4, the title bar's box) delivers.
         QCloseEvent event;
         QApplication::sendEvent(w.windowHandle(), &event);
     }},
};

struct Window {
    const char* name;
    int button;
    bool escapeExits;
};

const Window kWindows[] = {
    {"quotes", 3, true},
    {"hangman", 4, false},
    {"tic-tac-toe", 5, false},
    {"matching", 6, true},
    {"scrambler", 8, true},
    {"birthyear", 9, true},
    {"general thoughts", 10, true},
    {"humorous thoughts", 11, true},
    {"planner", 12, true},
    {"to-do list", 13, true},
    {"date function", 14, false},
};

// One closing of a window with a colour change pending, from inside its modal showing: the
// questions asked on the way, and whether the window closed.
struct Closing {
    QStringList questions;
    bool closed = false;
};

class ClosePathsTest : public ::testing::Test {
protected:
    ClosePathsTest() {
        fake.folder.install(KORVANE_SHIPPED_DATA_DIR);
        registerWindows(services.windows);
    }

    Closing closeWith(const Window& window, const ClosePath& path) {
        services.program.ThoughtKind = window.button == 11 ? 1 : 0;
        std::unique_ptr<QWidget> made = services.windows.create(window.button, services);
        auto* shown = dynamic_cast<ActivityWindow*>(made.get());
        Closing closing;
        if (shown == nullptr) {
            ADD_FAILURE() << "no activity window";
            return closing;
        }
        QTimer::singleShot(0, shown, [&] {
            QCoreApplication::processEvents(); // the first activation
            QAction* colour = colourCommand(*shown->optionsMenu);
            ASSERT_NE(colour, nullptr);
            fake.dialogs.answers = {Answer::Yes};
            fake.dialogs.colors = {QColor(1, 2, 3)};
            colour->trigger();
            fake.dialogs.answers = {Answer::No, Answer::No};
            fake.dialogs.shown.clear();
            path.close(*shown);
            closing.questions = fake.dialogs.shownTexts();
            closing.closed = !shown->isVisible();
            if (!closing.closed) {
                shown->close(); // the test ends the showing itself
            }
        });
        QtModalShower().showModal(*shown);
        return closing;
    }

    FakePlatform fake;
    Services services{fake.platform};
};

TEST_F(ClosePathsTest, EveryWayOfClosingAsksWhatExitAsks) {
    for (const Window& window : kWindows) {
        SCOPED_TRACE(window.name);
        const Closing byExit = closeWith(window, kPaths[0]);
        ASSERT_TRUE(byExit.closed);
        ASSERT_EQ(byExit.questions.size(), 1);
        for (const ClosePath& path : kPaths) {
            if (QString(path.name) == "Esc" && !window.escapeExits) {
                continue;
            }
            SCOPED_TRACE(path.name);
            const Closing closing = closeWith(window, path);
            EXPECT_TRUE(closing.closed);
            EXPECT_EQ(closing.questions, byExit.questions);
        }
    }
}

} // namespace
