// The thoughts window's print preview: the thought shown, laid out on a page
// and printed.
#include "ThoughtsWindow.h"

#include "ColorNumber.h"
#include "DefaultPrintFont.h"
#include "PrintPreviewPanel.h"
#include "ThoughtPrintout.h"
#include "WindowKeys.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

void ThoughtsWindow::buildPrintPreview() {
    PrintPreviewPanel::Config config;
    config.buildDocument = [this](PrintLayout& layout) {
        RenderThoughtPage(layout, thoughts.ThoughtText.at(std::size_t(thoughts.CurrentThought)),
                          program_.PrintSettings);
    };
    config.fillDefaults = [this] {
        // A fresh preview starts at 24 points whatever an earlier one chose.
        program_.PrintSettings.PrintFontSize = QString("24");
        applyDefaultPrintFont(program_.PrintSettings, services_.printer, thoughtLabel->font(),
                              {QString(), true});
    };
    config.openChanged = [this](bool open) {
        optionsMenu->menuAction()->setEnabled(!open);
        editMenu->menuAction()->setEnabled(!open);
        if (!open) {
            showStatus(windowTitle());
        }
        windowKeys().setCancelButton(open              ? printPreview->escapeButton()
                                     : SearchPanelOpen ? closeSearchButton
                                                       : exitButton);
    };
    config.rangeCaption = "Entire Thought";
    config.autoSizeReference = [] { return QString(42, 'n'); };
    printPreview = new PrintPreviewPanel(services_, config, thoughtsPanel);
    printPreview->place(printPreview, 450, 300, 8940, 6705);
    printPreview->setObjectName("SSPanel80");
    connect(printPreview->enlargeButton, &QPushButton::clicked, this,
            [this] { windowKeys().setCancelButton(printPreview->escapeButton()); });
    printPreview->setBackColour(ColorNumber::toColor(ColorNumber::kButtonFace));
    printPreview->sampleText->setBackColour(ColorNumber::toColor(ColorNumber::kButtonFace));
    // One command: the button and the side toolbar's button run the menu item and are enabled
    // with it, which happens once a thought shows.
    connect(printAction, &QAction::triggered, this, &ThoughtsWindow::OpenThoughtPrintPreview);
    connect(printButton, &QPushButton::clicked, printAction, &QAction::trigger);
    connect(printAction, &QAction::enabledChanged, printButton, &QWidget::setEnabled);
    connect(printAction, &QAction::enabledChanged, leftToolbarButton(5), &QAction::setEnabled);
    printButton->setEnabled(printAction->isEnabled());
    leftToolbarButton(5)->setEnabled(printAction->isEnabled());
}

void ThoughtsWindow::OpenThoughtPrintPreview() {
    printPreview->open();
}

int ThoughtsWindow::currentHelpContext() const {
    return printPreview->isOpen() ? PrintPreviewPanel::kHelpContext : kHelpContext;
}
