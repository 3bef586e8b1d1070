// The thoughts window: load, activation, layout, exits and the side toolbar.
#include "ThoughtsWindow.h"

#include "ColorNumber.h"
#include "FocusMoves.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "PrintPreviewPanel.h"
#include "StatusBar.h"
#include "Toolbar.h"
#include "Twips.h"
#include "WindowKeys.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace {

ActivityConstants thoughtsConstants(bool humorous) {
    ActivityConstants constants =
        ActivityConstants::household(humorous ? 11 : 10, ThoughtsWindow::kHelpContext);
    constants.restoreLayoutOnResize = true;
    return constants;
}

// The window as designed, the size of the main window's smaller display.
constexpr int kDesignedWidth = 12000;
constexpr int kDesignedHeight = 9000;

} // namespace

ThoughtsWindow::ThoughtsWindow(Services& services)
    : ActivityWindow(services, thoughtsConstants(services.program.ThoughtKind != 0),
                     services.program.ThoughtKind != 0 ? kHumorousCaption : kGeneralCaption),
      humorous_(services.program.ThoughtKind != 0) {
    setObjectName("Form10");
    buildControls();
    buildMenus();
    buildSideToolbar();
    buildDisplayColours();
    windowKeys().setCancelButton(exitButton);
    connectCommands();
    buildPrintPreview();
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    Form_Load();
}

ThoughtsWindow::~ThoughtsWindow() = default;

QWidget* ThoughtsWindow::mainPanel() const {
    return thoughtsPanel;
}

void ThoughtsWindow::Form_Load() {
    LoadFormServices();
    ResetThoughtsState();
    if (humorous_) {
        copySeparator->setVisible(false);
        setWindowIcon(QIcon(services_.folder.file("2.ico")));
        LoadHumorousThoughts();
        for (int n = 1; n <= 5; ++n) {
            leftToolbarButton(n)->setVisible(false);
        }
    } else if (!LoadGeneralThoughts()) {
        return;
    }
    services_.random.Randomize();
    CenterThought();
    displayFrame->move(thoughtsPanel->width() / 2 - displayFrame->width() / 2, displayFrame->y());
    punchLinePanel->setForeColour(ColorNumber::palette(9));
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
    program_.PrintSettings.PrintFontColour =
        qint32(ColorNumber::fromColor(thoughtLabel->palette().color(QPalette::WindowText)));
    printPreview->loadGuideLineChoice();
}

void ThoughtsWindow::Form_Activate() {
    ActivateFormServices();
    printPreview->activate();
    LoadThoughtDisplaySettings();
    FitDisplayFont();
    LayOutButtons();
    showStatus(windowTitle());
    if (program_.SharedState == 19) {
        program_.SharedState = 0;
        close();
        return;
    }
    program_.SharedState = 0;
    if (startButton->isVisible()) {
        startButton->setFocus(Qt::OtherFocusReason);
    }
    program_.NormalPointer();
}

void ThoughtsWindow::FitDisplayFont() {
    const QString kept = thoughtLabel->text();
    thoughtLabel->setText(DisplayFontFit::kTestLine);
    const DisplayFontFit::Fitted fitted = DisplayFontFit::fitAtActivation(
        thoughtLabel->font().pointSizeF(), DisplayFitSize, displayPanel(),
        [this](double size) { return measureLabel(size); });
    DisplayFitSize = fitted.fitSize;
    thoughtLabel->setText(kept);
    thoughtLabel->resize(thoughtLabel->sizeHint());
    CenterThought();
}

DisplayFontFit::Measured ThoughtsWindow::measureLabel(double size) {
    QFont font = thoughtLabel->font();
    font.setPointSizeF(size);
    thoughtLabel->setFont(font);
    thoughtLabel->resize(thoughtLabel->sizeHint());
    return {QFontInfo(thoughtLabel->font()).pointSizeF(), Twips::fromPixels(thoughtLabel->width()),
            Twips::fromPixels(thoughtLabel->height())};
}

DisplayFontFit::Panel ThoughtsWindow::displayPanel() const {
    return {Twips::fromPixels(displayArea->width()), Twips::fromPixels(displayArea->height())};
}

void ThoughtsWindow::LayOutButtons() {
    const double width = Twips::fromPixels(thoughtsPanel->width());
    const double height = Twips::fromPixels(thoughtsPanel->height());
    const auto setLeft = [](QWidget* control, double left) {
        control->move(Twips::toPixels(left), control->y());
    };
    const auto setTop = [](QWidget* control, double top) {
        control->move(control->x(), Twips::toPixels(top));
    };
    setLeft(startButton, 0.124 * width);
    setLeft(searchButton, 0.33 * width);
    setLeft(printButton, 0.53 * width);
    setLeft(exitButton, 0.73 * width);
    SearchPanel->move(startButton->x(), SearchPanel->y());
    punchLineFrame->move(displayFrame->x(), punchLineFrame->y());
    double buttonsTop = 0;
    if (!humorous_) {
        setTop(displayFrame, height / 2 * 0.2);
        buttonsTop = Twips::fromPixels(displayFrame->y() + displayFrame->height()) + 500;
    } else {
        setTop(displayFrame, 0.15 * height);
        setTop(punchLineFrame, 0.55 * height);
        buttonsTop = Twips::fromPixels(punchLineFrame->y() + punchLineFrame->height()) + 500;
        searchButton->resize(Twips::toPixels(0.3 * width), searchButton->height());
        searchButton->move(thoughtsPanel->width() / 2 - searchButton->width() / 2,
                           searchButton->y());
        startButton->move(searchButton->x() - startButton->width() - Twips::toPixels(200),
                          startButton->y());
        exitButton->move(searchButton->x() + searchButton->width() + Twips::toPixels(200),
                         exitButton->y());
    }
    for (QPushButton* command : {startButton, searchButton, printButton, exitButton}) {
        setTop(command, buttonsTop);
    }
    SearchPanel->move(SearchPanel->x(), startButton->y() - Twips::toPixels(190));
}

void ThoughtsWindow::resizeEvent(QResizeEvent* event) {
    ActivityWindow::resizeEvent(event);
    if (startButton != nullptr && startButton->isVisible()) {
        startButton->setFocus(Qt::OtherFocusReason);
    }
}

void ThoughtsWindow::ExitCommand() {
    if (close()) {
        ClosedByExit = 9;
    }
}

bool ThoughtsWindow::ExitQuestions() {
    program_.SignalValue = 0;
    if (DisplaySettingsChanged == 1) {
        AskSaveDisplaySettings();
    }
    return true;
}

void ThoughtsWindow::Form_Unload() {
    ResetThoughtsState();
    DisplaySettingsChanged = 0;
}

void ThoughtsWindow::SideButton(int n) {
    if (printPreview->isOpen()) {
        services_.sound.beep();
        return;
    }
    switch (n) {
    case 1:
        ChooseDisplayFont();
        break;
    case 2:
        displayColourAction->trigger();
        break;
    case 3:
        searchAction->trigger();
        break;
    case 4:
        CopyThoughtToClipboard();
        break;
    case 5:
        printAction->trigger();
        break;
    case 6:
        ShowHelpTopic();
        break;
    case 7:
        ExitCommand();
        break;
    default:
        break;
    }
}

void ThoughtsWindow::setCopyAndPrintOffered(bool offered) {
    copyAction->setEnabled(offered);
    leftToolbarButton(4)->setEnabled(offered);
    printAction->setEnabled(offered);
}
