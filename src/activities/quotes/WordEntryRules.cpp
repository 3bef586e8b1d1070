#include "WordEntryRules.h"

#include <Qt>

namespace WordEntryRules {

namespace {

const QString kPunctuationKeys = ",;.:'-()";

QString withoutLeadingBlanks(const QString& text) {
    qsizetype at = 0;
    while (at < text.size() && text.at(at) == ' ') {
        ++at;
    }
    return text.mid(at);
}

bool endsWithOneOf(const QString& word, const char* characters) {
    return !word.isEmpty() && QString::fromLatin1(characters).contains(word.back());
}

} // namespace

const std::array<Grouping, 6>& groupings() {
    static const std::array<Grouping, 6> table{{
        {"&3 Letters or Less", 1, "3 Letters or Less"},
        {"&4 Letters or Less", 2, "4 Letters or Less"},
        {"3 to 5 &Letter Words", 35, "3 to 5 Letter Words"},
        {"&5 Letters or More", 5, "5 Letters or More"},
        {"&6 Letters or Less", 6, "6 Letters or Less"},
        {"&All Words", 9, "All Words"},
    }};
    return table;
}

bool isHidden(const QString& boxText, int grouping) {
    const QString word = withoutLeadingBlanks(boxText);
    const qsizetype n = word.size();
    if (n == 0) {
        return false;
    }
    switch (grouping) {
    case 1:
        return n <= 3 || (n == 4 && (word.front() == '(' || endsWithOneOf(word, ":.,;")));
    case 2:
        return n <= 4 || (n == 5 && endsWithOneOf(word, ";-,"));
    case 35:
        return (n >= 3 && n <= 5) || (n == 6 && endsWithOneOf(word, ";,."));
    case 5:
        return n >= 6 || (n == 5 && !endsWithOneOf(word, "-;,"));
    case 6:
        return n <= 6 || (n == 7 && endsWithOneOf(word, ".;,"));
    case 9:
        return true;
    default:
        return false;
    }
}

QString startCaption(const QString& correctText, bool hidden) {
    const QString word = withoutLeadingBlanks(correctText);
    return hidden ? QString(word.size(), kMarker) : word.toUpper();
}

Typed type(const QString& caption, QChar c) {
    QString word = caption.contains(kMarker) ? caption : clearWord(caption);
    if (word.size() <= 1) {
        return {QString(c), true};
    }
    const qsizetype at = word.indexOf(kMarker);
    if (at < 0) {
        return {word, false};
    }
    word[at] = c;
    return {word, at == word.size() - 1};
}

QString backSpace(const QString& caption) {
    const QString word = withoutLeadingBlanks(caption);
    if (word.size() == 1) {
        return QString(kMarker);
    }
    QString result = word;
    for (qsizetype at = result.size() - 1; at >= 0; --at) {
        if (result.at(at) != kMarker) {
            result[at] = kMarker;
            break;
        }
    }
    return result;
}

QString clearWord(const QString& caption) {
    return QString(withoutLeadingBlanks(caption).size(), kMarker);
}

bool colouredWhenTyped(const QString& caption) {
    return caption.size() > 1;
}

KeyAction mapKey(int qtKey, int modifiers) {
    const int held = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                                  Qt::MetaModifier | Qt::KeypadModifier);
    if (qtKey == Qt::Key_Space) {
        return {KeyAction::Space};
    }
    if (held == 0) {
        if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
            return {KeyAction::Type, qtKey - Qt::Key_A};
        }
        switch (qtKey) {
        case Qt::Key_Comma:
            return {KeyAction::Type, 26};
        case Qt::Key_Semicolon:
            return {KeyAction::Type, 27};
        case Qt::Key_Period:
            return {KeyAction::Type, 28};
        case Qt::Key_Apostrophe:
            return {KeyAction::Type, 30};
        case Qt::Key_Minus:
            return {KeyAction::Type, 31};
        case Qt::Key_Backspace:
            return {KeyAction::BackSpace};
        default:
            return {};
        }
    }
    if (held == Qt::ShiftModifier) {
        switch (qtKey) {
        case Qt::Key_Colon:
            return {KeyAction::Type, 29};
        case Qt::Key_ParenLeft:
            return {KeyAction::Type, 32};
        case Qt::Key_ParenRight:
            return {KeyAction::Type, 33};
        default:
            return {};
        }
    }
    return {};
}

QString keyCaption(int index) {
    if (index < 26) {
        return QString(QChar('A' + index));
    }
    return QString(kPunctuationKeys.at(index - 26));
}

} // namespace WordEntryRules
