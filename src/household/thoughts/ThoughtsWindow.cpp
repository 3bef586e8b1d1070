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
    windowKeys().setCancelButton(Command3);
    connectCommands();
    buildPrintPreview();
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    Form_Load();
}

ThoughtsWindow::~ThoughtsWindow() = default;

QWidget* ThoughtsWindow::mainPanel() const {
    return SSPanel1;
}

void ThoughtsWindow::Form_Load() {
    LoadFormServices();
    ResetThoughtsState();
    if (humorous_) {
        mO5->setVisible(false);
        setWindowIcon(QIcon(services_.folder.file("2.ico")));
        LoadHumorousThoughts();
        for (int n = 1; n <= 5; ++n) {
            Toolbar2Button(n)->setVisible(false);
        }
    } else if (!LoadGeneralThoughts()) {
        return;
    }
    services_.random.Randomize();
    CenterThought();
    Panel3D1->move(SSPanel1->width() / 2 - Panel3D1->width() / 2, Panel3D1->y());
    Panel3D4->setForeColour(ColorNumber::palette(9));
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
    program_.PrintSettings.PrintFontColour =
        qint32(ColorNumber::fromColor(Label1->palette().color(QPalette::WindowText)));
    SSPanel80->loadGuideLineChoice();
}

void ThoughtsWindow::Form_Activate() {
    ActivateFormServices();
    SSPanel80->activate();
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
    if (Command1->isVisible()) {
        Command1->setFocus(Qt::OtherFocusReason);
    }
    program_.NormalPointer();
}

void ThoughtsWindow::FitDisplayFont() {
    const QString kept = Label1->text();
    Label1->setText(DisplayFontFit::kTestLine);
    const DisplayFontFit::Fitted fitted =
        DisplayFontFit::fitAtActivation(Label1->font().pointSizeF(), DisplayFitSize, displayPanel(),
                                        [this](double size) { return measureLabel(size); });
    DisplayFitSize = fitted.fitSize;
    Label1->setText(kept);
    Label1->resize(Label1->sizeHint());
    CenterThought();
}

DisplayFontFit::Measured ThoughtsWindow::measureLabel(double size) {
    QFont font = Label1->font();
    font.setPointSizeF(size);
    Label1->setFont(font);
    Label1->resize(Label1->sizeHint());
    return {QFontInfo(Label1->font()).pointSizeF(), Twips::fromPixels(Label1->width()),
            Twips::fromPixels(Label1->height())};
}

DisplayFontFit::Panel ThoughtsWindow::displayPanel() const {
    return {Twips::fromPixels(Panel3D2->width()), Twips::fromPixels(Panel3D2->height())};
}

void ThoughtsWindow::LayOutButtons() {
    const double width = Twips::fromPixels(SSPanel1->width());
    const double height = Twips::fromPixels(SSPanel1->height());
    const auto setLeft = [](QWidget* control, double left) {
        control->move(Twips::toPixels(left), control->y());
    };
    const auto setTop = [](QWidget* control, double top) {
        control->move(control->x(), Twips::toPixels(top));
    };
    setLeft(Command1, 0.124 * width);
    setLeft(Command4, 0.33 * width);
    setLeft(Command2, 0.53 * width);
    setLeft(Command3, 0.73 * width);
    SearchPanel->move(Command1->x(), SearchPanel->y());
    Panel3D5->move(Panel3D1->x(), Panel3D5->y());
    double buttonsTop = 0;
    if (!humorous_) {
        setTop(Panel3D1, height / 2 * 0.2);
        buttonsTop = Twips::fromPixels(Panel3D1->y() + Panel3D1->height()) + 500;
    } else {
        setTop(Panel3D1, 0.15 * height);
        setTop(Panel3D5, 0.55 * height);
        buttonsTop = Twips::fromPixels(Panel3D5->y() + Panel3D5->height()) + 500;
        Command4->resize(Twips::toPixels(0.3 * width), Command4->height());
        Command4->move(SSPanel1->width() / 2 - Command4->width() / 2, Command4->y());
        Command1->move(Command4->x() - Command1->width() - Twips::toPixels(200), Command1->y());
        Command3->move(Command4->x() + Command4->width() + Twips::toPixels(200), Command3->y());
    }
    for (QPushButton* command : {Command1, Command4, Command2, Command3}) {
        setTop(command, buttonsTop);
    }
    SearchPanel->move(SearchPanel->x(), Command1->y() - Twips::toPixels(190));
}

void ThoughtsWindow::resizeEvent(QResizeEvent* event) {
    ActivityWindow::resizeEvent(event);
    if (Command1 != nullptr && Command1->isVisible()) {
        Command1->setFocus(Qt::OtherFocusReason);
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
    if (SSPanel80->isOpen()) {
        services_.sound.beep();
        return;
    }
    switch (n) {
    case 1:
        ChooseDisplayFont();
        break;
    case 2:
        mOC->trigger();
        break;
    case 3:
        mOSr->trigger();
        break;
    case 4:
        CopyThoughtToClipboard();
        break;
    case 5:
        mOP->trigger();
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
    mOCop->setEnabled(offered);
    Toolbar2Button(4)->setEnabled(offered);
    mOP->setEnabled(offered);
}
