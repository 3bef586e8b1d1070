// The birthyear window: load, activation, unload, exit, the Esc key, the side toolbar and copy.
#include "BirthyearWindow.h"

#include "ColorNumber.h"
#include "GridBackgroundSelector.h"
#include "GridControl.h"
#include "InputTextBox.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "Twips.h"
#include "YearCopyText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>

namespace {

ActivityConstants birthyearConstants() {
    ActivityConstants constants =
        ActivityConstants::household(BirthyearWindow::kOwnButton, BirthyearWindow::kHelpContext);
    constants.layoutKey = "korvane42";
    constants.restoreOffset = 0;
    return constants;
}

// The window as designed, the size of the main window's smaller display.
constexpr int kDesignedWidth = 12000;
constexpr int kDesignedHeight = 9000;

} // namespace

BirthyearWindow::BirthyearWindow(Services& services)
    : ActivityWindow(services, birthyearConstants(), kCaption) {
    setObjectName("Bday");
    buildControls();
    buildMenus();
    buildSideToolbar();
    buildColours();
    connectCommands();
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    Form_Load();
}

BirthyearWindow::~BirthyearWindow() = default;

QWidget* BirthyearWindow::mainPanel() const {
    return birthyearPanel;
}

void BirthyearWindow::Form_Load() {
    LoadFormServices();
    LoadBdayColours();
    program_.SignalValue = 0;
    program_.YearListLimit = kYearListLimit;
    for (int i = 0; i <= program_.YearListLimit; ++i) {
        yearBox->addItem(QString::number(BirthyearFile::kFirstYear + i));
    }
    yearBox->setCurrentIndex(-1);
    yearBox->setEditText({});
    SetupCostGrid();
    LoadCostChart();
    // Only the main panel keeps the chosen panel colour; the panels inside it stay the desktop's.
    const QColor face = ColorNumber::toColor(ColorNumber::kButtonFace);
    for (Panel3D* inner : {titlePanel, yearBoxFrame, workArea, seriousPanel, lighterPanel,
                           costChartPanel, inputPanel}) {
        inner->setBackColour(face);
    }
    QPalette selectorPalette = backgroundSelector->palette();
    selectorPalette.setColor(QPalette::Window, face);
    backgroundSelector->setPalette(selectorPalette);
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
}

void BirthyearWindow::Form_Activate() {
    ActivateFormServices();
    backgroundSelector->move(birthyearPanel->width() / 2 - backgroundSelector->width() / 2,
                             backgroundSelector->y());
    showStatus(kCaption);
    SetupCostGrid();
}

void BirthyearWindow::Form_Unload() {
    backgroundSelector->HideBackgroundSelector();
    ShownYear = 0;
    InputChanged = 0;
    program_.YearListLimit = 0;
}

void BirthyearWindow::ExitBirthyear() {
    close();
}

// Unsaved text of the input panel is asked about like the colours, never dropped unasked.
bool BirthyearWindow::ExitQuestions() {
    program_.SignalValue = 0;
    if (!AskSaveInputBeforeLeaving()) {
        return false;
    }
    PromptSaveColours();
    return true;
}

void BirthyearWindow::SaveWithoutAsking() {
    if (InputChanged == 1) {
        SaveBirthYear();
    }
}

void BirthyearWindow::EscapeKey() {
    if (costChartPanel->isVisible()) {
        ToggleCostChart();
    } else if (inputPanel->isVisible()) {
        PromptCloseInput();
    } else if (backgroundSelector->isVisible()) {
        backgroundSelector->choiceButtons[3]->click();
    } else {
        ExitBirthyear();
    }
}

bool BirthyearWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == yearBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            YearEntered();
            return true;
        }
    }
    return ActivityWindow::eventFilter(watched, event);
}

void BirthyearWindow::SideButton(int n) {
    if (costChartPanel->isVisible() && (n == 2 || n == 3)) {
        services_.sound.beep();
        return;
    }
    switch (n) {
    case 1:
        ToggleBackgroundSelector();
        break;
    case 2:
        ChooseColour();
        break;
    case 3:
        ChooseTextColour();
        break;
    case 4:
        CopyYearToClipboard();
        break;
    case 5:
        ShowHelpTopic();
        break;
    case 6:
        ExitBirthyear();
        break;
    default:
        break;
    }
}

void BirthyearWindow::setCopyOffered(bool offered) {
    copyAction->setEnabled(offered);
    leftToolbarButton(4)->setEnabled(offered);
}

bool BirthyearWindow::textsOnDisplay() const {
    return !seriousText->text().trimmed().isEmpty() || !lighterText->text().trimmed().isEmpty();
}

// The copy names the year on display, whatever the year box holds meanwhile.
void BirthyearWindow::CopyYearToClipboard() {
    if (ShownYear == 0) {
        return;
    }
    program_.BusyPointer();
    QCoreApplication::processEvents();
    services_.clipboard.putText(yearCopyText(ShownYear, seriousText->text(), lighterText->text()));
    program_.NormalPointer();
    services_.dialogs.message({"Selected Data has been copied to the Windows Clipboard.",
                               "Copy Option", Dialogs::Icon::Information, Dialogs::Buttons::Ok});
}
