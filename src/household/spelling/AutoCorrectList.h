#pragma once

#include <QList>
#include <QString>

struct AutoCorrectPair {
    QString misspelling;
    QString correction;
};

// The checker's auto-correct pairs, in the order they were registered. One entry per misspelling:
// registering a misspelling that is listed already moves its entry to the end with the new
// correction, so an end marker registered again still closes the list.
class AutoCorrectList {
public:
    void add(const QString& misspelling, const QString& correction);

    qsizetype size() const { return pairs_.size(); }
    // Entry i (from 0) with its misspelling in capitals and its correction as registered.
    AutoCorrectPair at(qsizetype i) const;

    struct Match {
        qsizetype length = 0; // of the text matched; 0 when no pair matches
        QString replacement;
    };
    // The listed misspelling, compared without case, that stands in text from start up to the end
    // of a word; the longest when several do, so a listed phrase wins over its first word. Its
    // replacement is the correction as registered, with a capital first letter when the text's
    // first letter is a capital ("Teh" gives "The").
    Match matchAt(const QString& text, qsizetype start) const;

private:
    QList<AutoCorrectPair> pairs_;
};
