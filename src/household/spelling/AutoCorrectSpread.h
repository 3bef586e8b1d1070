#pragma once

#include "AutoCorrectList.h"

#include <QList>
#include <QStringList>

// The pair that closes the walk over the checker's auto-correct list.
inline constexpr const char* kAutoCorrectEndMarker = "TheEnd1";

// After the auto-correct action, applies the checker's pairs (misspellings in capitals, as the
// checker lists them) to the rows still to be checked: rows[firstRow] to the last row. The pairs
// are walked up to the end marker. A pair replaces whole words only, that is words between blanks
// or at either end of the row ("teh," stays); the correction keeps its first letter a capital
// when the word's first character is one and is otherwise written in small letters. The search
// goes on after each inserted correction, so a pair whose correction equals its misspelling ends
// and neighbours sharing a blank are all replaced. Every row that is not blank is trimmed of
// blanks at both ends and cut to lengthLimit characters after each pair; blank rows and the rows
// before firstRow are left as they are.
void SpreadAutoCorrections(const QList<AutoCorrectPair>& pairs, QStringList& rows,
                           qsizetype firstRow, qsizetype lengthLimit);
