// The calendar maker: load, activation, the month view and the alignment options, and the page.
#include "CalendarMakerWindow.h"

#include "CalendarPageReading.h"
#include "DateNames.h"
#include "DesignedPlace.h"
#include "MonthCalendarPage.h"
#include "OptionGroup.h"
#include "PagingSelection.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "PrintJob.h"
#include "PrintPicture.h"
#include "PrintPreview.h"
#include "SideToolbarPictures.h"
#include "StatusBar.h"
#include "Twips.h"
#include "WindowKeys.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

namespace {

ActivityConstants calendarConstants() {
    ActivityConstants constants = ActivityConstants::household(15, 3080);
    constants.restoreOffset = -45;
    constants.leftOffset = -60;
    constants.hidesTopToolbarOnly = true;
    return constants;
}

// The window as designed, the size of the main window's smaller display.
constexpr int kCalendarMakerWidth = 12000;
constexpr int kCalendarMakerHeight = 9000;

} // namespace

CalendarMakerWindow::CalendarMakerWindow(Services& services)
    : ActivityWindow(services, calendarConstants(), kCaption) {
    setObjectName("Calendar");
    buildControls();
    optionsMenu->setTitle("Options");
    exitAction = optionsMenu->addAction("E&xit", this, &CalendarMakerWindow::ExitCommand);
    exitAction->setObjectName("mOE");
    buildSideToolbar();
    windowKeys().setCancelButton(exitButton);
    // F1 shows the window's own topic.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &CalendarMakerWindow::ShowHelpTopic);

    connect(monthView, &QCalendarWidget::clicked, this, &CalendarMakerWindow::TakeClickedDay);
    connect(monthView, &QCalendarWidget::selectionChanged, this,
            &CalendarMakerWindow::TakeSelectedDay);
    selectOnPaging(*monthView);
    connect(alignmentOptions_, &OptionGroup::clicked, this, &CalendarMakerWindow::ChooseAlignment);
    connect(exitButton, &QPushButton::clicked, this, &CalendarMakerWindow::ExitCommand);
    connect(printButton, &QPushButton::clicked, this, &CalendarMakerWindow::PrintCalendarPage);
    resize(Twips::toPixels(kCalendarMakerWidth, kCalendarMakerHeight));
    Form_Load();
}

CalendarMakerWindow::~CalendarMakerWindow() = default;

QWidget* CalendarMakerWindow::mainPanel() const {
    return mainPanelFrame;
}

void CalendarMakerWindow::buildControls() {
    useDialogFont(*centralWidget());

    mainPanelFrame = place(new Panel3D(centralWidget()), 0, 0, 9840, 7260);
    mainPanelFrame->setObjectName("Panel3D1");
    mainPanelFrame->hide();
    // A transparent label over the panel's inside, beneath the controls.
    mainPanelGround = place(new QLabel(mainPanelFrame), 60, 60, 9705, 7200);
    mainPanelGround->setObjectName("Label2");

    monthView = place(new QCalendarWidget(mainPanelFrame), 130, 690, 2595, 2370);
    monthView->setObjectName("MonthView1");
    monthView->setAccessibleName("Month view");
    monthView->setFirstDayOfWeek(Qt::Sunday);
    monthView->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    monthView->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));

    numbersFrame = place(new QGroupBox("Calendar Numbers", mainPanelFrame), 130, 3285, 2595, 690);
    numbersFrame->setObjectName("SSFrame1");
    alignmentOptions_ = new OptionGroup(this);
    alignmentButtons[0] = place(new QRadioButton("Align Left", numbersFrame), 130, 300, 1005, 255);
    alignmentButtons[1] =
        place(new QRadioButton("Align Right", numbersFrame), 1290, 300, 1080, 255);
    for (QRadioButton* option : alignmentButtons) {
        option->setObjectName("SSOption1");
        alignmentOptions_->add(option);
    }
    alignmentButtons[0]->setChecked(true);

    printButton = place(new QPushButton("&Print", mainPanelFrame), 130, 4800, 2595, 555);
    exitButton = place(new QPushButton("E&xit", mainPanelFrame), 130, 5700, 2595, 555);
    calendarPage = place(new PrintPreview(services_.printer, services_.clipboard, mainPanelFrame),
                         2800, 75, 6960, 7060);
    printButton->setObjectName("cmdPrint");
    exitButton->setObjectName("Command1");
    calendarPage->setObjectName("vp");
    calendarPage->setAccessibleDescription("Calendar page");
    AccessibleTable::describe(*calendarPage, std::make_unique<CalendarPageReading>(*this));
}

void CalendarMakerWindow::buildSideToolbar() {
    fillSideToolbar({{printPicture(), "Print", [this] { PrintCalendarPage(); }},
                     {sideToolbarPicture(SidePicture::Help), "Help", [this] { ShowHelpTopic(); }},
                     {sideToolbarPicture(SidePicture::Exit), "Exit", [this] { ExitCommand(); }}});
}

void CalendarMakerWindow::Form_Load() {
    // The main window leaves 15 set when it opens this window.
    program_.NextActivity = 0;
    const QDateTime now = services_.clock.now();
    {
        const QSignalBlocker blocker(monthView);
        monthView->setSelectedDate(now.date());
    }
    ChosenDate = now;
    LoadFormServices();
    mainPanelFrame->setBackColour(systemDefaultColour());
    PrintMonthCalendar();
    QCoreApplication::processEvents();
}

void CalendarMakerWindow::Form_Activate() {
    ActivateFormServices();
    showStatus(windowTitle());
    if (exitButton->isEnabled()) {
        exitButton->setFocus(Qt::OtherFocusReason);
    }
}

void CalendarMakerWindow::ExitCommand() {
    close();
}

void CalendarMakerWindow::TakeClickedDay(const QDate& date) {
    // The selection change has rebuilt the page already unless the chosen day was clicked again.
    if (date != ChosenDate.date()) {
        ChosenDate = QDateTime(date, ChosenDate.time());
        QCoreApplication::processEvents();
        PrintMonthCalendar();
    }
    printButton->setFocus(Qt::OtherFocusReason);
}

void CalendarMakerWindow::TakeSelectedDay() {
    // The focus stays where the person is: arrow keys on the month go on moving the day, and a
    // click on a day moves the focus to Print through TakeClickedDay.
    ChosenDate = QDateTime(monthView->selectedDate(), ChosenDate.time());
    PrintMonthCalendar();
}

void CalendarMakerWindow::ChooseAlignment(int index) {
    NumberAlignment = index;
    PrintMonthCalendar();
}

void CalendarMakerWindow::PrintMonthCalendar() {
    BuiltMonth = BuildMonthGrid(ChosenDate.date());
    MonthCalendarPage::build(calendarPage->layout(), ChosenDate.date(), BuiltMonth,
                             NumberAlignment);
    calendarPage->refresh();
    // The page is read as a table named by its title.
    calendarPage->setAccessibleName(DateNames::monthTitle(ChosenDate.date()));
    AccessibleTable::shapeChanged(*calendarPage);
}

void CalendarMakerWindow::PrintCalendarPage() {
    printDocument(services_.printer, services_.dialogs, calendarPage->layout().document(),
                  DateNames::monthTitle(ChosenDate.date()), this);
}
