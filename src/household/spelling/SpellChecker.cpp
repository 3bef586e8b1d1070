#include "SpellChecker.h"

#include "EnglishDictionary.h"
#include "Services.h"
#include "SpellingDialog.h"
#include "SpellingWords.h"

SpellChecker::SpellChecker(Services& services, QWidget* owner, QStringList dictionaryFolders)
    : QObject(owner), services_(services), owner_(owner),
      dictionaryFolders_(std::move(dictionaryFolders)), custom_(services.folder) {}

SpellChecker::~SpellChecker() = default;

QStringList SpellChecker::standardDictionaryFolders() {
    return EnglishDictionary::standardFolders();
}

void SpellChecker::addAutoCorrect(const QString& misspelling, const QString& correction) {
    autoCorrect_.add(misspelling, correction);
}

QList<AutoCorrectPair> SpellChecker::autoCorrectEntries() const {
    QList<AutoCorrectPair> entries;
    for (qsizetype i = 0; i < autoCorrect_.size(); ++i) {
        entries.append(autoCorrect_.at(i));
    }
    return entries;
}

bool SpellChecker::loadDictionaries() {
    if (english_ != nullptr) {
        return true;
    }
    services_.program.BusyPointer();
    english_ = EnglishDictionary::find(dictionaryFolders_);
    if (!customLoaded_) {
        custom_.load();
        customLoaded_ = true;
    }
    services_.program.NormalPointer();
    if (english_ == nullptr) {
        services_.dialogs.message({"The English (United States) spelling dictionary could not be "
                                   "found!",
                                   "Spelling Check", Dialogs::Icon::Critical,
                                   Dialogs::Buttons::Ok});
        return false;
    }
    return true;
}

bool SpellChecker::knows(const QString& word) const {
    return ignoredWords_.contains(word) || custom_.knows(word) || english_->knows(word);
}

void SpellChecker::replace(qsizetype start, qsizetype length, const QString& replacement) {
    if (QStringView(text_).mid(start, length) == replacement) {
        return;
    }
    text_.replace(start, length, replacement);
    ++changes_;
    emit TakeCorrectedText();
}

bool SpellChecker::check() {
    changes_ = 0;
    if (!loadDictionaries()) {
        return false;
    }
    bool cancelled = false;
    qsizetype position = 0;
    while (!cancelled) {
        const SpellingWords::Span word = SpellingWords::nextWord(text_, position);
        if (word.length == 0) {
            break;
        }
        const AutoCorrectList::Match listed = autoCorrect_.matchAt(text_, word.start);
        if (listed.length > 0) {
            replace(word.start, listed.length, listed.replacement);
            position = word.start + listed.replacement.size();
        } else if (knows(text_.mid(word.start, word.length))) {
            position = word.start + word.length;
        } else {
            const std::optional<qsizetype> next = askAbout(word.start, word.length);
            cancelled = !next.has_value();
            position = next.value_or(position);
        }
    }
    emit TakeCorrectedText();
    emit EndOfCheck(cancelled ? kCancelled : 0);
    return true;
}

std::optional<qsizetype> SpellChecker::askAbout(qsizetype start, qsizetype length) {
    const QString word = text_.mid(start, length);
    misspeltStart_ = int(start);
    misspeltLength_ = int(length);
    emit SelectMisspeltWord();

    SpellingDialog dialog(services_.dialogs, word, english_->suggestions(word), owner_);
    connect(&dialog, &SpellingDialog::helpRequested, this, &SpellChecker::ShowSpellingHelp);
    services_.modal.showModal(dialog);

    const QString replacement = dialog.replacement();
    switch (dialog.action()) {
    case SpellingDialog::Action::Cancel:
        return std::nullopt;
    case SpellingDialog::Action::Ignore:
        break;
    case SpellingDialog::Action::IgnoreAll:
        ignoredWords_.insert(word);
        break;
    case SpellingDialog::Action::Add:
        if (!custom_.add(word)) {
            services_.dialogs.message({"The word could not be added to CustomDict1.dct!",
                                       "Disk Error", Dialogs::Icon::Critical,
                                       Dialogs::Buttons::Ok});
        }
        break;
    case SpellingDialog::Action::AutoCorrect:
        autoCorrect_.add(word, replacement);
        emit NoteAutoCorrectAction(kAutoCorrectAction);
        replace(start, length, replacement);
        return start + replacement.size();
    case SpellingDialog::Action::Change:
        replace(start, length, replacement);
        return start + replacement.size();
    }
    return start + length;
}
