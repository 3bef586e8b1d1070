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
    Combo1->hide();
    const QDate date = MonthView1->selectedDate();
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
        SSPanel4->setCaption(QString());
        services_.dialogs.message(
            {QString("The Daily Planner file for %1 could not be read!").arg(SelectedYear),
             "Loading Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        return false;
    }
    WorkingDay = *day;
    if (WorkingDay.isFull()) {
        for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
            Text1[row]->setText(WorkingDay.times[row]);
            Text2[row]->setText(WorkingDay.activities[row]);
        }
    } else {
        ClearDayRows();
    }
    LoadedRecord = SelectedRecord;
    LoadedYear = SelectedYear;
    if (!Text1[0]->isEnabled()) {
        setRowsEnabled(true);
        EnableEntryCommands();
        Command2->setFocus(Qt::OtherFocusReason);
    }
    // A day never saved has nothing to clear.
    const bool saved = WorkingDay.isFull();
    Command3->setEnabled(saved);
    Toolbar2Button(5)->setEnabled(saved);
    mOClr->setEnabled(saved);
    QCoreApplication::processEvents();
    ShowSelectedDate();
    return true;
}

YearFile::DayRecord PlannerWindow::CollectDayEntries() const {
    YearFile::DayRecord day;
    for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
        day.times[row] = Text1[row]->text();
        day.activities[row] = Text2[row]->text();
    }
    day.status = YearFile::kFull;
    return day;
}

bool PlannerWindow::SaveLoadedDay() {
    WorkingDay = CollectDayEntries();
    if (!YearFile::write(services_.folder, LoadedYear, LoadedRecord, WorkingDay)) {
        services_.dialogs.message(
            {"The entries for " + SSPanel4->caption() + " could not be saved!", "Disk Error",
             Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        return false;
    }
    SelectedYear = LoadedYear;
    SelectedRecord = LoadedRecord;
    return true;
}

void PlannerWindow::ClearDayRows() {
    for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
        Text1[row]->clear();
        Text2[row]->clear();
    }
}

void PlannerWindow::SaveDayPage() {
    Combo1->hide();
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
    Combo1->hide();
    if (DayPage::hasEntries(CollectDayEntries())) {
        const Dialogs::Answer answer = services_.dialogs.message(
            {"Clear all Entries for " + SSPanel4->caption() + "?", "Clear Entries",
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
        MonthView1->setSelectedDate(LoadedDate);
        return;
    }
    LoadDayEntries();
    if (byClick && Command4->isEnabled()) {
        Command4->setFocus(Qt::OtherFocusReason);
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
    SSPanel4->setCaption(DisplayText::longDate(MonthView1->selectedDate()));
}

void PlannerWindow::DisableEntryCommands() {
    for (QPushButton* command : {Command1, Command3, Command4}) {
        command->setEnabled(false);
    }
    for (QAction* command : {Toolbar2Button(5), mOCopy, mECopy, mOClr, mOS, mOV}) {
        command->setEnabled(false);
    }
}

void PlannerWindow::EnableEntryCommands() {
    for (QPushButton* command : {Command1, Command3, Command4}) {
        command->setEnabled(true);
    }
    for (QAction* command : {Toolbar2Button(5), mOCopy, mECopy, mOClr, mOS, mOV}) {
        command->setEnabled(true);
    }
}

void PlannerWindow::markEdited() {
    EntriesChanged = 1;
    EnableEntryCommands();
}

void PlannerWindow::setRowsEnabled(bool enabled) {
    for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
        Text1[row]->setEnabled(enabled);
        Text2[row]->setEnabled(enabled);
    }
}

void PlannerWindow::PickTime(int index) {
    Text1.at(std::size_t(CurrentRow))->setText(Combo1->itemText(index));
    Text2.at(std::size_t(CurrentRow))->setFocus(Qt::TabFocusReason);
    markEdited();
}

void PlannerWindow::timeBoxGotFocus(int row) {
    QLineEdit* box = Text1.at(std::size_t(row));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, ColorNumber::palette(14));
    box->setPalette(palette);
    CurrentRow = row;
    // Only the picker's button shows, at the box's right edge: the box lies in front of it.
    Combo1->move(box->x() + Twips::toPixels(15), box->y());
    Combo1->raise();
    Combo1->show();
    box->raise();
}

void PlannerWindow::activityBoxGotFocus(int row) {
    QLineEdit* box = Text2.at(std::size_t(row));
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, ColorNumber::palette(14));
    box->setPalette(palette);
    Combo1->hide();
}

void PlannerWindow::restColumn(const std::array<QLineEdit*, kRows>& column) {
    const QColor resting = Text3->palette().color(QPalette::Base);
    for (QLineEdit* box : column) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, resting);
        box->setPalette(palette);
    }
}
