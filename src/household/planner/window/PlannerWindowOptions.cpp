// The calendar options: how the date picker shows itself, chosen on the options panel.
#include "PlannerWindow.h"

#include "MonthView.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QMenu>
#include <QToolBar>

void PlannerWindow::selectOptions() {
    // Each selection runs its option's click, which applies all four settings; a value without
    // an option button selects nothing.
    monthsShownOptions->select(Options.MonthsShown);
    weekNumberOptions->select(Options.WeekNumbers);
    firstWeekdayOptions->select(Options.FirstWeekday - 1);
    todayMarkOptions->select(Options.TodayShown);
}

void PlannerWindow::ChooseMonthsShown(int index) {
    Options.MonthsShown = index;
    ApplyCalendarOptions();
}

void PlannerWindow::ChooseWeekNumbers(int index) {
    Options.WeekNumbers = index;
    ApplyCalendarOptions();
}

void PlannerWindow::ChooseFirstWeekday(int index) {
    Options.FirstWeekday = index + 1;
    ApplyCalendarOptions();
}

void PlannerWindow::ChooseTodayMark(int index) {
    Options.TodayShown = index;
    ApplyCalendarOptions();
}

void PlannerWindow::ApplyCalendarOptions() {
    if (const auto layout = Options.pickerLayout()) {
        datePicker->setMonthsShown(layout->months);
        datePicker->setWeekNumbersShown(layout->weekNumbers);
        datePicker->move(Twips::toPixels(layout->leftTwips), datePicker->y());
    }
    datePicker->move(datePicker->x(), pickerPanel->height() / 2 - datePicker->height() / 2);
    // A first weekday of 0 (never saved) leaves the picker's as it was.
    datePicker->setFirstWeekday(Options.FirstWeekday);
    datePicker->setTodayMarked(Options.TodayShown != 0);
    QCoreApplication::processEvents();
}

void PlannerWindow::OpenCalendarOptions() {
    for (int button = 1; button <= 7; ++button) {
        sideButtonsBeforeOptions_.at(std::size_t(button)) = leftToolbarButton(button)->isEnabled();
        leftToolbarButton(button)->setEnabled(false);
    }
    showStatus("Calendar Display Options");
    Options = CalendarOptions::read(services_.folder);
    selectOptions();
    optionsMenu->menuAction()->setEnabled(false);
    calendarOptionsPanel->show();
    calendarOptionsPanel->raise();
}

void PlannerWindow::CloseCalendarOptions() {
    // Options that cannot be written stay chosen while the window is open.
    Options.write(services_.folder);
    optionsMenu->menuAction()->setEnabled(true);
    calendarOptionsPanel->hide();
    for (int button = 1; button <= 7; ++button) {
        leftToolbarButton(button)->setEnabled(sideButtonsBeforeOptions_.at(std::size_t(button)));
    }
    QCoreApplication::processEvents();
    showStatus(windowTitle());
}
