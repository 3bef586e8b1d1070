#pragma once

#include <array>

class SpellChecker;

// The built-in auto-correct table: common misspellings and their corrections. Slots 1 to 243 hold
// the pairs, nearly in alphabetical order of the misspelling; slot 0 and slots 244 to 250 are
// empty. Every misspelling is in small letters; either side may hold a blank ("their are", "a
// lot"). Slots 157 and 159 hold the same pair.
struct AutoCorrectTableSlot {
    const char* misspelling;
    const char* correction;
};

inline constexpr int kAutoCorrectSlots = 251;
inline constexpr int kFirstAutoCorrectPair = 1;
inline constexpr int kLastAutoCorrectPair = 243;

extern const std::array<AutoCorrectTableSlot, kAutoCorrectSlots> AutoCorrectTable;

// Registers pairs 1 to 243 with the checker, in slot order. Loads no dictionary.
void LoadAutoCorrectTable(SpellChecker& checker);
