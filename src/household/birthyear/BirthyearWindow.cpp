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
    return Panel3D1;
}

void BirthyearWindow::Form_Load() {
    LoadFormServices();
    LoadBdayColours();
    program_.SignalValue = 0;
    program_.YearListLimit = kYearListLimit;
    for (int i = 0; i <= program_.YearListLimit; ++i) {
        Combo1->addItem(QString::number(BirthyearFile::kFirstYear + i));
    }
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText({});
    SetupCostGrid();
    LoadCostChart();
    // Only the main panel keeps the chosen panel colour; the panels inside it stay the desktop's.
    const QColor face = ColorNumber::toColor(ColorNumber::kButtonFace);
    for (Panel3D* inner : {Panel3D2, Panel3D3, Panel3D4, Panel3D5, Panel3D6, Panel3D7, Panel3D8}) {
        inner->setBackColour(face);
    }
    QPalette selectorPalette = SSPanel4->palette();
    selectorPalette.setColor(QPalette::Window, face);
    SSPanel4->setPalette(selectorPalette);
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
}

void BirthyearWindow::Form_Activate() {
    ActivateFormServices();
    SSPanel4->move(Panel3D1->width() / 2 - SSPanel4->width() / 2, SSPanel4->y());
    showStatus(kCaption);
    SetupCostGrid();
}

void BirthyearWindow::Form_Unload() {
    SSPanel4->HideBackgroundSelector();
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
    if (Panel3D7->isVisible()) {
        ToggleCostChart();
    } else if (Panel3D8->isVisible()) {
        PromptCloseInput();
    } else if (SSPanel4->isVisible()) {
        SSPanel4->Command16[3]->click();
    } else {
        ExitBirthyear();
    }
}

bool BirthyearWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Combo1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            YearEntered();
            return true;
        }
    }
    return ActivityWindow::eventFilter(watched, event);
}

void BirthyearWindow::SideButton(int n) {
    if (Panel3D7->isVisible() && (n == 2 || n == 3)) {
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
    mUCopy->setEnabled(offered);
    Toolbar2Button(4)->setEnabled(offered);
}

bool BirthyearWindow::textsOnDisplay() const {
    return !Label5->text().trimmed().isEmpty() || !Label6->text().trimmed().isEmpty();
}

// The copy names the year on display, whatever the year box holds meanwhile.
void BirthyearWindow::CopyYearToClipboard() {
    if (ShownYear == 0) {
        return;
    }
    program_.BusyPointer();
    QCoreApplication::processEvents();
    services_.clipboard.putText(yearCopyText(ShownYear, Label5->text(), Label6->text()));
    program_.NormalPointer();
    services_.dialogs.message({"Selected Data has been copied to the Windows Clipboard.",
                               "Copy Option", Dialogs::Icon::Information, Dialogs::Buttons::Ok});
}
