#pragma once

#include "AutoCorrectList.h"
#include "CustomDictionary.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <optional>

class EnglishDictionary;
class QWidget;
struct Services;

// The spelling checker a window owns: it is handed a text, checks it word by word with its
// "Check Spelling" dialog, and gives back the corrected text. Its auto-correct pairs correct their
// misspellings on their own. The events are raised inside check(), on the calling thread, before it
// returns: a window answers them while the check runs.
class SpellChecker : public QObject {
    Q_OBJECT
public:
    // The dialog shows over owner, which owns the checker. dictionaryFolders are searched for the
    // English dictionary.
    SpellChecker(Services& services, QWidget* owner,
                 QStringList dictionaryFolders = standardDictionaryFolders());
    ~SpellChecker() override;

    static QStringList standardDictionaryFolders();

    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

    // Checks the text, modal: returns when every word has been passed or the dialog cancelled.
    // The dictionaries are read at the first check, under the busy pointer. Without the English
    // dictionary a critical message says so, the text is left alone, no event is raised and false
    // is returned.
    bool check();

    // The changes the last check made to the text: corrections, auto-corrections and changes.
    int changeCount() const { return changes_; }
    // The misspelt word being shown, in the text as corrected so far: its first character (from
    // 0) and its length.
    int misspeltWordStart() const { return misspeltStart_; }
    int misspeltWordLength() const { return misspeltLength_; }

    // Adds a pair to the auto-correct list; a misspelling listed already keeps one entry, moved to
    // the end with this correction.
    void addAutoCorrect(const QString& misspelling, const QString& correction);
    int autoCorrectCount() const { return int(autoCorrect_.size()); }
    // Entry i from 0 in list order: the misspelling in capitals, the correction as registered.
    AutoCorrectPair autoCorrectEntry(int i) const { return autoCorrect_.at(i); }
    // Every entry as autoCorrectEntry gives it, in list order.
    QList<AutoCorrectPair> autoCorrectEntries() const;

    static constexpr int kAutoCorrectAction = 1;
    static constexpr int kCancelled = -1;
    // The help topic a window shows when the dialog asks for help.
    static constexpr int kHelpContext = 5050;

signals:
    // A word not in the dictionaries; its place is in misspeltWordStart and misspeltWordLength.
    // Raised before the dialog shows it.
    void SelectMisspeltWord();
    // The text may have changed: after every change, and once more at the end of the check.
    void TakeCorrectedText();
    // The action the person chose in the dialog; kAutoCorrectAction for "A&uto-Correct".
    void NoteAutoCorrectAction(int action);
    void ShowSpellingHelp();
    // The end of the text, or kCancelled when the person cancelled the dialog (changes made stay).
    void EndOfCheck(int cancelled);

private:
    bool loadDictionaries();
    bool knows(const QString& word) const;
    void replace(qsizetype start, qsizetype length, const QString& replacement);
    // Shows the dialog for the word at start; the position after it, or nothing when cancelled.
    std::optional<qsizetype> askAbout(qsizetype start, qsizetype length);

    Services& services_;
    QWidget* owner_;
    QStringList dictionaryFolders_;
    const EnglishDictionary* english_ = nullptr;
    CustomDictionary custom_;
    bool customLoaded_ = false;
    QSet<QString> ignoredWords_; // "Ignore A&ll": for every later check of this checker
    AutoCorrectList autoCorrect_;
    QString text_;
    int changes_ = 0;
    int misspeltStart_ = 0;
    int misspeltLength_ = 0;
};
