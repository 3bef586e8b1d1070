// Each print panel opened over its window, used from the keyboard alone and with a screen reader:
// Tab and typed keys stay in the panel, nothing it covers is within reach until it closes, the
// focus goes into it and back where it was, what it stands on keeps showing, and the previewed
// page is read out. Run also with accessibility active from the start, as a screen reader makes
// it, the focus moves are checked as a screen reader is told of them.
#include "AccessibilityEvents.h"
#include "ActivityWindow.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "PanelHoldsKeyboard.h"
#include "PrintPanelOpenings.h"
#include "PrintPreviewPanel.h"
#include "RegisterWindows.h"
#include "ScreenReader.h"
#include "Services.h"
#include "SettingsFile.h"
#include "Toolbar.h"

#include <QAccessibleTextInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// What a person can see of the window's work area: each shown control, with the text of each
// box. The status bar tells what is going on (a closed preview gives it back the window's caption).
QStringList shownControls(const QWidget& window) {
    QStringList shown;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const auto* status = window.findChild<QStatusBar*>();
        if (control->isVisible() && (status == nullptr || !status->isAncestorOf(control))) {
            const auto* box = qobject_cast<const QLineEdit*>(control);
            shown.append(
                QStringLiteral("%1 %2 \"%3\"")
                    .arg(control->metaObject()->className(), control->objectName(),
                         box != nullptr ? box->text() : control->property("text").toString()));
        }
    }
    return shown;
}

std::string described(const QWidget* control) {
    return control == nullptr ? "nothing"
                              : QStringLiteral("%1 %2 \"%3\"")
                                    .arg(control->metaObject()->className(), control->objectName(),
                                         control->property("text").toString())
                                    .toStdString();
}

// The controls Tab stops at from the focus, pressed a dozen times.
std::vector<std::string> tabStops() {
    std::vector<std::string> stops;
    for (int press = 0; press < 12; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        settle();
        stops.push_back(described(QApplication::focusWidget()));
    }
    return stops;
}

// The focus moves a screen reader was told of since the last clear that went elsewhere than
// wanted; empty in a run with no screen reader from the start.
QStringList focusMovesAstray(const std::function<bool(QWidget*)>& wanted) {
    const AccessibilityEvents* heard = AccessibilityEvents::fromStart();
    if (heard == nullptr) {
        return {};
    }
    QStringList astray;
    for (const AccessibilityEvents::Event& move : heard->focusMoves()) {
        auto* control = qobject_cast<QWidget*>(move.object.data());
        if (!move.showing || control == nullptr || !wanted(control)) {
            astray.append(QStringLiteral("%1 %2 \"%3\"%4")
                              .arg(control != nullptr ? control->metaObject()->className() : "gone",
                                   control != nullptr ? control->objectName() : QString(),
                                   move.name, move.showing ? "" : " (hidden)"));
        }
    }
    return astray;
}

// Forgets what the screen reader from the start was told so far.
void forgetEventsHeard() {
    if (AccessibilityEvents* heard = AccessibilityEvents::fromStart()) {
        heard->clear();
    }
}

class PrintPanelInUse : public ::testing::TestWithParam<PrintPanelOpening> {
protected:
    PrintPanelInUse() {
        EXPECT_TRUE(fake.folder.install(QStringLiteral(KORVANE_SHIPPED_DATA_DIR)));
        registerWindows(services.windows);
    }

    // Opens the window from the main window and runs the script with its print panel open;
    // beforePrint looks at the window ready to print.
    void withPanelOpen(const std::function<void(QWidget& window, PrintPreviewPanel& panel)>& script,
                       const std::function<void(QWidget& window)>& beforePrint = nullptr) {
        const PrintPanelOpening& opening = GetParam();
        if (opening.files) {
            opening.files(fake);
        }
        MainWindow main(services);
        main.Form_Load();
        main.show();
        settle();
        bool opened = false;
        fake.modal.scripts.push_back([&](QWidget& window) {
            settle();
            window.activateWindow();
            settle();
            if (opening.ready) {
                opening.ready(window);
                settle();
            }
            if (beforePrint) {
                beforePrint(window);
            }
            opening.print(window);
            settle();
            auto* panel = window.findChild<PrintPreviewPanel*>();
            ASSERT_NE(panel, nullptr);
            ASSERT_TRUE(panel->isOpen());
            opened = true;
            script(window, *panel);
        });
        main.toolbar->button(opening.toolbarButton)->trigger();
        settle();
        EXPECT_TRUE(opened);
    }

    FakePlatform fake;
    Services services{fake.platform};
};

TEST_P(PrintPanelInUse, TabAndTypedKeysStayInThePanelAndWhatItCoversComesBackOnCancel) {
    QStringList before;
    withPanelOpen(
        [&](QWidget& window, PrintPreviewPanel& panel) {
            EXPECT_EQ(reachedPastPanel(panel).join('\n').toStdString(), "");
            // Keys typed wherever Tab stops change nothing beneath the panel.
            for (int stop = 0; stop < 8; ++stop) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClicks(QApplication::focusWidget(), "7pm");
                settle();
            }
            ASSERT_TRUE(panel.isOpen());
            panel.commandButtons[2]->click();
            settle();
            // The window is back as it was: what shows and what its boxes hold.
            const QStringList after = shownControls(window);
            for (const QString& control : before) {
                EXPECT_TRUE(after.contains(control)) << "gone: " << control.toStdString();
            }
            for (const QString& control : after) {
                EXPECT_TRUE(before.contains(control)) << "new: " << control.toStdString();
            }
        },
        [&](QWidget& window) { before = shownControls(window); });
    EXPECT_EQ(fake.dialogs.shownTexts().join('\n').toStdString(), "")
        << "no question about unsaved changes";
}

// Escape, and Space on "&Cancel", close the panel; the focus comes back to the control that had
// it, Tab goes round the window's controls as before, and a screen reader hears of no control
// but those.
TEST_P(PrintPanelInUse, TheFocusGoesIntoThePanelAndBackWhereItWas) {
    ASSERT_EQ(AccessibilityEvents::activeFromStart(), AccessibilityEvents::askedFor());
    QWidget* before = nullptr;
    std::vector<std::string> tabOrder;
    withPanelOpen(
        [&](QWidget& window, PrintPreviewPanel& panel) {
            const auto inPanel = [&](QWidget* control) { return panel.isAncestorOf(control); };
            const auto outside = [&](QWidget* control) {
                return !panel.isAncestorOf(control) && control->isVisible();
            };
            for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Space}) {
                SCOPED_TRACE(key == Qt::Key_Escape ? "Escape" : "Space on Cancel");
                EXPECT_EQ(described(QApplication::focusWidget()),
                          described(panel.commandButtons[2]));
                EXPECT_EQ(focusMovesAstray(inPanel).join('\n').toStdString(), "")
                    << "told of a control outside the panel as it opened";
                forgetEventsHeard();
                QTest::keyClick(QApplication::focusWidget(), key);
                settle();
                ASSERT_FALSE(panel.isOpen());
                EXPECT_EQ(described(QApplication::focusWidget()), described(before));
                EXPECT_EQ(focusMovesAstray(outside).join('\n').toStdString(), "")
                    << "told of the hidden panel as it closed";
                EXPECT_EQ(tabStops(), tabOrder);
                before->setFocus();
                settle();
                forgetEventsHeard();
                GetParam().print(window);
                settle();
                ASSERT_TRUE(panel.isOpen());
            }
        },
        [&](QWidget&) {
            before = QApplication::focusWidget();
            ASSERT_NE(before, nullptr);
            tabOrder = tabStops();
            before->setFocus();
            settle();
            forgetEventsHeard();
        });
}

// With a picture background the panel hides the controls it covers, never the picture.
TEST_P(PrintPanelInUse, APictureBackgroundKeepsShowing) {
    ASSERT_EQ(settingsFile(fake.folder, SettingsFile::HINV3).writeVariant(3, QString("WP3")),
              RecordFile::WriteResult::Written);
    withPanelOpen([](QWidget& window, PrintPreviewPanel& panel) {
        const QLabel* picture = static_cast<ActivityWindow&>(window).backgroundPicture;
        EXPECT_TRUE(picture->isVisible());
        EXPECT_FALSE(picture->pixmap().isNull());
        EXPECT_EQ(reachedPastPanel(panel).join('\n').toStdString(), "");
    });
}

// "Enlarge" and "Auto Size" stand over the preview's corner: the scroll bar begins below them,
// enlarged or not.
TEST_P(PrintPanelInUse, TheCornerButtonsLeaveTheScrollBarWhole) {
    withPanelOpen([](QWidget&, PrintPreviewPanel& panel) {
        for (int toggle = 0; toggle < 2; ++toggle) {
            SCOPED_TRACE(panel.enlargeButton->text().toStdString());
            panel.enlargeButton->click();
            settle();
            const QScrollBar* bar = panel.preview->verticalScrollBar();
            ASSERT_TRUE(bar->isVisible() || toggle == 1) << "the enlarged page runs over";
            if (!bar->isVisible()) {
                continue;
            }
            const QRect place(bar->mapTo(&panel, QPoint(0, 0)), bar->size());
            for (const QPushButton* corner : {panel.enlargeButton, panel.autoSizeButton}) {
                EXPECT_FALSE(corner->geometry().intersects(place))
                    << corner->text().toStdString() << " over the scroll bar";
            }
        }
    });
}

TEST_P(PrintPanelInUse, AScreenReaderReadsEveryTextOfThePreviewedPageInOrder) {
    withPanelOpen([](QWidget&, PrintPreviewPanel& panel) {
        PrintPreview* preview = panel.preview;
        QAccessibleTextInterface* read =
            QAccessible::queryAccessibleInterface(preview)->textInterface();
        ASSERT_NE(read, nullptr);
        const QString spoken = read->text(0, read->characterCount());
        qsizetype at = 0;
        for (const PrintItem& item : preview->layout().document().pages.at(0).items) {
            if (const auto* text = std::get_if<PrintText>(&item)) {
                at = spoken.indexOf(text->text.trimmed(), at);
                EXPECT_GE(at, 0) << text->text.toStdString() << " in " << spoken.toStdString();
            }
        }
        EXPECT_TRUE(spokenDescription(preview).startsWith("Page 1 of "))
            << spokenDescription(preview).toStdString();
    });
}

INSTANTIATE_TEST_SUITE_P(, PrintPanelInUse, ::testing::ValuesIn(printPanelOpenings()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
