#pragma once

#include <QString>

// The numeric value of a text: the whole number it starts with, after leading blanks; 0 when it
// does not start with one ("  7 - CLUE" gives 7, "12" gives 12, "" and "End" give 0).
inline int numericValue(const QString& text) {
    qsizetype at = 0;
    while (at < text.size() && (text.at(at) == ' ' || text.at(at) == '\t')) {
        ++at;
    }
    int value = 0;
    // Stops before the value could overflow; no text of the program holds such a number.
    for (; at < text.size() && text.at(at) >= '0' && text.at(at) <= '9' && value < 100000000;
         ++at) {
        value = value * 10 + (text.at(at).unicode() - '0');
    }
    return value;
}
