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
    ::LoadAutoCorrectTable(*VSSpell1);
}

void PlannerWindow::connectSpellChecker() {
    connect(VSSpell1, &SpellChecker::SelectMisspeltWord, this,
            &PlannerWindow::VSSpell1_SelectMisspeltWord);
    connect(VSSpell1, &SpellChecker::TakeCorrectedText, this,
            &PlannerWindow::VSSpell1_TakeCorrectedText);
    connect(VSSpell1, &SpellChecker::NoteAutoCorrectAction, this,
            &PlannerWindow::VSSpell1_NoteAutoCorrectAction);
    connect(VSSpell1, &SpellChecker::ShowSpellingHelp, this,
            [this] { services_.help.showTopic(SpellChecker::kHelpContext); });
    connect(VSSpell1, &SpellChecker::EndOfCheck, this, &PlannerWindow::VSSpell1_EndOfCheck);
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
            Text2[std::size_t(row - 1)]->setSelection(0, 0);
        }
        QLineEdit* box = Text2[std::size_t(row)];
        box->setMaxLength(kRowLengthWhileChecked);
        VSSpell1->setText({});
        VSSpell1->setText(box->text());
        checked = VSSpell1->check();
        // Cuts the row back to its length, whatever the end of the check did to the counter.
        box->setMaxLength(kRowLength);
    }
    Text2[0]->setFocus();
    if (checked) {
        services_.dialogs.message(
            {ChangeCount != 0
                 ? "Spelling Check has been canceled or has reached the end of your entries"
                 : "Spelling Check did not change or did not find any misspelled words!",
             "Spelling Check", Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    }
    showStatus(windowTitle());
    for (QLineEdit* box : Text2) {
        box->setCursorPosition(1);
    }
}

void PlannerWindow::VSSpell1_SelectMisspeltWord() {
    Text2[std::size_t(spellingRow())]->setSelection(VSSpell1->misspeltWordStart(),
                                                    VSSpell1->misspeltWordLength());
}

void PlannerWindow::VSSpell1_TakeCorrectedText() {
    if (VSSpell1->changeCount() > 0) {
        Text2[std::size_t(spellingRow())]->setText(VSSpell1->text());
        EntriesChanged = 1;
        ++ChangeCount;
    }
}

void PlannerWindow::VSSpell1_NoteAutoCorrectAction(int action) {
    if (action == SpellChecker::kAutoCorrectAction) {
        AutoCorrectOn = 1;
    }
}

void PlannerWindow::VSSpell1_EndOfCheck(int cancelled) {
    if (cancelled == SpellChecker::kCancelled) {
        QLineEdit* box = Text2[std::size_t(spellingRow())];
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
        VSSpell1->addAutoCorrect(kAutoCorrectEndMarker, kAutoCorrectEndMarker);
        QCoreApplication::processEvents();
        QStringList rows;
        for (const QLineEdit* box : Text2) {
            rows << box->text();
        }
        const int firstRow = spellingRow() + 1;
        SpreadAutoCorrections(VSSpell1->autoCorrectEntries(), rows, firstRow, kRowLength);
        for (int row = firstRow; row < kRows; ++row) {
            if (Text2[std::size_t(row)]->text() != rows.at(row)) {
                Text2[std::size_t(row)]->setText(rows.at(row));
                EntriesChanged = 1; // the spread's changes are saved like the others
            }
        }
        AutoCorrectOn = 0;
    }
}
