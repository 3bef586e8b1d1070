// Copying what the window shows as text: the day page, or the month grid while it shows.
#include "PlannerWindow.h"

#include "Clipboard.h"
#include "GridControl.h"
#include "MonthView.h"
#include "Panel3D.h"
#include "PlannerCopyText.h"
#include "Twips.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace {

// The window's font, in which the month's columns are measured.
QFont windowFont() {
    QFont font(QStringLiteral("MS Sans Serif"), 12);
    font.setBold(true);
    return font;
}

} // namespace

void PlannerWindow::CopyPlannerText() {
    bool something = false;
    if (monthViewPanel->isVisible()) {
        // Row 1 carries the first day's label whenever the month has an entry.
        monthGrid->setRow(1);
        monthGrid->setCol(0);
        something = !monthGrid->text().trimmed().isEmpty();
    } else {
        for (std::size_t row = 0; row < std::size_t(kRows) && !something; ++row) {
            something = !timeBoxes[row]->text().isEmpty() || !activityBoxes[row]->text().isEmpty();
        }
    }
    if (!something) {
        services_.dialogs.message({"There are currently No Entries to Copy!", "Copy",
                                   Dialogs::Icon::Information, Dialogs::Buttons::Ok});
        return;
    }
    if (monthViewPanel->isVisible()) {
        CopyMonthToClipboard();
    } else {
        CopyDayToClipboard();
    }
    services_.dialogs.message({"Data has been copied to the Windows Clipboard.", "Copy Option",
                               Dialogs::Icon::Information, Dialogs::Buttons::Ok});
}

void PlannerWindow::CopyDayToClipboard() {
    PlannerCopyText::Rows times;
    PlannerCopyText::Rows activities;
    for (std::size_t row = 0; row < std::size_t(kRows); ++row) {
        times[row] = timeBoxes[row]->text();
        activities[row] = activityBoxes[row]->text();
    }
    // The title names the day on the page.
    const QDate day = LoadedDate.isValid() ? LoadedDate : datePicker->selectedDate();
    services_.clipboard.putText(PlannerCopyText::day(day, times, activities));
}

void PlannerWindow::CopyMonthToClipboard() {
    const QFontMetrics metrics(windowFont());
    const auto width = [&metrics](const QString& text) {
        return Twips::fromPixels(metrics.horizontalAdvance(text));
    };
    services_.clipboard.putText(
        PlannerCopyText::month(monthViewPanel->caption(), monthGridRows(), width));
}
