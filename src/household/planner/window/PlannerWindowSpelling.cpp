// The spelling check of the day page: the activity boxes row by row through the spelling checker.
#include "PlannerWindow.h"

#include "AutoCorrectSpread.h"
#include "AutoCorrectTable.h"
#include "SpellChecker.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace {

// A row keeps this many characters; while it is checked it may hold more, and is cut back after.
constexpr int kRowLength = 45;
constexpr int kRowLengthWhileChecked = 100;
constexpr int kPastLastRow = 14;
constexpr int kRunEnded = 501;

} // namespace

void PlannerWindow::LoadAutoCorrectTable() {
    ::LoadAutoCorrectTable(*spellChecker);
}

void PlannerWindow::connectSpellChecker() {
    connect(spellChecker, &SpellChecker::SelectMisspeltWord, this,
            &PlannerWindow::SelectMisspeltWord);
    connect(spellChecker, &SpellChecker::TakeCorrectedText, this,
            &PlannerWindow::TakeCorrectedText);
    connect(spellChecker, &SpellChecker::NoteAutoCorrectAction, this,
            &PlannerWindow::NoteAutoCorrectAction);
    connect(spellChecker, &SpellChecker::ShowSpellingHelp, this,
            [this] { services_.help.showTopic(SpellChecker::kHelpContext); });
    connect(spellChecker, &SpellChecker::EndOfCheck, this, &PlannerWindow::FinishRowCheck);
}

int PlannerWindow::spellingRow() const {
    return int(program_.SignalValue);
}

void PlannerWindow::SpellCheckEntries() {
    showStatus("Spelling Check");
    ChangeCount = 0;
    bool checked = true;
    // The row counter is shared with the checker's events: the end of a check may move it past
    // the last row, which ends the run.
    for (program_.SignalValue = 0; program_.SignalValue <= kRows - 1 && checked;
         program_.SignalValue = program_.SignalValue + 1) {
        const int row = spellingRow();
        if (row > 0) {
            activityBoxes[std::size_t(row - 1)]->setSelection(0, 0);
        }
        QLineEdit* box = activityBoxes[std::size_t(row)];
        box->setMaxLength(kRowLengthWhileChecked);
        spellChecker->setText({});
        spellChecker->setText(box->text());
        checked = spellChecker->check();
        // Cuts the row back to its length, whatever the end of the check did to the counter.
        box->setMaxLength(kRowLength);
    }
    activityBoxes[0]->setFocus();
    if (checked) {
        services_.dialogs.message(
            {ChangeCount != 0
                 ? "Spelling Check has been canceled or has reached the end of your entries"
                 : "Spelling Check did not change or did not find any misspelled words!",
             "Spelling Check", Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    }
    showStatus(windowTitle());
    for (QLineEdit* box : activityBoxes) {
        box->setCursorPosition(1);
    }
}

void PlannerWindow::SelectMisspeltWord() {
    activityBoxes[std::size_t(spellingRow())]->setSelection(spellChecker->misspeltWordStart(),
                                                            spellChecker->misspeltWordLength());
}

void PlannerWindow::TakeCorrectedText() {
    if (spellChecker->changeCount() > 0) {
        activityBoxes[std::size_t(spellingRow())]->setText(spellChecker->text());
        EntriesChanged = 1;
        ++ChangeCount;
    }
}

void PlannerWindow::NoteAutoCorrectAction(int action) {
    if (action == SpellChecker::kAutoCorrectAction) {
        AutoCorrectOn = 1;
    }
}

void PlannerWindow::FinishRowCheck(int cancelled) {
    if (cancelled == SpellChecker::kCancelled) {
        QLineEdit* box = activityBoxes[std::size_t(spellingRow())];
        box->setText(box->text().left(kRowLength));
        box->setSelection(0, 0);
        program_.SignalValue = kPastLastRow;
        if (AutoCorrectOn == 0) {
            program_.SignalValue = kRunEnded;
        }
    }
    if (AutoCorrectOn == 1) {
        // The pairs reach the rows still to be checked; after a cancel there are none. The run
        // goes on with the next row.
        spellChecker->addAutoCorrect(kAutoCorrectEndMarker, kAutoCorrectEndMarker);
        QCoreApplication::processEvents();
        QStringList rows;
        for (const QLineEdit* box : activityBoxes) {
            rows << box->text();
        }
        const int firstRow = spellingRow() + 1;
        SpreadAutoCorrections(spellChecker->autoCorrectEntries(), rows, firstRow, kRowLength);
        for (int row = firstRow; row < kRows; ++row) {
            if (activityBoxes[std::size_t(row)]->text() != rows.at(row)) {
                activityBoxes[std::size_t(row)]->setText(rows.at(row));
                EntriesChanged = 1; // the spread's changes are saved like the others
            }
        }
        AutoCorrectOn = 0;
    }
}
