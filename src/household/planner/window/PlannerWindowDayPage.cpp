// The day page: loading, saving and clearing a day, choosing another, the time picker, the
// questions and the locks.
#include "PlannerWindow.h"

#include "ColorNumber.h"
#include "DayPage.h"
#include "DisplayText.h"
#include "MonthView.h"
#include "Panel3D.h"
#include "StatusBar.h"
#include "Twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

bool PlannerWindow::LoadDayEntries() {
    timeList->hide();
    const QDate date = datePicker->selectedDate();
    LoadedDate = date;
    SelectedYear = date.year();
    SelectedRecord = YearFile::recordNumber(date);
    const std::optional<YearFile::DayRecord> day =
        YearFile::read(services_.folder, SelectedYear, SelectedRecord);
    if (!day) {
        // No day is on the page: nothing can be typed, saved or cleared until a load succeeds,
        // and choosing the same day again tries once more.
        LoadedDate = QDate();
        ClearDayRows();
        DisableEntryCommands();
        setRowsEnabled(false);
        datePanel->setCaption(QString());
        services_.dialogs.message(
            {QString("The Daily Planner file for %1 could not be read!").arg(SelectedYear),
             "Loading Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        return false;
    }
    WorkingDay = *day;
    if (WorkingDay.isFull()) {
        for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
            timeBoxes[row]->setText(WorkingDay.times[row]);
            activityBoxes[row]->setText(WorkingDay.activities[row]);
        }
    } else {
        ClearDayRows();
    }
    LoadedRecord = SelectedRecord;
    LoadedYear = SelectedYear;
    if (!timeBoxes[0]->isEnabled()) {
        setRowsEnabled(true);
        EnableEntryCommands();
        exitButton->setFocus(Qt::OtherFocusReason);
    }
    // A day never saved has nothing to clear.
    const bool saved = WorkingDay.isFull();
    clearEntriesButton->setEnabled(saved);
    leftToolbarButton(5)->setEnabled(saved);
    clearEntriesAction->setEnabled(saved);
    QCoreApplication::processEvents();
    ShowSelectedDate();
    return true;
}

YearFile::DayRecord PlannerWindow::CollectDayEntries() const {
    YearFile::DayRecord day;
    for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
        day.times[row] = timeBoxes[row]->text();
        day.activities[row] = activityBoxes[row]->text();
    }
    day.status = YearFile::kFull;
    return day;
}

bool PlannerWindow::SaveLoadedDay() {
    WorkingDay = CollectDayEntries();
    if (!YearFile::write(services_.folder, LoadedYear, LoadedRecord, WorkingDay)) {
        services_.dialogs.message(
            {"The entries for " + datePanel->caption() + " could not be saved!", "Disk Error",
             Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        return false;
    }
    SelectedYear = LoadedYear;
    SelectedRecord = LoadedRecord;
    return true;
}

void PlannerWindow::ClearDayRows() {
    for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
        timeBoxes[row]->clear();
        activityBoxes[row]->clear();
    }
}

void PlannerWindow::SaveDayPage() {
    timeList->hide();
    if (!DayPage::hasEntries(CollectDayEntries())) {
        const Dialogs::Answer answer = services_.dialogs.message(
            {"There are currently No Entries to Save!\rSave anyway?", "Save",
             Dialogs::Icon::Information, Dialogs::Buttons::YesNoDefaultNo});
        program_.SignalValue = int(answer);
        if (answer != Dialogs::Answer::Yes) {
            program_.SignalValue = 0;
            return;
        }
    }
    if (SaveLoadedDay()) {
        EntriesChanged = 0;
    }
    program_.SignalValue = 0;
}

void PlannerWindow::ClearDayPage() {
    showStatus("Clear Entries");
    timeList->hide();
    if (DayPage::hasEntries(CollectDayEntries())) {
        const Dialogs::Answer answer = services_.dialogs.message(
            {"Clear all Entries for " + datePanel->caption() + "?", "Clear Entries",
             Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel});
        program_.SignalValue = int(answer);
        if (answer == Dialogs::Answer::Yes) {
            // The file changes only at a later save.
            ClearDayRows();
            EntriesChanged = 1;
        }
    } else {
        services_.dialogs.message({"There are currently No Entries to Clear!", "Clear Entries",
                                   Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    }
    showStatus(windowTitle());
}

void PlannerWindow::SelectDay(const QDate& date, bool byClick) {
    if (date == LoadedDate) {
        return;
    }
    if (EntriesChanged == 1 && !PromptSaveBeforeNext()) {
        // The unsaved rows stay, and the picker with them.
        datePicker->setSelectedDate(LoadedDate);
        return;
    }
    LoadDayEntries();
    if (byClick && viewMonthButton->isEnabled()) {
        viewMonthButton->setFocus(Qt::OtherFocusReason);
    }
}

bool PlannerWindow::PromptSaveBeforeNext() {
    const Dialogs::Answer answer =
        services_.dialogs.message({"Save changes/entries before next action?", "Daily Planner",
                                   Dialogs::Icon::Question, Dialogs::Buttons::YesNo});
    program_.SignalValue = int(answer);
    if (answer == Dialogs::Answer::Yes && !SaveLoadedDay()) {
        program_.SignalValue = 0;
        return false;
    }
    EntriesChanged = 0;
    program_.SignalValue = 0;
    ClearDayRows();
    QCoreApplication::processEvents();
    return true;
}

void PlannerWindow::ShowSelectedDate() {
    datePanel->setCaption(DisplayText::longDate(datePicker->selectedDate()));
}

void PlannerWindow::DisableEntryCommands() {
    for (QPushButton* command : {saveButton, clearEntriesButton, viewMonthButton}) {
        command->setEnabled(false);
    }
    for (QAction* command : {leftToolbarButton(5), popupCopyAction, copyAction, clearEntriesAction,
                             saveAction, viewMonthAction}) {
        command->setEnabled(false);
    }
}

void PlannerWindow::EnableEntryCommands() {
    for (QPushButton* command : {saveButton, clearEntriesButton, viewMonthButton}) {
        command->setEnabled(true);
    }
    for (QAction* command : {leftToolbarButton(5), popupCopyAction, copyAction, clearEntriesAction,
                             saveAction, viewMonthAction}) {
        command->setEnabled(true);
    }
}

void PlannerWindow::markEdited() {
    EntriesChanged = 1;
    EnableEntryCommands();
}

void PlannerWindow::setRowsEnabled(bool enabled) {
    for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
        timeBoxes[row]->setEnabled(enabled);
        activityBoxes[row]->setEnabled(enabled);
    }
}

void PlannerWindow::PickTime(int index) {
    timeBoxes.at(std::size_t(CurrentRow))->setText(timeList->itemText(index));
    activityBoxes.at(std::size_t(CurrentRow))->setFocus(Qt::TabFocusReason);
    markEdited();
}

void PlannerWindow::timeBoxGotFocus(int row) {
    QLineEdit* box = timeBoxes.at(std::size_t(row));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, ColorNumber::palette(14));
    box->setPalette(palette);
    CurrentRow = row;
    // Only the picker's button shows, at the box's right edge: the box lies in front of it.
    timeList->move(box->x() + Twips::toPixels(15), box->y());
    timeList->raise();
    timeList->show();
    box->raise();
}

void PlannerWindow::activityBoxGotFocus(int row) {
    QLineEdit* box = activityBoxes.at(std::size_t(row));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, ColorNumber::palette(14));
    box->setPalette(palette);
    timeList->hide();
}

void PlannerWindow::restColumn(const std::array<QLineEdit*, kRows>& column) {
    const QColor resting = restingColourBox->palette().color(QPalette::Base);
    for (QLineEdit* box : column) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, resting);
        box->setPalette(palette);
    }
}
