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

    backgroundPicture = new QLabel(centralWidget());
    backgroundPicture->setObjectName("Image1");
    backgroundPicture->setScaledContents(true);
    backgroundPicture->hide();

    toolbar = new Toolbar(this);
    addToolBar(Qt::TopToolBarArea, toolbar);
    connect(toolbar, &Toolbar::buttonClicked, this, &ActivityWindow::ToolbarSwitch);
    leftToolbar = new QToolBar("Toolbar2", this);
    rightToolbar = new QToolBar("Toolbar3", this);
    for (QToolBar* side : {leftToolbar, rightToolbar}) {
        side->setObjectName(side->windowTitle());
        side->setMovable(false);
        side->setFloatable(false);
        side->setIconSize(QSize(24, 24));
    }
    addToolBar(Qt::LeftToolBarArea, leftToolbar);
    addToolBar(Qt::RightToolBarArea, rightToolbar);

    statusPanels = new StatusBar(this);
    setStatusBar(statusPanels);
    statusPanels->setPanelText(2, kRestoreTopToolbar);
    statusPanels->setPanelText(3, kRestoreSideToolbars);
    statusPanels->setPanelToolTip(2, kRestoreTopToolbar);
    statusPanels->setPanelToolTip(3, kRestoreSideToolbars);
    statusPanels->setPanelVisible(2, false);
    statusPanels->setPanelVisible(3, false);
    connect(statusPanels, &StatusBar::panelClicked, this, &ActivityWindow::RestoreToolbars);

    optionsMenu = menuBar()->addMenu("&Options");
    helpAction = menuBar()->addAction("&Help", this, &ActivityWindow::ShowHelpTopic);
    optionsMenu->setObjectName("mO");
    helpAction->setObjectName("mH");
    // The right button pops up the Options menu only; no toolbar menu of the window's own.
    setContextMenuPolicy(Qt::NoContextMenu);
    optionsPopup_ = new OptionsPopup(optionsMenu, this);
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
    if (resizer == nullptr) {
        resizer = new ElasticResizer(*this);
        resizer->setObjectName("vsElasticLight1");
    }
    PlaceOverMainWindow();
    ApplyBackground();
    QCoreApplication::processEvents();
    SetUpToolbars();
}

void ActivityWindow::PlaceOverMainWindow() {
    resizer->setEnabled(program_.ScreenMode != 9);
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
        backgroundPicture->setPixmap(
            QPixmap(services_.folder.file(textOf(program_.Background) + ".jpg")));
        backgroundPicture->show();
        backgroundPicture->lower();
        return;
    }
    FormBackground::applyColourOf(*centralWidget(), program_.Background);
    backgroundPicture->hide();
}

void ActivityWindow::SetUpToolbars() {
    // A button whose window the program does not have yet stays disabled, as on the main window.
    for (int button = 2; button <= 17; ++button) {
        if (!services_.windows.has(button)) {
            toolbar->setButtonEnabled(button, false);
        }
    }
    toolbar->setButtonEnabled(constants_.ownButton, false);
    for (int button : constants_.disabledButtons) {
        toolbar->setButtonEnabled(button, false);
    }
    if (program_.TopToolbarState == 99) {
        toolbar->hide();
        statusPanels->setPanelVisible(2, !constants_.hidesTopToolbarOnly);
    }
    if (program_.SideToolbarState == 88 && !constants_.hidesTopToolbarOnly) {
        leftToolbar->hide();
        rightToolbar->hide();
        statusPanels->setPanelVisible(3, true);
    }
    if (constants_.hasStartCommand) {
        showStatus("Click Start to begin this activity");
    }
}

void ActivityWindow::fillSideToolbar(const QList<SideToolbarButton>& buttons,
                                     const std::function<void(int)>& click) {
    leftToolbarButtons_.assign(1, nullptr);
    for (const SideToolbarButton& button : buttons) {
        const int number = int(leftToolbarButtons_.size());
        QAction* action = leftToolbar->addAction(button.picture, button.tooltip);
        action->setToolTip(button.tooltip);
        if (button.command) {
            connect(action, &QAction::triggered, this, button.command);
        } else if (click) {
            connect(action, &QAction::triggered, this, [click, number] { click(number); });
        }
        leftToolbarButtons_.push_back(action);
    }
}

void ActivityWindow::Form_Activate() {
    ActivateFormServices();
}

void ActivityWindow::ActivateFormServices() {
    program_.NormalPointer();
    if (backgroundIsPicture()) {
        coverWithPicture();
        backgroundPicture->show();
        backgroundPicture->lower();
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
    if (toolbar->isVisible()) {
        const double statusHeight = Twips::fromPixels(statusPanels->height());
        program_.LayoutScratch =
            QString::number((windowHeight - panelHeight - statusHeight / 2) / 2, 'f', 0);
        const double toolbarTop = Twips::fromPixels(toolbar->y());
        const double toolbarHeight = Twips::fromPixels(toolbar->height());
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
    const QString text = statusPanels->panelText(panel);
    if (text == kRestoreTopToolbar) {
        program_.TopToolbarState = 0;
        toolbar->show();
        restoreToolbarLayout();
        QCoreApplication::processEvents();
        settingsFile(services_.folder, SettingsFile::GColor1).writeText(55, "");
        program_.TopToolbarState = 0;
        statusPanels->setPanelVisible(2, false);
    } else if (text == kRestoreSideToolbars) {
        leftToolbar->show();
        rightToolbar->show();
        program_.SideToolbarState = 0;
        settingsFile(services_.folder, SettingsFile::HINV3).writeInteger(10, 0);
        statusPanels->setPanelVisible(3, false);
    }
    if (toolbar->isVisible()) {
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
    statusPanels->setPanelText(1, text);
}

void ActivityWindow::showModalOverSelf(QWidget& window) {
    services_.modal.showModal(window);
    activation_.queue();
}

void ActivityWindow::restoreToolbarLayout() {
    toolbar->update();
    toolbar->restoreLayout(services_.registry, constants_.layoutKey);
}

void ActivityWindow::coverWithPicture() {
    backgroundPicture->setGeometry(centralWidget()->rect());
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
