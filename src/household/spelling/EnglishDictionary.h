#pragma once

#include <QStringList>

#include <memory>

class Hunspell;

// The system's English (United States) Hunspell dictionary, en_US.aff with en_US.dic. It is read
// once per run, at the first check that needs it, and kept for every window after.
class EnglishDictionary {
public:
    ~EnglishDictionary();
    EnglishDictionary(const EnglishDictionary&) = delete;
    EnglishDictionary& operator=(const EnglishDictionary&) = delete;

    // The folders of $DICPATH, then the folders where Linux distributions install dictionaries.
    static QStringList standardFolders();
    // The dictionary of the first folder holding both files, read at the first call for it;
    // nullptr when no folder holds them or they cannot be read.
    static const EnglishDictionary* find(const QStringList& folders);

    bool knows(const QString& word) const;
    QStringList suggestions(const QString& word) const;

private:
    explicit EnglishDictionary(std::unique_ptr<Hunspell> hunspell);

    std::string encoded(const QString& word) const;

    std::unique_ptr<Hunspell> hunspell_;
    bool utf8_ = true;
};
