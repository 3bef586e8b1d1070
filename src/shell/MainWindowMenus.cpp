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
    mO = menuBar()->addMenu("&Options");
    mOBack = mO->addAction("&Background Color", this, &MainWindow::ChooseMainBackground);
    mOP = mO->addMenu("&Program Display");
    mOPF = addTickedCommand(mOP, "&Full Screen Display", &MainWindow::SetFullScreenDisplay);
    mOPS = addTickedCommand(mOP, "&Smaller Screen Display", &MainWindow::SetSmallerScreenDisplay);
    mO->addSeparator();
    mORC = mO->addAction("&Customize Toolbar", this, [this] {
        if (Toolbar1->customize(services_.modal, services_.help)) {
            Toolbar1->saveLayout(services_.registry, kToolbarLayoutKey);
        }
    });
    mORB = mO->addAction("&Remove Toolbar", this, &MainWindow::RemoveMainToolbar);
    mORD = mO->addAction("&Restore Toolbar", this, &MainWindow::RestoreMainToolbar);
    mORD->setVisible(false);
    mO->addSeparator();
    mOE = mO->addAction("E&xit", this, &MainWindow::ConfirmExit);
    commands_[20] = mOE;

    // Opening the menus ticks the screen mode in use; the other item's tick is left alone.
    const auto tickScreenMode = [this] {
        (program_.ScreenMode == 9 ? mOPS : mOPF)->setChecked(true);
    };
    connect(mO, &QMenu::aboutToShow, this, [this, tickScreenMode] {
        QCoreApplication::processEvents();
        Panel3D7->hide();
        tickScreenMode();
    });
    connect(mOP, &QMenu::aboutToShow, this, tickScreenMode);
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
    mA = menuBar()->addMenu("&Activities");
    addWindowCommand(mA, 2, "&Crossword Puzzles");
    addWindowCommand(mA, 3, "&Famous Quotes");
    addWindowCommand(mA, 4, "&Hangman");
    addWindowCommand(mA, 5, "&Knowledge Tic-Tac-Toe");
    addWindowCommand(mA, 6, "Matching Game Level &1");
    addWindowCommand(mA, 7, "Matching Game Level &2");
    addWindowCommand(mA, 8, "&Word Scrambler");

    mT = menuBar()->addMenu("&Ombrel");
    addWindowCommand(mT, 9, "&Birthyear Information");
    mT->addSeparator();
    addWindowCommand(mT, 10, "&General Thoughts");
    addWindowCommand(mT, 11, "&Humorous Thoughts");
    mT->addSeparator();
    addWindowCommand(mT, 12, "&The Daily Planner");
    addWindowCommand(mT, 13, "To &Do List");
    mT->addSeparator();
    addWindowCommand(mT, 14, "Date F&unction");
    mT->addSeparator();
    addWindowCommand(mT, 15, "&Calendar Maker");
}

void MainWindow::buildUtilitiesAndHelpMenus() {
    mU = menuBar()->addMenu("&Utilities");
    mUBC = mU->addAction("&Background Color", this, &MainWindow::ChooseMainBackground);
    mUF = addWindowCommand(mU, 16, "&Family Names Entry");
    mUSd = addWindowCommand(mU, 17, "&Sound Information");
    for (QMenu* menu : {mA, mT}) {
        connect(menu, &QMenu::aboutToShow, Panel3D7, &QWidget::hide);
    }
    connect(mU, &QMenu::aboutToShow, this, [this] {
        QCoreApplication::processEvents();
        Panel3D7->hide();
    });

    mH = menuBar()->addMenu("&Help");
    mHCont = mH->addAction("&Help Contents", this, [this] { services_.help.showContents(); });
    mHI = mH->addAction("&Program Overview", this, [this] { services_.help.showTopic(1000); });
    mH->addSeparator();
    mHA = mH->addAction("&About Korvane", this, [this] {
        AboutBox about(services_);
        services_.modal.showModal(about);
        activation_.queue();
    });
    mH->addSeparator();
    mHWeb = mH->addAction(QString("&Visit ") + WebSite::kHost, this,
                          [this] { services_.web.open(WebSite::kHost); });
    commands_[18] = mHWeb;
    commands_[19] = mHCont;
    connect(mH, &QMenu::aboutToShow, this, [] { QCoreApplication::processEvents(); });
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
        Toolbar1->setButtonEnabled(number, command(number)->isEnabled());
    }
}

void MainWindow::Toolbar1_ButtonClick(int number) {
    Panel3D7->hide();
    if (QAction* action = command(number)) {
        action->trigger();
    }
}

void MainWindow::showUtility(int number) {
    Toolbar1->setButtonsEnabled(2, Toolbar::kButtons, false);
    showActivity(number);
    enableAvailableButtons();
}

void MainWindow::SetFullScreenDisplay() {
    switchScreenMode(mOPF, mOPS, "No");
}

void MainWindow::SetSmallerScreenDisplay() {
    switchScreenMode(mOPS, mOPF, "Yes");
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
    mORD->setVisible(true);
    mORB->setVisible(false);
    mORC->setVisible(false);
    Toolbar1->hide();
    placeReminderPanel();
    settingsFile(services_.folder, SettingsFile::GColor1).writeText(55, "OFF");
    program_.TopToolbarState = 99;
}

void MainWindow::RestoreMainToolbar() {
    program_.TopToolbarState = 0;
    mORD->setVisible(false);
    mORB->setVisible(true);
    restoreToolbarLayout();
    QCoreApplication::processEvents();
    Toolbar1->show();
    Form_GotFocus();
    QCoreApplication::processEvents();
    mORC->setVisible(true);
    placeReminderPanel();
    settingsFile(services_.folder, SettingsFile::GColor1).writeText(55, "");
    program_.TopToolbarState = 0;
}

void MainWindow::ChooseMainBackground() {
    Toolbar1->setButtonsEnabled(2, Toolbar::kButtons, false);
    Panel3D7->hide();
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
    Panel3D7->hide();
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
