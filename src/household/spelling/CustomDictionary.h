#pragma once

#include "ProgramFolder.h"

#include <QSet>
#include <QString>

// CustomDict1.dct of the program folder: the words a person added to the dictionary, one word per
// line in Windows-1252. A missing file holds no words; a line that is not one word is skipped when
// read and kept as it is when a word is added.
class CustomDictionary {
public:
    static constexpr const char* kFileName = "CustomDict1.dct";

    explicit CustomDictionary(const ProgramFolder& folder);

    // Reads the file's words.
    void load();
    // Accepted as written, with its first letter or all its letters in capitals, as the
    // dictionary accepts its own words.
    bool knows(const QString& word) const;
    // Adds the word to the file, writing it whole beside the old one and renaming it over, and
    // accepts it from now on, also when the write fails (then false is returned).
    bool add(const QString& word);

private:
    QString path_;
    QSet<QString> words_;
};
