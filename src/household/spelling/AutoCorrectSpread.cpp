#include "AutoCorrectSpread.h"

#include "SpellingWords.h"

namespace {

QString trimmedOfBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start) == u' ') {
        ++start;
    }
    while (end > start && text.at(end - 1) == u' ') {
        --end;
    }
    return text.mid(start, end - start);
}

// The first place from `from` where pattern stands in text, compared without case; -1 if none.
qsizetype findIgnoringCase(const QString& text, const QString& pattern, qsizetype from) {
    for (qsizetype at = from; at + pattern.size() <= text.size(); ++at) {
        if (SpellingWords::equalIgnoringCase(QStringView(text).mid(at, pattern.size()), pattern)) {
            return at;
        }
    }
    return -1;
}

QString spreadPair(const AutoCorrectPair& pair, const QString& row, qsizetype lengthLimit) {
    QString text = u' ' + row + u' ';
    const QString pattern = u' ' + pair.misspelling + u' ';
    const QString replacement = u' ' + pair.correction + u' ';
    const QString capitalised = replacement.left(2).toUpper() + replacement.mid(2).toLower();
    const QString small = replacement.toLower();
    qsizetype at = findIgnoringCase(text, pattern, 0);
    while (at >= 0) {
        const QChar first = text.at(at + 1);
        const QString& inserted = first == first.toUpper() ? capitalised : small;
        text.replace(at, pattern.size(), inserted);
        // From the inserted correction's closing blank, which may open the next word.
        at = findIgnoringCase(text, pattern, at + inserted.size() - 1);
    }
    return trimmedOfBlanks(text).left(lengthLimit);
}

} // namespace

void SpreadAutoCorrections(const QList<AutoCorrectPair>& pairs, QStringList& rows,
                           qsizetype firstRow, qsizetype lengthLimit) {
    const QString endMarker = SpellingWords::capitals(QString::fromLatin1(kAutoCorrectEndMarker));
    for (const AutoCorrectPair& pair : pairs) {
        if (trimmedOfBlanks(pair.misspelling) == endMarker) {
            return;
        }
        if (trimmedOfBlanks(pair.misspelling).isEmpty()) {
            continue;
        }
        for (qsizetype row = std::max<qsizetype>(firstRow, 0); row < rows.size(); ++row) {
            if (trimmedOfBlanks(rows.at(row)).isEmpty()) {
                continue;
            }
            rows[row] = spreadPair(pair, rows.at(row), lengthLimit);
        }
    }
}
