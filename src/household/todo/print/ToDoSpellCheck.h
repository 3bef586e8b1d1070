#pragma once

#include "AutoCorrectList.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

struct Services;
class SpellChecker;

// What the to-do spelling check needs of the spelling checker. The checker raises its events
// while check() runs, by calling the run's handlers.
class ToDoItemChecker {
public:
    virtual ~ToDoItemChecker() = default;
    virtual void setText(const QString& text) = 0;
    virtual QString text() const = 0;
    // Checks the text with the checker's dialog; false when the checker cannot check at all (no
    // dictionary), after it has said so.
    virtual bool check() = 0;
    // The changes the last check made.
    virtual int changeCount() const = 0;
    virtual void addAutoCorrect(const QString& misspelling, const QString& correction) = 0;
    // The auto-correct pairs, misspellings in capitals, in the checker's order.
    virtual QList<AutoCorrectPair> autoCorrectEntries() const = 0;
};

// What the spelling check needs of the to-do window: the item cells of rows 1 to 500, the grid's
// editing and the remembered item names.
class ToDoSpellingGrid {
public:
    virtual ~ToDoSpellingGrid() = default;
    virtual QString item(int row) const = 0;
    virtual void setItem(int row, const QString& text) = 0;
    // Row row, column 1 becomes the grid's current cell.
    virtual void makeCurrent(int row) = 0;
    // The grid's editing: 0 off, 1 by keyboard, 2 by keyboard and mouse.
    virtual void setEditing(int setting) = 0;
    // The remembered names as the name list holds them; setNames puts the list and the names
    // back from it without writing the names file.
    virtual QStringList names() const = 0;
    virtual void setNames(const QStringList& names) = 0;
    // Writes the names file anew from names, which then fill the list, and clears the entry box.
    virtual void saveNames(const QStringList& names) = 0;
    // The grid holds changes not yet saved.
    virtual void markChanged() = 0;
    virtual void showStatus(const QString& text) = 0;
    virtual QString caption() const = 0;
};

// The spelling check of the to-do items: rows 1 to 500 through the checker one by one, the rows
// counted in SignalValue (the end of a check may move the counter: past the last row ends the
// run, 0 starts it again). Corrected items are cut to the 25 characters of an item, and the
// remembered names follow a corrected item. After the auto-correct action the checker's pairs
// reach the rows below, and the run starts again at row 1.
class ToDoSpellCheck {
public:
    static constexpr int kRows = 500;
    static constexpr int kItemLength = 25;
    static constexpr int kHelpContext = 5050;

    ToDoSpellCheck(Services& services, ToDoItemChecker& checker, ToDoSpellingGrid& grid);

    void SpellCheckItems();

    // The checker's events.
    void MisspelledWordReported();
    void CorrectedTextReady();
    void AutoCorrectChosen(int action);
    void HelpRequested();
    void CheckEnded(bool cancelled);

    int SpellingChangeCount = 0;
    int RowCorrected = 0;
    QString ItemBeforeCheck;
    int AutoCorrectUsed = 0;

private:
    int currentRow() const;
    void keepNamesInStep(int row);
    void AutoCorrectGridItems(bool cancelled);

    Services& services_;
    ToDoItemChecker& checker_;
    ToDoSpellingGrid& grid_;
};

// The checker seam over the program's spelling checker; its events go to the run.
class SpellCheckerItems : public ToDoItemChecker {
public:
    explicit SpellCheckerItems(SpellChecker& checker);
    // Sends the checker's events to run; once, before the first check.
    void connectTo(ToDoSpellCheck& run, QObject* context);

    void setText(const QString& text) override;
    QString text() const override;
    bool check() override;
    int changeCount() const override;
    void addAutoCorrect(const QString& misspelling, const QString& correction) override;
    QList<AutoCorrectPair> autoCorrectEntries() const override;

private:
    SpellChecker& checker_;
};
