#pragma once

#include <QString>

// The Word Help limit runs from 0 to 6 uses per puzzle and wraps around: Increase from 6 gives 0,
// Decrease from 0 gives 6.
namespace WordHelpCount {

constexpr int kHighest = 6;
constexpr int kAtOpening = 3;

constexpr int increased(int limit) {
    return limit + 1 > kHighest ? 0 : limit + 1;
}

constexpr int decreased(int limit) {
    return limit - 1 < 0 ? kHighest : limit - 1;
}

// The question asked before a Word Help is used, lines joined by a carriage return.
inline QString question(int helpsLeft) {
    return "Are you sure you really\rwant to see this word?\rYou have " +
           QString::number(helpsLeft) + (helpsLeft == 1 ? " Help left!" : " Helps left!");
}

} // namespace WordHelpCount
