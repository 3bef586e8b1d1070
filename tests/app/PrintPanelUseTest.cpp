// Each print panel opened over its window, used from the keyboard alone and with a screen reader:
// Tab and typed keys stay in the panel, nothing it covers is within reach until it closes, and the
// previewed page is read out.
#include "FakePlatform.h"
#include "MainWindow.h"
#include "PanelHoldsKeyboard.h"
#include "PrintPanelOpenings.h"
#include "PrintPreviewPanel.h"
#include "RegisterWindows.h"
#include "ScreenReader.h"
#include "Services.h"
#include "Toolbar.h"

#include <QAccessibleTextInterface>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
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
