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
        applyDefaultPrintFont(program_.PrintSettings, services_.printer, Label1->font(),
                              {QString(), true});
    };
    config.openChanged = [this](bool open) {
        mO->menuAction()->setEnabled(!open);
        mEdit->menuAction()->setEnabled(!open);
        if (!open) {
            showStatus(windowTitle());
        }
        windowKeys().setCancelButton(open              ? SSPanel80->escapeButton()
                                     : SearchPanelOpen ? Command6
                                                       : Command3);
    };
    config.rangeCaption = "Entire Thought";
    config.autoSizeReference = [] { return QString(42, 'n'); };
    SSPanel80 = new PrintPreviewPanel(services_, config, SSPanel1);
    SSPanel80->place(SSPanel80, 450, 300, 8940, 6705);
    connect(SSPanel80->SSCommand1, &QPushButton::clicked, this,
            [this] { windowKeys().setCancelButton(SSPanel80->escapeButton()); });
    SSPanel80->setBackColour(ColorNumber::toColor(ColorNumber::kButtonFace));
    SSPanel80->Panel3d82->setBackColour(ColorNumber::toColor(ColorNumber::kButtonFace));
    // One command: the button and the side toolbar's button run the menu item and are enabled
    // with it, which happens once a thought shows.
    connect(mOP, &QAction::triggered, this, &ThoughtsWindow::OpenThoughtPrintPreview);
    connect(Command2, &QPushButton::clicked, mOP, &QAction::trigger);
    connect(mOP, &QAction::enabledChanged, Command2, &QWidget::setEnabled);
    connect(mOP, &QAction::enabledChanged, Toolbar2Button(5), &QAction::setEnabled);
    Command2->setEnabled(mOP->isEnabled());
    Toolbar2Button(5)->setEnabled(mOP->isEnabled());
}

void ThoughtsWindow::OpenThoughtPrintPreview() {
    SSPanel80->open();
}

int ThoughtsWindow::currentHelpContext() const {
    return SSPanel80->isOpen() ? PrintPreviewPanel::kHelpContext : kHelpContext;
}
