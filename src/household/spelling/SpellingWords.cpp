#include "SpellingWords.h"

namespace {

bool isJoiner(QChar ch) {
    return ch == u'\'' || ch == u'\u2019' || ch == u'-';
}

bool isRunCharacter(QChar ch) {
    return ch.isLetterOrNumber() || isJoiner(ch);
}

} // namespace

namespace SpellingWords {

Span nextWord(const QString& text, qsizetype from) {
    qsizetype position = std::max<qsizetype>(from, 0);
    while (position < text.size()) {
        while (position < text.size() && !isRunCharacter(text.at(position))) {
            ++position;
        }
        qsizetype runEnd = position;
        bool holdsDigit = false;
        while (runEnd < text.size() && isRunCharacter(text.at(runEnd))) {
            holdsDigit = holdsDigit || text.at(runEnd).isDigit();
            ++runEnd;
        }
        // Apostrophes and hyphens around the letters are quotes and dashes, not part of the word.
        qsizetype start = position;
        qsizetype end = runEnd;
        while (start < end && isJoiner(text.at(start))) {
            ++start;
        }
        while (end > start && isJoiner(text.at(end - 1))) {
            --end;
        }
        if (!holdsDigit && end > start) {
            return {start, end - start};
        }
        position = runEnd;
    }
    return {text.size(), 0};
}

bool isOneWord(const QString& word) {
    const Span span = nextWord(word, 0);
    return span.start == 0 && span.length == word.size() && span.length > 0;
}

bool endsWord(const QString& text, qsizetype end) {
    if (end >= text.size()) {
        return true;
    }
    const QChar next = text.at(end);
    if (next.isLetterOrNumber()) {
        return false;
    }
    // An apostrophe or hyphen with a letter after it joins the word to what follows.
    return !(isJoiner(next) && end + 1 < text.size() && text.at(end + 1).isLetterOrNumber());
}

bool equalIgnoringCase(QStringView left, QStringView right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (qsizetype i = 0; i < left.size(); ++i) {
        if (left[i].toUpper() != right[i].toUpper()) {
            return false;
        }
    }
    return true;
}

QString capitals(QStringView text) {
    QString upper;
    upper.reserve(text.size());
    for (const QChar ch : text) {
        upper.append(ch.toUpper());
    }
    return upper;
}

} // namespace SpellingWords
