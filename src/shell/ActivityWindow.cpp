#include "ActivityWindow.h"

#include "ElasticResizer.h"
#include "FocusMoves.h"
#include "FormBackground.h"
#include "OptionsPopup.h"
#include "SettingsFile.h"
#include "StatusBar.h"
#include "StoredVariantText.h"
#include "Toolbar.h"
#include "Twips.h"
#include "WebSite.h"
#include "WindowKeys.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QSessionManager>
#include <QToolBar>

#include <QScopedValueRollback>

#include <cmath>

ActivityWindow::ActivityWindow(Services& services, const ActivityConstants& constants,
                               const QString& caption)
    : services_(services), program_(services.program), constants_(constants),
      activation_(this, [this] { Form_Activate(); }) {
    setWindowTitle(caption);
    setCentralWidget(new QWidget(this));

    Image1 = new QLabel(centralWidget());
    Image1->setScaledContents(true);
    Image1->hide();

    Toolbar1 = new Toolbar(this);
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    connect(Toolbar1, &Toolbar::buttonClicked, this, &ActivityWindow::ToolbarSwitch);
    Toolbar2 = new QToolBar("Toolbar2", this);
    Toolbar3 = new QToolBar("Toolbar3", this);
    for (QToolBar* side : {Toolbar2, Toolbar3}) {
        side->setObjectName(side->windowTitle());
        side->setMovable(false);
        side->setFloatable(false);
        side->setIconSize(QSize(24, 24));
    }
    addToolBar(Qt::LeftToolBarArea, Toolbar2);
    addToolBar(Qt::RightToolBarArea, Toolbar3);

    StatusBar1 = new StatusBar(this);
    setStatusBar(StatusBar1);
    StatusBar1->setPanelText(2, kRestoreTopToolbar);
    StatusBar1->setPanelText(3, kRestoreSideToolbars);
    StatusBar1->setPanelToolTip(2, kRestoreTopToolbar);
    StatusBar1->setPanelToolTip(3, kRestoreSideToolbars);
    StatusBar1->setPanelVisible(2, false);
    StatusBar1->setPanelVisible(3, false);
    connect(StatusBar1, &StatusBar::panelClicked, this, &ActivityWindow::RestoreToolbars);

    mO = menuBar()->addMenu("&Options");
    mH = menuBar()->addAction("&Help", this, &ActivityWindow::ShowHelpTopic);
    // The right button pops up the Options menu only; no toolbar menu of the window's own.
    setContextMenuPolicy(Qt::NoContextMenu);
    optionsPopup_ = new OptionsPopup(mO, this);
    attachOptionsPopup(this);
    attachOptionsPopup(centralWidget());

    // A logout must not drop what the window holds unsaved.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!isVisible() || closed_) {
            return;
        }
        const bool mayAsk = manager.allowsInteraction();
        const bool stay = !SessionEnding(mayAsk);
        if (mayAsk) {
            manager.release();
        }
        if (stay) {
            manager.cancel();
        }
    });
}

ActivityWindow::~ActivityWindow() {
    // The focus moves while the controls are taken down; no handler may run by then.
    delete focusMoves_;
    delete windowKeys_;
}

FocusMoves& ActivityWindow::focusMoves() {
    if (focusMoves_ == nullptr) {
        focusMoves_ = new FocusMoves(*this);
    }
    return *focusMoves_;
}

WindowKeys& ActivityWindow::windowKeys() {
    if (windowKeys_ == nullptr) {
        windowKeys_ = new WindowKeys(*this);
    }
    return *windowKeys_;
}

void ActivityWindow::LoadFormServices() {
    // The window and its controls have their designed sizes now; the resizer keeps the proportions.
    if (vsElasticLight1 == nullptr) {
        vsElasticLight1 = new ElasticResizer(*this);
    }
    PlaceOverMainWindow();
    ApplyBackground();
    QCoreApplication::processEvents();
    SetUpToolbars();
}

void ActivityWindow::PlaceOverMainWindow() {
    vsElasticLight1->setEnabled(program_.ScreenMode != 9);
    if (services_.mainWindow != nullptr) {
        setGeometry(services_.mainWindow->geometry());
    }
    coverWithPicture();
}

bool ActivityWindow::backgroundIsPicture() const {
    return textOf(program_.Background).left(2).toUpper() == "WP";
}

void ActivityWindow::ApplyBackground() {
    if (backgroundIsPicture()) {
        Image1->setPixmap(QPixmap(services_.folder.file(textOf(program_.Background) + ".jpg")));
        Image1->show();
        Image1->lower();
        return;
    }
    FormBackground::applyColourOf(*centralWidget(), program_.Background);
    Image1->hide();
}

void ActivityWindow::SetUpToolbars() {
    // A button whose window the program does not have yet stays disabled, as on the main window.
    for (int button = 2; button <= 17; ++button) {
        if (!services_.windows.has(button)) {
            Toolbar1->setButtonEnabled(button, false);
        }
    }
    Toolbar1->setButtonEnabled(constants_.ownButton, false);
    for (int button : constants_.disabledButtons) {
        Toolbar1->setButtonEnabled(button, false);
    }
    if (program_.TopToolbarState == 99) {
        Toolbar1->hide();
        StatusBar1->setPanelVisible(2, !constants_.hidesTopToolbarOnly);
    }
    if (program_.SideToolbarState == 88 && !constants_.hidesTopToolbarOnly) {
        Toolbar2->hide();
        Toolbar3->hide();
        StatusBar1->setPanelVisible(3, true);
    }
    if (constants_.hasStartCommand) {
        showStatus("Click Start to begin this activity");
    }
}

void ActivityWindow::fillSideToolbar(const QList<SideToolbarButton>& buttons,
                                     const std::function<void(int)>& click) {
    toolbar2Buttons_.assign(1, nullptr);
    for (const SideToolbarButton& button : buttons) {
        const int number = int(toolbar2Buttons_.size());
        QAction* action = Toolbar2->addAction(button.picture, button.tooltip);
        action->setToolTip(button.tooltip);
        if (button.command) {
            connect(action, &QAction::triggered, this, button.command);
        } else if (click) {
            connect(action, &QAction::triggered, this, [click, number] { click(number); });
        }
        toolbar2Buttons_.push_back(action);
    }
}

void ActivityWindow::Form_Activate() {
    ActivateFormServices();
}

void ActivityWindow::ActivateFormServices() {
    program_.NormalPointer();
    if (backgroundIsPicture()) {
        coverWithPicture();
        Image1->show();
        Image1->lower();
    }
    CentreMainPanel(constants_.activationOffset);
    mainPanel()->show();
    if (constants_.restoreLayoutOnActivate) {
        restoreToolbarLayout();
    }
}

void ActivityWindow::CentreMainPanel(int offsetTwips) {
    QWidget* panel = mainPanel();
    const double windowHeight = Twips::fromPixels(height());
    const double windowWidth = Twips::fromPixels(width());
    const double panelHeight = Twips::fromPixels(panel->height());
    const double panelWidth = Twips::fromPixels(panel->width());
    double top = 0;
    if (Toolbar1->isVisible()) {
        const double statusHeight = Twips::fromPixels(StatusBar1->height());
        program_.LayoutScratch =
            QString::number((windowHeight - panelHeight - statusHeight / 2) / 2, 'f', 0);
        const double toolbarTop = Twips::fromPixels(Toolbar1->y());
        const double toolbarHeight = Twips::fromPixels(Toolbar1->height());
        top = (program_.LayoutScratch.toDouble() - toolbarHeight) / 2 + toolbarTop + toolbarHeight +
              offsetTwips;
    } else {
        top = windowHeight / 2 - panelHeight / 2 - 300;
    }
    const double left = windowWidth / 2 - panelWidth / 2 + constants_.leftOffset;
    // The panel lies in the central area, which starts below the toolbar and beside the side ones.
    const QPoint origin = centralWidget()->pos();
    panel->move(Twips::toPixels(left) - origin.x(), Twips::toPixels(top) - origin.y());
}

void ActivityWindow::ToolbarSwitch(int button) {
    if (button <= 15 || !constants_.onlyActivityButtonsSetNext) {
        program_.NextActivity = button;
    }
    if (button >= 1 && button <= 15) {
        showStatus("Loading");
        ExitCommand();
    } else if (button == 16 || button == 17) {
        ShowWindowOverSelf(button);
    } else if (button == 18) {
        showStatus("Launching Web Site");
        OpenWebSite();
        showStatus(windowTitle());
    } else if (button == 19) {
        ShowHelpTopic();
    } else if (button == 20) {
        ExitCommand();
    }
}

void ActivityWindow::ShowWindowOverSelf(int button) {
    std::unique_ptr<QWidget> window = services_.windows.create(button, services_);
    if (window == nullptr) {
        return;
    }
    showStatus(button == 16 ? "Family Names Entry" : "Sound Information");
    windowOverSelfOpening(button);
    showModalOverSelf(*window);
    windowOverSelfClosed(button);
    showStatus(windowTitle());
}

void ActivityWindow::RestoreToolbars(int panel) {
    const QString text = StatusBar1->panelText(panel);
    if (text == kRestoreTopToolbar) {
        program_.TopToolbarState = 0;
        Toolbar1->show();
        restoreToolbarLayout();
        QCoreApplication::processEvents();
        settingsFile(services_.folder, SettingsFile::GColor1).writeText(55, "");
        program_.TopToolbarState = 0;
        StatusBar1->setPanelVisible(2, false);
    } else if (text == kRestoreSideToolbars) {
        Toolbar2->show();
        Toolbar3->show();
        program_.SideToolbarState = 0;
        settingsFile(services_.folder, SettingsFile::HINV3).writeInteger(10, 0);
        StatusBar1->setPanelVisible(3, false);
    }
    if (Toolbar1->isVisible()) {
        CentreMainPanel(constants_.restoreOffset);
    }
}

void ActivityWindow::ShowHelpTopic() {
    services_.help.showTopic(currentHelpContext());
}

void ActivityWindow::OpenWebSite() {
    services_.web.open(WebSite::kAddress);
}

void ActivityWindow::ShowSoundInformation() {
    if (!services_.windows.has(17)) {
        return;
    }
    // Kept before the window is made: its load clears SharedState.
    program_.SignalValue = program_.SharedState;
    program_.SharedState = 0;
    ShowWindowOverSelf(17);
    // Converted to the nearest integer, half to even.
    program_.SharedState = int(std::nearbyint(program_.SignalValue));
}

void ActivityWindow::attachOptionsPopup(QWidget* control) {
    optionsPopup_->attach(control);
}

void ActivityWindow::keepFromOptionsPopup(QWidget* control) {
    optionsPopup_->exclude(control);
}

void ActivityWindow::setOptionsPopupHooks(std::function<bool()> before,
                                          std::function<void()> after) {
    optionsPopup_->setHooks(std::move(before), std::move(after));
}

void ActivityWindow::showStatus(const QString& text) {
    StatusBar1->setPanelText(1, text);
}

void ActivityWindow::showModalOverSelf(QWidget& window) {
    services_.modal.showModal(window);
    activation_.queue();
}

void ActivityWindow::restoreToolbarLayout() {
    Toolbar1->update();
    Toolbar1->restoreLayout(services_.registry, constants_.layoutKey);
}

void ActivityWindow::coverWithPicture() {
    Image1->setGeometry(centralWidget()->rect());
}

void ActivityWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    closed_ = false;
    activation_.queueOnFirstShow();
}

bool ActivityWindow::SessionEnding(bool mayAsk) {
    if (!mayAsk) {
        SaveWithoutAsking();
        return true;
    }
    const QScopedValueRollback guard(asking_, true);
    return ExitQuestions();
}

void ActivityWindow::closeEvent(QCloseEvent* event) {
    // A second close while the questions are open (the close box clicked again) waits for them.
    if (asking_) {
        event->ignore();
        return;
    }
    if (!closed_) {
        bool leave = false;
        {
            const QScopedValueRollback guard(asking_, true);
            leave = ExitQuestions();
        }
        if (!leave) {
            event->ignore();
            return;
        }
        closed_ = true;
        Form_Unload();
    }
    QMainWindow::closeEvent(event);
}

void ActivityWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    coverWithPicture();
    if (constants_.restoreLayoutOnResize) {
        restoreToolbarLayout();
    }
}
