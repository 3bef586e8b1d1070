#pragma once

#include <QString>
#include <QStringView>

// How the spelling check reads a text. A word is a run of letters that may hold apostrophes or
// hyphens between its letters ("don't", "well-known"). A run that holds a digit ("9:30", "3pm",
// "TheEnd1") is not a word and is never checked or corrected.
namespace SpellingWords {

struct Span {
    qsizetype start = 0;
    qsizetype length = 0; // 0 when the text holds no further word
};

// The first word that starts at or after from.
Span nextWord(const QString& text, qsizetype from);

// Whether word is one word by the rule above, with nothing around it.
bool isOneWord(const QString& word);

// Whether a word that begins at position start can end at position end: end is the end of the
// text or stands after a word's last letter.
bool endsWord(const QString& text, qsizetype end);

// Equal letter for letter when both are written in capitals. Each character is compared with its
// own capital, so positions in the two texts stay in step ("ß" is not widened to "SS").
bool equalIgnoringCase(QStringView left, QStringView right);

// Each character in its own capital form, one character for one.
QString capitals(QStringView text);

} // namespace SpellingWords
