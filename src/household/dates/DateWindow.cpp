// The date window: load, activation, exit, and the handlers that keep boxes, month view and
// weekday in step.
#include "DateWindow.h"

#include "DateNames.h"
#include "DatePrintout.h"
#include "DefaultPrintFont.h"
#include "DropDownList.h"
#include "MonthView.h"
#include "NumericValue.h"
#include "PagingSelection.h"
#include "Panel3D.h"
#include "PrintJob.h"
#include "PrintLayout.h"
#include "StatusBar.h"
#include "Twips.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace {

ActivityConstants dateConstants() {
    ActivityConstants constants = ActivityConstants::household(14, 2004);
    constants.restoreOffset = 0;
    return constants;
}

// The window as designed, the size of the main window's smaller display.
constexpr int kDateWindowWidth = 12000;
constexpr int kDateWindowHeight = 9000;

} // namespace

DateWindow::DateWindow(Services& services)
    : ActivityWindow(services, dateConstants(), kCaption),
      panelColours_(services, "Save changes made to Panel and or Text Color?") {
    setObjectName("DateF");
    buildControls();
    buildMenus();
    buildSideToolbar();
    connectHandlers();
    panelColours_.add({"Panel Color", {colourArea}, SettingsFile::GColor3, 91, kFirstRunColour});
    resize(Twips::toPixels(kDateWindowWidth, kDateWindowHeight));
    Form_Load();
}

DateWindow::~DateWindow() = default;

QWidget* DateWindow::mainPanel() const {
    return mainPanelFrame;
}

void DateWindow::connectHandlers() {
    // activated: a person's choice, also of the item already chosen; never a setting from code.
    connect(monthList, &QComboBox::activated, this, &DateWindow::ChooseMonth);
    connect(dayList, &QComboBox::activated, this, &DateWindow::ChooseDay);
    connect(yearList, &QComboBox::activated, this, &DateWindow::ChooseYear);
    // Typing, pasting and cutting; the window's own settings of the box are made with the box's
    // signals blocked and call the check themselves where it is due.
    connect(yearBox, &QLineEdit::textChanged, this, &DateWindow::CheckTypedYear);
    connect(monthView, &QCalendarWidget::selectionChanged, this, &DateWindow::ShowDateFields);
    selectOnPaging(*monthView);
    connect(exitButton, &QPushButton::clicked, this, &DateWindow::ExitCommand);
    connect(printButton, &QPushButton::clicked, this, &DateWindow::PrintDateFunction);
    connect(printAction, &QAction::triggered, this, &DateWindow::PrintDateFunction);
    connect(leftToolbarButton(2), &QAction::triggered, this, &DateWindow::PrintDateFunction);
}

void DateWindow::Form_Load() {
    LoadFormServices();
    panelColours_.LoadPanelColour();
    const QDate today = services_.clock.today();
    {
        const QSignalBlocker blocker(monthView);
        monthView->setSelectedDate(today);
    }
    for (int year = DateNames::kFirstYear; year <= DateNames::kLastYear; ++year) {
        yearList->addItem(QString::number(year));
    }
    showFields(fieldsOf(today));
    weekday->setText(DateNames::weekdayName(today));
    // Filling the year box is a change of it: the year list and the month number follow.
    CheckTypedYear();
    const QColor face = systemDefaultColour();
    for (Panel3D* panel : {mainPanelFrame, calendarPanel, fieldsPanel, weekdayPanel}) {
        panel->setBackColour(face);
    }
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
}

void DateWindow::Form_Activate() {
    ActivateFormServices();
    monthView->move((calendarPanel->width() - monthView->width()) / 2,
                    (calendarPanel->height() - monthView->height()) / 2);
    if (program_.ScreenMode == 0) {
        // In the full-screen display the lists have grown; the boxes follow, their buttons free.
        const struct {
            QLineEdit* box;
            DropDownList* list;
            double share;
        } boxes[] = {
            {monthBox, monthList, 0.85}, {dayBox, dayList, 0.74}, {yearBox, yearList, 0.8}};
        for (const auto& entry : boxes) {
            entry.box->resize(qRound(entry.share * entry.list->width()), entry.list->height());
        }
    }
    showStatus(windowTitle());
}

void DateWindow::ExitCommand() {
    close();
}

bool DateWindow::ExitQuestions() {
    panelColours_.PromptSaveColours();
    return true;
}

QDate DateWindow::chosenDate() const {
    return monthView->selectedDate();
}

DateFields DateWindow::fields() const {
    return {monthBox->text(), dayBox->text(), yearBox->text()};
}

void DateWindow::showFields(const DateFields& fields) {
    monthList->showValue(fields.month);
    dayList->showValue(fields.day);
    yearList->showValue(fields.year);
}

void DateWindow::showDate(const QDate& date) {
    {
        const QSignalBlocker blocker(monthView);
        selectDay(*monthView, date);
    }
    weekday->setText(DateNames::weekdayName(date));
}

void DateWindow::ChooseMonth() {
    monthList->showValue(monthList->currentText());
    MonthOrYearChosen();
}

void DateWindow::ChooseYear() {
    // Every year of the list is one the check would accept as it stands.
    yearList->showValue(yearList->currentText());
    MonthOrYearChosen();
}

void DateWindow::MonthOrYearChosen() {
    const ResolvedDate resolved = ResolveSelectedDate(fields(), MonthNumber);
    MonthNumber = resolved.monthNumber;
    // Without a usable year (still being typed) there is no date: nothing else moves.
    if (!resolved.date.has_value()) {
        return;
    }
    showFields(resolved.fields);
    showDate(*resolved.date);
}

void DateWindow::ChooseDay() {
    dayList->showValue(dayList->currentText());
    const ResolvedDate resolved = ResolveChosenDay(fields(), MonthNumber);
    if (!resolved.date.has_value()) {
        return;
    }
    showFields(resolved.fields);
    showDate(*resolved.date);
}

void DateWindow::CheckTypedYear() {
    // The box is set again below; that setting is part of this check, not a new one.
    if (checkingYear_) {
        return;
    }
    const QScopedValueRollback guard(checkingYear_, true);
    // A typed year takes effect at its fourth character.
    if (yearBox->text().size() != 4) {
        return;
    }
    const int typed = numericValue(yearBox->text());
    if (typed < DateNames::kFirstYear) {
        MinimumYearMessage();
        yearList->showValue(QString::number(DateNames::kFirstYear));
    } else if (typed > DateNames::kLastYear) {
        MaximumYearMessage();
        yearList->showValue(QString::number(DateNames::kLastYear));
    }
    MonthOrYearChosen();
}

void DateWindow::MinimumYearMessage() {
    services_.dialogs.message({"Lower value cannot be less then 1753!", "Minimum Year",
                               Dialogs::Icon::Information, Dialogs::Buttons::Ok});
}

void DateWindow::MaximumYearMessage() {
    services_.dialogs.message({"Upper value cannot be more then 2500!", "Maximum Year",
                               Dialogs::Icon::Information, Dialogs::Buttons::Ok});
}

void DateWindow::ShowDateFields() {
    const QDate date = monthView->selectedDate();
    const DateFields shown = fieldsOf(date);
    monthList->showValue(shown.month);
    dayList->showValue(shown.day);
    weekday->setText(DateNames::weekdayName(date));
    if (yearBox->text() != shown.year) {
        yearList->showValue(shown.year);
        CheckTypedYear();
    }
}

void DateWindow::ChoosePanelColour() {
    showStatus("Panel Color");
    panelColours_.ChooseColour(0);
    showStatus(windowTitle());
}

void DateWindow::PrintDateFunction() {
    showStatus("Printing Date");
    program_.BusyPointer();
    Printer& printer = services_.printer;
    // The month box keeps the classic dialog font, which prints as "Times New Roman".
    const QString font = printerFamilyFor(printer, QStringLiteral("MS Sans Serif"));
    program_.PrintSettings.PrintFontName = font;
    program_.PrintSettings.PrintFontSize = qint32(24);
    PrintLayout layout;
    DatePrintout::build(layout, pageGeometryOf(printer.defaultPageLayout()), font, chosenDate(),
                        services_.clock.today());
    program_.NormalPointer(); // the print dialog waits for the person
    printDocument(printer, services_.dialogs, layout.document(), kCaption, this);
    showStatus(windowTitle());
}
