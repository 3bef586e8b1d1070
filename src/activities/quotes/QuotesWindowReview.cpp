// Looking back at play: View Errors after a word-entry quote, and the Hall of Fame of the best
// two-panel results timed upwards.
#include "QuotesWindow.h"

#include "GridControl.h"
#include "HallOfFame.h"
#include "Panel3D.h"
#include "QuoteRules.h"
#include "WordBox.h"

#include <QPushButton>

#include <cmath>

namespace {

const QString kHallOfFame = "Hall of Fame";

} // namespace

void QuotesWindow::DirectionsViewErrorsMessage() {
    activityDirections("Please Close View Errors to Resume Activity");
}

void QuotesWindow::ShowViewErrors(bool prepare) {
    if (!prepare) {
        viewErrorsPanel->show();
        viewErrorsPanel->raise();
        return;
    }
    const int boxes = state_.BoxCount;
    viewErrorsGrid->setCols(2);
    viewErrorsGrid->setCols(boxes + 1);
    viewErrorsGrid->setRows(2);
    const int share = int(std::nearbyint(viewErrorsGrid->widthTwips() * 0.2));
    for (int col = 0; col <= boxes; ++col) {
        const GridControl::Alignment alignment =
            col == 0 ? GridControl::RightCentre : GridControl::Centre;
        viewErrorsGrid->setColWidth(col, share);
        viewErrorsGrid->setColAlignment(col, alignment);
        viewErrorsGrid->setFixedAlignment(col, alignment);
    }
    QStringList correct{"CORRECT:"};
    QStringList entries{"YOUR ENTRIES:"};
    for (int i = 0; i < boxes; ++i) {
        correct.append(state_.CorrectText.at(std::size_t(i)).toUpper());
        entries.append(upperBoxes.at(std::size_t(i))->text());
    }
    viewErrorsGrid->setRowText(0, correct.join('\t'));
    viewErrorsGrid->setRowText(1, entries.join('\t'));
}

void QuotesWindow::CloseViewErrors() {
    viewErrorsPanel->hide();
    startButton->setFocus(Qt::OtherFocusReason);
}

void QuotesWindow::OpenViewErrors() {
    ShowViewErrors(false);
}

void QuotesWindow::hallOfFameMessage(const QString& text) {
    services_.dialogs.message(
        {text, kHallOfFame, Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok});
}

void QuotesWindow::CheckHallOfFame() {
    if (panelMode_ != QuoteRules::TwoPanels) {
        return;
    }
    HallOfFame::File file(services_.folder);
    const int record = state_.HallOfFameRecord;
    const std::optional<QString> stored = file.read(record);
    if (!stored) {
        hallOfFameMessage(QString("The Hall of Fame file %1 cannot be read, so this result "
                                  "cannot be entered.")
                              .arg(HallOfFame::kFileName));
        return;
    }
    if (!HallOfFame::qualifies(HallOfFame::split(*stored), state_.ReportAccuracyText,
                               state_.ReportTimeText)) {
        return;
    }
    services_.sound.beep();
    const QString prompt = "CONGRATULATIONS!" + kCR +
                           "You have established yourself as a Hall of Fame Inductee for this "
                           "Quote and   Word Grouping." +
                           kCR + kCR + "Please enter your name below (Up to 8 letters).";
    const QString answer =
        services_.dialogs.input(prompt, "Hall of Fame Input Box", {}).value_or(QString());
    if (answer.isEmpty()) {
        return;
    }
    const QString entry =
        HallOfFame::entryFor(answer, state_.ReportAccuracyText, state_.ReportTimeText);
    if (file.write(record, entry) != RecordFile::WriteResult::Written) {
        hallOfFameMessage(QString("Your Hall of Fame entry could not be saved: %1 cannot be "
                                  "written. The entries it held are unchanged.")
                              .arg(HallOfFame::kFileName));
    }
}

void QuotesWindow::SwitchReportAndHallOfFame() {
    if (reportPanel->caption() != kHallOfFame) {
        reportPanel->setCaption(kHallOfFame);
        hallOfFameButton->setText("&View Perf. Report");
        deleteAllButton->show();
    } else {
        reportPanel->setCaption("Performance Report");
        hallOfFameButton->setText("&View Hall of Fame");
        deleteAllButton->hide();
    }
    if (reportPanel->caption() == "Performance Report") {
        ShowPerformanceGrid();
        return;
    }
    showHallOfFame();
}

void QuotesWindow::showHallOfFame() {
    performanceGrid->setRows(1);
    performanceGrid->setRows(43);
    performanceGrid->setRow(0);
    performanceGrid->setRowText(
        0, QStringList{"Quote No.", "Words", "Name", "Accuracy", "Time"}.join('\t'));
    HallOfFame::File file(services_.folder);
    const std::optional<QStringList> entries = file.readAll();
    if (!entries) {
        hallOfFameMessage(
            QString("The Hall of Fame file %1 cannot be read.").arg(HallOfFame::kFileName));
        return;
    }
    // A missing or short file is completed; if the folder refuses, the entries still show.
    file.complete();
    int row = 1;
    for (int record = 1; record <= HallOfFame::kRecords; ++record) {
        const HallOfFame::Entry entry = HallOfFame::split(entries->at(record - 1));
        if (entry.name.trimmed().isEmpty()) {
            continue;
        }
        if (row > 13) {
            performanceGrid->setRows(row + 1);
        }
        const int quote = (record - 1) / 4 + 1;
        const int words = (record - 1) % 4 + 1;
        performanceGrid->setRowText(row, QStringList{QString::number(quote), QString::number(words),
                                                     entry.name, entry.accuracy + '%', entry.time}
                                             .join('\t'));
        ++row;
    }
}

void QuotesWindow::DeleteAllHallOfFameEntries() {
    services_.sound.beep();
    const Dialogs::Answer answer = services_.dialogs.message(
        {"Do you Really Want to Delete" + kCR + "All Hall of Fame Entries!", "Hall of Fame Entries",
         Dialogs::Icon::Critical, Dialogs::Buttons::YesNoDefaultNo});
    if (answer == Dialogs::Answer::Yes) {
        if (HallOfFame::File(services_.folder).deleteAll() == RecordFile::WriteResult::Written) {
            performanceGrid->setRows(1);
            performanceGrid->setRows(14);
            performanceGrid->setRow(1);
            performanceGrid->setCol(0);
        } else {
            hallOfFameMessage(QString("The Hall of Fame entries could not be deleted: %1 cannot "
                                      "be written. The entries are unchanged.")
                                  .arg(HallOfFame::kFileName));
        }
    }
    closeReportButton->setFocus(Qt::OtherFocusReason);
}
