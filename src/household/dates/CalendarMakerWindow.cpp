// The calendar maker: load, activation, the month view and the alignment options, and the page.
#include "CalendarMakerWindow.h"

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
constexpr int kDesignedWidth = 12000;
constexpr int kDesignedHeight = 9000;

} // namespace

CalendarMakerWindow::CalendarMakerWindow(Services& services)
    : ActivityWindow(services, calendarConstants(), kCaption) {
    setObjectName("Calendar");
    buildControls();
    mO->setTitle("Options");
    mOE = mO->addAction("E&xit", this, &CalendarMakerWindow::ExitCommand);
    buildSideToolbar();
    windowKeys().setCancelButton(Command1);
    // F1 shows the window's own topic.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &CalendarMakerWindow::ShowHelpTopic);

    connect(MonthView1, &QCalendarWidget::clicked, this,
            &CalendarMakerWindow::MonthView1_DateClick);
    connect(MonthView1, &QCalendarWidget::selectionChanged, this,
            &CalendarMakerWindow::MonthView1_SelChange);
    selectOnPaging(*MonthView1);
    connect(alignmentOptions_, &OptionGroup::clicked, this, &CalendarMakerWindow::SSOption1_Click);
    connect(Command1, &QPushButton::clicked, this, &CalendarMakerWindow::ExitCommand);
    connect(cmdPrint, &QPushButton::clicked, this, &CalendarMakerWindow::cmdPrint_Click);
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    Form_Load();
}

CalendarMakerWindow::~CalendarMakerWindow() = default;

QWidget* CalendarMakerWindow::mainPanel() const {
    return Panel3D1;
}

void CalendarMakerWindow::buildControls() {
    useDialogFont(*centralWidget());

    Panel3D1 = place(new Panel3D(centralWidget()), 0, 0, 9840, 7260);
    Panel3D1->hide();
    // A transparent label over the panel's inside, beneath the controls.
    Label2 = place(new QLabel(Panel3D1), 60, 60, 9705, 7200);

    MonthView1 = place(new QCalendarWidget(Panel3D1), 130, 690, 2595, 2370);
    MonthView1->setAccessibleName("Month view");
    MonthView1->setFirstDayOfWeek(Qt::Sunday);
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthView1->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));

    SSFrame1 = place(new QGroupBox("Calendar Numbers", Panel3D1), 130, 3285, 2595, 690);
    alignmentOptions_ = new OptionGroup(this);
    SSOption1[0] = place(new QRadioButton("Align Left", SSFrame1), 130, 300, 1005, 255);
    SSOption1[1] = place(new QRadioButton("Align Right", SSFrame1), 1290, 300, 1080, 255);
    for (QRadioButton* option : SSOption1) {
        alignmentOptions_->add(option);
    }
    SSOption1[0]->setChecked(true);

    cmdPrint = place(new QPushButton("&Print", Panel3D1), 130, 4800, 2595, 555);
    Command1 = place(new QPushButton("E&xit", Panel3D1), 130, 5700, 2595, 555);
    vp = place(new PrintPreview(services_.printer, services_.clipboard, Panel3D1), 2800, 75, 6960,
               7060);
    vp->setAccessibleName("Calendar page");
}

void CalendarMakerWindow::buildSideToolbar() {
    fillSideToolbar({{printPicture(), "Print", [this] { cmdPrint_Click(); }},
                     {sideToolbarPicture(SidePicture::Help), "Help", [this] { ShowHelpTopic(); }},
                     {sideToolbarPicture(SidePicture::Exit), "Exit", [this] { ExitCommand(); }}});
}

void CalendarMakerWindow::Form_Load() {
    // The main window leaves 15 set when it opens this window.
    program_.NextActivity = 0;
    const QDateTime now = services_.clock.now();
    {
        const QSignalBlocker blocker(MonthView1);
        MonthView1->setSelectedDate(now.date());
    }
    ChosenDate = now;
    LoadFormServices();
    Panel3D1->setBackColour(systemDefaultColour());
    PrintMonthCalendar();
    QCoreApplication::processEvents();
}

void CalendarMakerWindow::Form_Activate() {
    ActivateFormServices();
    showStatus(windowTitle());
    if (Command1->isEnabled()) {
        Command1->setFocus(Qt::OtherFocusReason);
    }
}

void CalendarMakerWindow::ExitCommand() {
    close();
}

void CalendarMakerWindow::MonthView1_DateClick(const QDate& date) {
    // The selection change has rebuilt the page already unless the chosen day was clicked again.
    if (date != ChosenDate.date()) {
        ChosenDate = QDateTime(date, ChosenDate.time());
        QCoreApplication::processEvents();
        PrintMonthCalendar();
    }
    cmdPrint->setFocus(Qt::OtherFocusReason);
}

void CalendarMakerWindow::MonthView1_SelChange() {
    ChosenDate = QDateTime(MonthView1->selectedDate(), ChosenDate.time());
    PrintMonthCalendar();
    cmdPrint->setFocus(Qt::OtherFocusReason);
}

void CalendarMakerWindow::SSOption1_Click(int index) {
    NumberAlignment = index;
    PrintMonthCalendar();
}

void CalendarMakerWindow::PrintMonthCalendar() {
    Grid = BuildMonthGrid(ChosenDate.date());
    MonthCalendarPage::build(vp->layout(), ChosenDate.date(), Grid, NumberAlignment);
    vp->refresh();
}

void CalendarMakerWindow::cmdPrint_Click() {
    printDocument(services_.printer, services_.dialogs, vp->layout().document(),
                  DateNames::monthTitle(ChosenDate.date()), this);
}
