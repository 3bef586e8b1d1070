// The main window's menus and toolbar, and the commands they run.
#include "MainWindow.h"

#include "AboutBox.h"
#include "ColorNumber.h"
#include "SettingsFile.h"
#include "Toolbar.h"
#include "WebSite.h"

#include <QCoreApplication>
#include <QFrame>
#include <QMenuBar>

void MainWindow::buildMenus() {
    buildOptionsMenu();
    buildActivityMenus();
    buildUtilitiesAndHelpMenus();
    enableAvailableButtons();
}

void MainWindow::buildOptionsMenu() {
    optionsMenu = menuBar()->addMenu("&Options");
    optionsMenu->setObjectName("mO");
    backgroundColourAction =
        optionsMenu->addAction("&Background Color", this, &MainWindow::ChooseMainBackground);
    backgroundColourAction->setObjectName("mOBack");
    programDisplayMenu = optionsMenu->addMenu("&Program Display");
    programDisplayMenu->setObjectName("mOP");
    fullScreenAction = addTickedCommand(programDisplayMenu, "&Full Screen Display",
                                        &MainWindow::SetFullScreenDisplay);
    fullScreenAction->setObjectName("mOPF");
    smallerScreenAction = addTickedCommand(programDisplayMenu, "&Smaller Screen Display",
                                           &MainWindow::SetSmallerScreenDisplay);
    smallerScreenAction->setObjectName("mOPS");
    optionsMenu->addSeparator();
    customizeToolbarAction = optionsMenu->addAction("&Customize Toolbar", this, [this] {
        if (toolbar->customize(services_.modal, services_.help)) {
            toolbar->saveLayout(services_.registry, kToolbarLayoutKey);
        }
    });
    customizeToolbarAction->setObjectName("mORC");
    removeToolbarAction =
        optionsMenu->addAction("&Remove Toolbar", this, &MainWindow::RemoveMainToolbar);
    removeToolbarAction->setObjectName("mORB");
    restoreToolbarAction =
        optionsMenu->addAction("&Restore Toolbar", this, &MainWindow::RestoreMainToolbar);
    restoreToolbarAction->setObjectName("mORD");
    restoreToolbarAction->setVisible(false);
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &MainWindow::ConfirmExit);
    exitAction->setObjectName("mOE");
    commands_[20] = exitAction;

    // Opening the menus ticks the screen mode in use; the other item's tick is left alone.
    const auto tickScreenMode = [this] {
        (program_.ScreenMode == 9 ? smallerScreenAction : fullScreenAction)->setChecked(true);
    };
    connect(optionsMenu, &QMenu::aboutToShow, this, [this, tickScreenMode] {
        QCoreApplication::processEvents();
        titlePanel->hide();
        tickScreenMode();
    });
    connect(programDisplayMenu, &QMenu::aboutToShow, this, tickScreenMode);
}

QAction* MainWindow::addTickedCommand(QMenu* menu, const QString& caption,
                                      void (MainWindow::*command)()) {
    QAction* action = menu->addAction(caption);
    action->setCheckable(true);
    // The tick is the command's to set: a click runs the command on the tick as it was.
    connect(action, &QAction::triggered, this, [this, action, command](bool checked) {
        action->setChecked(!checked);
        (this->*command)();
    });
    return action;
}

void MainWindow::buildActivityMenus() {
    activitiesMenu = menuBar()->addMenu("&Activities");
    activitiesMenu->setObjectName("mA");
    addWindowCommand(activitiesMenu, 2, "&Crossword Puzzles");
    addWindowCommand(activitiesMenu, 3, "&Famous Quotes");
    addWindowCommand(activitiesMenu, 4, "&Hangman");
    addWindowCommand(activitiesMenu, 5, "&Knowledge Tic-Tac-Toe");
    addWindowCommand(activitiesMenu, 6, "Matching Game Level &1");
    addWindowCommand(activitiesMenu, 7, "Matching Game Level &2");
    addWindowCommand(activitiesMenu, 8, "&Word Scrambler");

    householdMenu = menuBar()->addMenu("&Ombrel");
    householdMenu->setObjectName("mT");
    addWindowCommand(householdMenu, 9, "&Birthyear Information");
    householdMenu->addSeparator();
    addWindowCommand(householdMenu, 10, "&General Thoughts");
    addWindowCommand(householdMenu, 11, "&Humorous Thoughts");
    householdMenu->addSeparator();
    addWindowCommand(householdMenu, 12, "&The Daily Planner");
    addWindowCommand(householdMenu, 13, "To &Do List");
    householdMenu->addSeparator();
    addWindowCommand(householdMenu, 14, "Date F&unction");
    householdMenu->addSeparator();
    addWindowCommand(householdMenu, 15, "&Calendar Maker");
}

void MainWindow::buildUtilitiesAndHelpMenus() {
    utilitiesMenu = menuBar()->addMenu("&Utilities");
    utilitiesMenu->setObjectName("mU");
    utilitiesBackgroundColourAction =
        utilitiesMenu->addAction("&Background Color", this, &MainWindow::ChooseMainBackground);
    utilitiesBackgroundColourAction->setObjectName("mUBC");
    familyNamesAction = addWindowCommand(utilitiesMenu, 16, "&Family Names Entry");
    familyNamesAction->setObjectName("mUF");
    soundInformationAction = addWindowCommand(utilitiesMenu, 17, "&Sound Information");
    soundInformationAction->setObjectName("mUSd");
    for (QMenu* menu : {activitiesMenu, householdMenu}) {
        connect(menu, &QMenu::aboutToShow, titlePanel, &QWidget::hide);
    }
    connect(utilitiesMenu, &QMenu::aboutToShow, this, [this] {
        QCoreApplication::processEvents();
        titlePanel->hide();
    });

    helpMenu = menuBar()->addMenu("&Help");
    helpMenu->setObjectName("mH");
    helpContentsAction =
        helpMenu->addAction("&Help Contents", this, [this] { services_.help.showContents(); });
    helpContentsAction->setObjectName("mHCont");
    programOverviewAction =
        helpMenu->addAction("&Program Overview", this, [this] { services_.help.showTopic(1000); });
    programOverviewAction->setObjectName("mHI");
    helpMenu->addSeparator();
    aboutAction = helpMenu->addAction("&About Korvane", this, [this] {
        AboutBox about(services_);
        services_.modal.showModal(about);
        activation_.queue();
    });
    aboutAction->setObjectName("mHA");
    helpMenu->addSeparator();
    webSiteAction = helpMenu->addAction(QString("&Visit ") + WebSite::kHost, this,
                                        [this] { services_.web.open(WebSite::kHost); });
    webSiteAction->setObjectName("mHWeb");
    commands_[18] = webSiteAction;
    commands_[19] = helpContentsAction;
    connect(helpMenu, &QMenu::aboutToShow, this, [] { QCoreApplication::processEvents(); });
}

QAction* MainWindow::addWindowCommand(QMenu* menu, int number, const QString& caption) {
    QAction* action = menu->addAction(caption, this, [this, number] {
        if (number >= 16) {
            showUtility(number);
        } else {
            showActivity(number);
        }
    });
    action->setEnabled(services_.windows.has(number));
    commands_.at(std::size_t(number)) = action;
    return action;
}

QAction* MainWindow::command(int number) const {
    return number >= 2 && number < int(commands_.size()) ? commands_.at(std::size_t(number))
                                                         : nullptr;
}

void MainWindow::enableAvailableButtons() {
    for (int number = 2; number <= Toolbar::kButtons; ++number) {
        toolbar->setButtonEnabled(number, command(number)->isEnabled());
    }
}

void MainWindow::RunToolbarButton(int number) {
    titlePanel->hide();
    if (QAction* action = command(number)) {
        action->trigger();
    }
}

void MainWindow::showUtility(int number) {
    toolbar->setButtonsEnabled(2, Toolbar::kButtons, false);
    showActivity(number);
    enableAvailableButtons();
}

void MainWindow::SetFullScreenDisplay() {
    switchScreenMode(fullScreenAction, smallerScreenAction, "No");
}

void MainWindow::SetSmallerScreenDisplay() {
    switchScreenMode(smallerScreenAction, fullScreenAction, "Yes");
}

void MainWindow::switchScreenMode(QAction* chosen, QAction* other, const QString& smallerDisplay) {
    if (chosen->isChecked()) {
        return;
    }
    chosen->setChecked(true);
    other->setChecked(false);
    settingsFile(services_.folder, SettingsFile::GColor3).writeText(35, smallerDisplay);
    Form_Load();
}

void MainWindow::RemoveMainToolbar() {
    restoreToolbarAction->setVisible(true);
    removeToolbarAction->setVisible(false);
    customizeToolbarAction->setVisible(false);
    toolbar->hide();
    placeReminderPanel();
    settingsFile(services_.folder, SettingsFile::GColor1).writeText(55, "OFF");
    program_.TopToolbarState = 99;
}

void MainWindow::RestoreMainToolbar() {
    program_.TopToolbarState = 0;
    restoreToolbarAction->setVisible(false);
    removeToolbarAction->setVisible(true);
    restoreToolbarLayout();
    QCoreApplication::processEvents();
    toolbar->show();
    Form_GotFocus();
    QCoreApplication::processEvents();
    customizeToolbarAction->setVisible(true);
    placeReminderPanel();
    settingsFile(services_.folder, SettingsFile::GColor1).writeText(55, "");
    program_.TopToolbarState = 0;
}

void MainWindow::ChooseMainBackground() {
    toolbar->setButtonsEnabled(2, Toolbar::kButtons, false);
    titlePanel->hide();
    const Dialogs::Answer answer = services_.dialogs.message(
        {"Select New Color or Use System Default Color?\r\rYes = Color Selection Panel will "
         "appear.\rNo = Current System Default Color will be selected.",
         "Background Color", Dialogs::Icon::Information, Dialogs::Buttons::YesNoCancel});
    program_.SignalValue = static_cast<double>(answer);
    if (answer == Dialogs::Answer::Cancel) {
        program_.SignalValue = 0;
    } else if (answer == Dialogs::Answer::No) {
        program_.Background = qint32(ColorNumber::kButtonFace);
        applyBackground();
        choosingDefaultBackground_ = true;
        SaveMainBackground();
        program_.Background = qint32(ColorNumber::kButtonFace);
    } else if (answer == Dialogs::Answer::Yes) {
        const std::optional<QColor> chosen =
            services_.dialogs.chooseColor(centralWidget()->palette().color(QPalette::Window));
        if (chosen.has_value()) {
            program_.Background = qint32(ColorNumber::fromColor(*chosen));
            applyBackground();
            choosingDefaultBackground_ = false;
            SaveMainBackground();
        }
    }
    enableAvailableButtons();
    choosingDefaultBackground_ = false;
}

void MainWindow::SaveMainBackground() {
    if (choosingDefaultBackground_) {
        program_.Background = QString("Def");
    }
    settingsFile(services_.folder, SettingsFile::HINV3).writeVariant(3, program_.Background);
}

void MainWindow::ConfirmExit() {
    titlePanel->hide();
    if (program_.WelcomeSounds == "Yes") {
        program_.PlayExitSound();
    }
    QCoreApplication::processEvents();
    const Dialogs::Answer answer =
        services_.dialogs.message({"Do you wish to Exit Korvane?", "Exit", Dialogs::Icon::Question,
                                   Dialogs::Buttons::YesNoCancel});
    program_.SignalValue = static_cast<double>(answer);
    if (answer == Dialogs::Answer::Yes) {
        emit exitConfirmed();
        return;
    }
    program_.SignalValue = 0;
    if (program_.WelcomeSounds == "Yes") {
        program_.PlayWelcomeSound();
    }
    QCoreApplication::processEvents();
}
