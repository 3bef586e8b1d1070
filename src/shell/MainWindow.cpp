#include "MainWindow.h"

#include "ColorNumber.h"
#include "DisplayText.h"
#include "FormBackground.h"
#include "OptionsPopup.h"
#include "SettingsFile.h"
#include "Toolbar.h"
#include "Twips.h"
#include "YearFile.h"

#include <QApplication>
#include <QDir>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The smallest screen the windows are laid out for: 800 by 600 pixels, less a margin.
constexpr int kMinimumScreenWidth = 9945;
constexpr int kMinimumScreenHeight = 7590;
constexpr int kSmallerWidth = 12000;
constexpr int kSmallerHeight = 9000;
constexpr int kReminderGap = 300;

// The caption the main window shows while the window of a toolbar button number is open.
QString activityCaption(int number) {
    static const QStringList kCaptions = {
        "Crossword Puzzles", "Famous Quotes",           "Hangman",
        "Tic-Tac-Toe",       "Matching Game - Level 1", "Matching Game - Level 2",
        "Word Scrambler",    "Birthyear Information",   "General Thoughts",
        "Humorous Thoughts", "Daily Planner",           "To Do List",
        "Date Function",     "Calendar Maker"};
    return number >= 2 && number <= 15 ? kCaptions.at(number - 2) : QString();
}

void yieldToEvents() {
    QCoreApplication::processEvents();
}

QSize screenTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen != nullptr ? screen->size() : QSize(800, 600);
    return {int(Twips::fromPixels(pixels.width())), int(Twips::fromPixels(pixels.height()))};
}

} // namespace

MainWindow::MainWindow(Services& services)
    : services_(services), program_(services.program),
      activation_(this, [this] { Form_Activate(); }) {
    services.mainWindow = this;
    setObjectName("Startfrm");
    setWindowTitle("Korvane");
    setCentralWidget(new QWidget(this));
    centralWidget()->setAutoFillBackground(false);

    toolbar = new Toolbar(this);
    addToolBar(Qt::TopToolBarArea, toolbar);
    connect(toolbar, &Toolbar::buttonClicked, this, &MainWindow::RunToolbarButton);

    systemColourSample = new QLabel(centralWidget());
    systemColourSample->setObjectName("Label1");
    systemColourSample->hide();

    buildTitlePanel();
    buildReminderPanel();
    buildMenus();
    attachOptionsPopup();

    clockTimer = new QTimer(this);
    clockTimer->setObjectName("Timer2");
    clockTimer->setInterval(1000);
    connect(clockTimer, &QTimer::timeout, this, &MainWindow::ShowReminderClock);
    clockTimer->start();
    setMinimumSize(Twips::toPixels(4000, 3000));
}

MainWindow::~MainWindow() = default;

void MainWindow::attachOptionsPopup() {
    auto* popup = new OptionsPopup(optionsMenu, this);
    for (QWidget* control :
         std::initializer_list<QWidget*>{this, centralWidget(), reminderPanel, viewPlannerButton,
                                         closeReminderButton, reminderOptionsArea}) {
        popup->attach(control);
    }
    // The title panel and the toolbar keep the right button to themselves.
    for (QWidget* control : std::initializer_list<QWidget*>{titlePanel, toolbar}) {
        control->setAttribute(Qt::WA_NoMousePropagation);
    }
}

void MainWindow::buildTitlePanel() {
    titlePanel = new QFrame(centralWidget());
    titlePanel->setObjectName("Panel3D7");
    titlePanel->setFrameShape(QFrame::Panel);
    titlePanel->setFrameShadow(QFrame::Raised);
    FormBackground::applyColour(*titlePanel, ColorNumber::toColor(ColorNumber::kButtonFace));
    auto* layout = new QVBoxLayout(titlePanel);
    auto* picture = new QLabel(titlePanel);
    titlePicture_ = picture;
    picture->setAlignment(Qt::AlignCenter);
    auto* name = new QLabel("Korvane", titlePanel);
    QFont nameFont = name->font();
    nameFont.setPointSize(28);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel("Version 4.5", titlePanel);
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    layout->addWidget(name);
    layout->addWidget(version);
    titlePanel->resize(Twips::toPixels(5400, 3600));
}

void MainWindow::buildReminderPanel() {
    reminderPanel = new QFrame(centralWidget());
    reminderPanel->setObjectName("SSPanel2");
    reminderPanel->setAccessibleName("Daily Planner Reminder");
    reminderPanel->setFrameShape(QFrame::Panel);
    reminderPanel->setFrameShadow(QFrame::Raised);
    reminderPanel->setAutoFillBackground(true);
    reminderPanel->resize(Twips::toPixels(6600, 2400));
    reminderPanel->hide();

    auto* title = new QLabel("Daily Planner Reminder", reminderPanel);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    reminderDate = new QLabel(reminderPanel);
    reminderDate->setObjectName("Label2");
    reminderClock = new QLabel(reminderPanel);
    reminderClock->setObjectName("Label4");
    reminderMessage = new QLabel(
        "Today you have an appointment or activity listed in The Daily Planner.", reminderPanel);
    reminderMessage->setObjectName("Label3");
    reminderMessage->setWordWrap(true);
    reminderOptionsArea = new QLabel(reminderPanel);
    reminderOptionsArea->setObjectName("Label5");
    viewPlannerButton = new QPushButton("&View", reminderPanel);
    viewPlannerButton->setObjectName("Command2");
    closeReminderButton = new QPushButton("&Close", reminderPanel);
    closeReminderButton->setObjectName("Command3");

    auto* layout = new QVBoxLayout(reminderPanel);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(reminderDate);
    dateRow->addStretch();
    dateRow->addWidget(reminderClock);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reminderOptionsArea);
    buttons->addStretch();
    buttons->addWidget(viewPlannerButton);
    buttons->addWidget(closeReminderButton);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addLayout(dateRow);
    layout->addWidget(reminderMessage);
    layout->addLayout(buttons);

    connect(viewPlannerButton, &QPushButton::clicked, this, [this] {
        command(12)->trigger();
        reminderPanel->hide();
    });
    connect(closeReminderButton, &QPushButton::clicked, reminderPanel, &QWidget::hide);
}

void MainWindow::showActivity(int number) {
    switch (number) {
    case 6:
    case 7:
        program_.MatchLevelOne = number == 6 ? 1 : 0;
        break;
    case 10:
    case 11:
        program_.ThoughtKind = number == 10 ? 0 : 1;
        break;
    case 12:
        reminderPanel->hide();
        break;
    case 15:
        program_.BusyPointer();
        break;
    default:
        break;
    }
    std::unique_ptr<QWidget> window = services_.windows.create(number, services_);
    if (window == nullptr) {
        return;
    }
    services_.modal.showModal(*window);
    activation_.queue();
}

void MainWindow::Form_Load() {
    toolbar->setButtonEnabled(1, false);
    yieldToEvents();
    QDir::setCurrent(services_.folder.path());

    const QString mode = settingsFile(services_.folder, SettingsFile::GColor3).readText(35);
    if (mode.left(3) == "Yes") {
        program_.ScreenMode = 9;
        setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    } else {
        program_.ScreenMode = 0;
        // The whole work area also where no window manager maximises the window.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            setGeometry(screen->availableGeometry());
        }
        setWindowState(windowState() | Qt::WindowMaximized);
    }

    toolbar->setButtonEnabled(1, false);
    yieldToEvents();
    CheckScreenSize();
    keepMainSize();
    LoadMainSettings();

    const RecordFile sounds = settingsFile(services_.folder, SettingsFile::SWR2);
    program_.CorrectSound = sounds.readText(3);
    program_.IncorrectSound = sounds.readText(4);
    program_.WelcomeSounds = sounds.readText(6);

    FormBackground::applyColour(*reminderPanel, ColorNumber::toColor(ColorNumber::kButtonFace));
    CheckPlannerReminder();
    FirstActivation = kFirstActivationPending;
}

void MainWindow::CheckScreenSize() {
    const QSize screen = screenTwips();
    if (screen.width() < kMinimumScreenWidth || screen.height() < kMinimumScreenHeight) {
        services_.dialogs.message(
            {"Monitor Resolution Settings (Screen Area) and Program Size requirements are at "
             "least 800 by 600 or Higher.\rIf you do not set your screen resolution to this "
             "setting or higher this program will not function properly!",
             "Program Display Option", Dialogs::Icon::Information, Dialogs::Buttons::Ok});
        SetFullScreenDisplay();
    } else if (program_.ScreenMode == 9) {
        const QSize size = Twips::toPixels(kSmallerWidth, kSmallerHeight);
        const QSize screenPixels = Twips::toPixels(screen.width(), screen.height());
        setGeometry((screenPixels.width() - size.width()) / 2,
                    (screenPixels.height() - size.height()) / 2, size.width(), size.height());
    }
}

void MainWindow::LoadMainSettings() {
    const StoredVariant background =
        settingsFile(services_.folder, SettingsFile::HINV3).readVariant(3);
    const auto* text = std::get_if<QString>(&background);
    if (isEmpty(background)) {
        program_.Background = qint32{ColorNumber::kBlue};
    } else if (text != nullptr && trimmedRight(*text) == "Def") {
        program_.Background = qint32(ColorNumber::kButtonFace);
    } else {
        program_.Background = background;
    }
    applyBackground();

    const bool removed =
        trimmedRight(settingsFile(services_.folder, SettingsFile::GColor1).readText(55)) == "OFF";
    removeToolbarAction->setVisible(!removed);
    restoreToolbarAction->setVisible(removed);
    toolbar->setVisible(!removed);
    program_.TopToolbarState = removed ? 99 : 0;
}

void MainWindow::CheckPlannerReminder() {
    if (reminderDone_) {
        return;
    }
    reminderDone_ = true;
    const QDate today = services_.clock.today();
    reminderDate->setText(DisplayText::longDate(today));
    // A file that cannot be read shows no reminder; the planner reports it when it opens.
    const YearFile::DayRecord day =
        YearFile::read(services_.folder, today.year(), YearFile::recordNumber(today))
            .value_or(YearFile::DayRecord{});
    ReminderDue = day.hasActivity() ? 1 : 0;
}

void MainWindow::Form_Activate() {
    const int next = program_.NextActivity;
    if (next >= 2 && next <= 17) {
        yieldToEvents();
        if (next != 15) {
            program_.NextActivity = 0;
        }
        if (next <= 15) {
            setWindowTitle(activityCaption(next));
        }
        if (QAction* action = command(next)) {
            action->trigger();
        }
        return;
    }

    program_.NextActivity = 0;
    setWindowTitle("Korvane");
    for (QMenu* menu : {activitiesMenu, householdMenu, utilitiesMenu}) {
        menu->menuAction()->setVisible(true);
    }
    yieldToEvents();
    applyBackground();
    keepMainSize();
    centreTitlePanel();
    Form_GotFocus();
    placeReminderPanel();
    if (ReminderDue == 1) {
        ReminderDue = 0;
        reminderPanel->show();
        reminderPanel->raise();
    }
    if (program_.WelcomeSounds == "Yes" && FirstActivation == kFirstActivationPending) {
        program_.PlayWelcomeSound();
        FirstActivation = 0;
    }
    yieldToEvents();
    FirstActivation = 0;
    program_.NormalPointer();
    QDir::setCurrent(services_.folder.path());
}

void MainWindow::Form_GotFocus() {
    if (program_.TopToolbarState == 0) {
        restoreToolbarLayout();
        yieldToEvents();
        customizeToolbarAction->setVisible(true);
        yieldToEvents();
        toolbar->show();
        yieldToEvents();
    } else if (program_.TopToolbarState == 99) {
        toolbar->hide();
        customizeToolbarAction->setVisible(false);
    }
}

void MainWindow::Form_LostFocus() {
    FirstActivation = 0;
}

void MainWindow::restoreToolbarLayout() {
    toolbar->update();
    toolbar->restoreLayout(services_.registry, kToolbarLayoutKey);
}

void MainWindow::applyBackground() {
    // The menus and the toolbar keep the desktop's colours; the window's area takes Background.
    FormBackground::applyColourOf(*centralWidget(), program_.Background);
}

void MainWindow::keepMainSize() {
    program_.MainWidth = int(Twips::fromPixels(width()));
    program_.MainHeight = int(Twips::fromPixels(height()));
}

void MainWindow::centreTitlePanel() {
    const QSize area = centralWidget()->size();
    titlePanel->move((area.width() - titlePanel->width()) / 2,
                     area.height() / 2 - titlePanel->height() / 2 - Twips::toPixels(100));
}

void MainWindow::placeReminderPanel() {
    // The panel lies below the toolbar, which the window keeps outside its central area.
    reminderPanel->move((centralWidget()->width() - reminderPanel->width()) / 2,
                        Twips::toPixels(kReminderGap));
}

void MainWindow::ShowReminderClock() {
    reminderClock->setText(DisplayText::clockTime(services_.clock.now().time()));
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (titlePicture_->pixmap().isNull()) {
        // Decoding pictures loads Qt's image plug-ins; it waits until the window is on the screen.
        QTimer::singleShot(0, titlePicture_, [this] {
            titlePicture_->setPixmap(QPixmap(":/title.png"));
            QApplication::setWindowIcon(QIcon(":/korvane.png"));
        });
    }
    activation_.queueOnFirstShow();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isVisible()) {
        return;
    }
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMinimized) {
        return;
    }
    if (!(state & Qt::WindowMaximized) && program_.ScreenMode == 0) {
        SetSmallerScreenDisplay();
    } else if ((state & Qt::WindowMaximized) && program_.ScreenMode == 9) {
        SetFullScreenDisplay();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    keepMainSize();
    centreTitlePanel();
    placeReminderPanel();
}

void MainWindow::focusInEvent(QFocusEvent* event) {
    QMainWindow::focusInEvent(event);
    // Qt gives the focus back after every message box and menu; only a real move counts.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
        event->reason() == Qt::MouseFocusReason) {
        Form_GotFocus();
    }
}

void MainWindow::focusOutEvent(QFocusEvent* event) {
    QMainWindow::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) {
        Form_LostFocus();
    }
}

void MainWindow::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    // The main window comes to the front when it is painted, but never over another window of the
    // program, such as the help window, nor over a menu it opened: a menu bar item lit up as its
    // menu opens repaints the window, which, not yet active again after another window closed,
    // would otherwise come up over the menu just shown.
    if (QApplication::activePopupWidget() != nullptr) {
        return;
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool anotherWindowShows = std::any_of(windows.begin(), windows.end(), [this](QWidget* w) {
        return w != this && w->isVisible() && w->windowType() != Qt::ToolTip &&
               w->windowType() != Qt::Popup;
    });
    if (!anotherWindowShows && !isActiveWindow()) {
        QTimer::singleShot(0, this, &QWidget::raise);
    }
}
