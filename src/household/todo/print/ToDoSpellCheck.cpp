#include "ToDoSpellCheck.h"

#include "AutoCorrectSpread.h"
#include "Services.h"
#include "SpellChecker.h"

#include <QCoreApplication>

namespace {

// Set by the end of a check to end the run after the row being checked.
constexpr int kRunEnded = 501;

QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ') {
        --end;
    }
    return text.left(end);
}

// Item names compare without case and without trailing blanks.
bool sameName(const QString& a, const QString& b) {
    return withoutTrailingBlanks(a).compare(withoutTrailingBlanks(b), Qt::CaseInsensitive) == 0;
}

} // namespace

ToDoSpellCheck::ToDoSpellCheck(Services& services, ToDoItemChecker& checker, ToDoSpellingGrid& grid)
    : services_(services), checker_(checker), grid_(grid) {}

int ToDoSpellCheck::currentRow() const {
    return int(services_.program.SignalValue);
}

void ToDoSpellCheck::SpellCheckItems() {
    grid_.showStatus(QStringLiteral("Spelling Check"));
    SpellingChangeCount = 0;
    bool checkerReady = true;
    ProgramState& program = services_.program;
    // The counter is shared with the end of each check, which may move it.
    for (program.SignalValue = 1; program.SignalValue <= kRows && checkerReady;
         program.SignalValue = program.SignalValue + 1) {
        const int row = currentRow();
        RowCorrected = 0;
        grid_.makeCurrent(row);
        checker_.setText(QString());
        checker_.setText(grid_.item(row));
        ItemBeforeCheck = grid_.item(row);
        // Without its dictionary the checker has said so once; the rows keep their text.
        checkerReady = checker_.check();
        // The row just checked, whatever the end of the check did to the counter.
        grid_.makeCurrent(row);
        if (grid_.item(row).size() > kItemLength) {
            grid_.setItem(row, grid_.item(row).left(kItemLength));
        }
        if (RowCorrected == 99) {
            keepNamesInStep(row);
        }
        grid_.setEditing(0);
    }
    program.SignalValue = 0;
    grid_.setEditing(2);
    if (checkerReady) {
        services_.dialogs.message(
            {SpellingChangeCount != 0
                 ? QStringLiteral(
                       "Spelling Check has been canceled or has reached the end of your entries")
                 : QStringLiteral(
                       "Spelling Check did not change or did not find any misspelled words!"),
             QStringLiteral("Spelling Check"), Dialogs::Icon::Information});
    }
    grid_.showStatus(grid_.caption());
}

void ToDoSpellCheck::keepNamesInStep(int row) {
    QStringList names = grid_.names();
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (sameName(names.at(i), ItemBeforeCheck)) {
            names.removeAt(i);
            break;
        }
    }
    grid_.setNames(names);
    const QString corrected = grid_.item(row);
    // A name known already leaves the names file as it is: it drops the old name when it is next
    // written.
    if (withoutTrailingBlanks(corrected).isEmpty() ||
        std::any_of(names.begin(), names.end(),
                    [&](const QString& name) { return sameName(name, corrected); })) {
        return;
    }
    names.append(corrected);
    grid_.saveNames(names);
    grid_.markChanged();
}

void ToDoSpellCheck::MisspelledWordReported() {
    grid_.setEditing(1);
    ++SpellingChangeCount;
}

void ToDoSpellCheck::CorrectedTextReady() {
    if (checker_.changeCount() > 0) {
        grid_.setItem(currentRow(), checker_.text());
        RowCorrected = 99;
        ++SpellingChangeCount;
        grid_.markChanged();
    }
}

void ToDoSpellCheck::AutoCorrectChosen(int action) {
    if (action == SpellChecker::kAutoCorrectAction) {
        AutoCorrectUsed = 1;
    }
}

void ToDoSpellCheck::HelpRequested() {
    services_.help.showTopic(kHelpContext);
}

void ToDoSpellCheck::CheckEnded(bool cancelled) {
    AutoCorrectGridItems(cancelled);
}

void ToDoSpellCheck::AutoCorrectGridItems(bool cancelled) {
    if (cancelled && AutoCorrectUsed == 0) {
        services_.program.SignalValue = kRunEnded;
    }
    if (AutoCorrectUsed != 1) {
        return;
    }
    checker_.addAutoCorrect(kAutoCorrectEndMarker, kAutoCorrectEndMarker);
    QCoreApplication::processEvents();
    // Row r is rows[r - 1]; the pairs reach the rows after the one just checked.
    QStringList rows;
    for (int row = 1; row <= kRows; ++row) {
        rows << grid_.item(row);
    }
    const int firstRow = currentRow() + 1;
    SpreadAutoCorrections(checker_.autoCorrectEntries(), rows, firstRow - 1, kItemLength);
    for (int row = std::max(firstRow, 1); row <= kRows; ++row) {
        if (grid_.item(row) != rows.at(row - 1)) {
            grid_.setItem(row, rows.at(row - 1));
            // Corrected rows are saved like any other change.
            grid_.markChanged();
        }
    }
    AutoCorrectUsed = 0;
    services_.program.SignalValue = 0;
}

SpellCheckerItems::SpellCheckerItems(SpellChecker& checker) : checker_(checker) {}

void SpellCheckerItems::connectTo(ToDoSpellCheck& run, QObject* context) {
    QObject::connect(&checker_, &SpellChecker::SelectMisspeltWord, context,
                     [&run] { run.MisspelledWordReported(); });
    QObject::connect(&checker_, &SpellChecker::TakeCorrectedText, context,
                     [&run] { run.CorrectedTextReady(); });
    QObject::connect(&checker_, &SpellChecker::NoteAutoCorrectAction, context,
                     [&run](int action) { run.AutoCorrectChosen(action); });
    QObject::connect(&checker_, &SpellChecker::ShowSpellingHelp, context,
                     [&run] { run.HelpRequested(); });
    QObject::connect(&checker_, &SpellChecker::EndOfCheck, context,
                     [&run](int code) { run.CheckEnded(code == SpellChecker::kCancelled); });
}

void SpellCheckerItems::setText(const QString& text) {
    checker_.setText(text);
}

QString SpellCheckerItems::text() const {
    return checker_.text();
}

bool SpellCheckerItems::check() {
    return checker_.check();
}

int SpellCheckerItems::changeCount() const {
    return checker_.changeCount();
}

void SpellCheckerItems::addAutoCorrect(const QString& misspelling, const QString& correction) {
    checker_.addAutoCorrect(misspelling, correction);
}

QList<AutoCorrectPair> SpellCheckerItems::autoCorrectEntries() const {
    return checker_.autoCorrectEntries();
}
