#pragma once

#include "ThoughtFile.h"

#include <QString>

#include <array>
#include <functional>

class Random;

// The thoughts of one opening of the window and the random selection over them. Entries are at
// 1 to ThoughtCount; element 0 is never used.
struct ThoughtTables {
    std::array<QString, ThoughtFile::kMostGeneral + 1> ThoughtText;
    std::array<QString, ThoughtFile::kMostHumorous + 1> PunchLine;
    std::array<int, ThoughtFile::kMostGeneral + 1> ThoughtShown{}; // 1 = shown in this cycle
    int ThoughtCount = 0;
    int CurrentThought = 0; // 0 before the first
    int ShownCount = 0;     // shown in this cycle

    void clear();
    void fill(const ThoughtFile::Entries& entries);

    // Makes an entry not yet shown in this cycle the current one. When every entry has been shown,
    // a new cycle starts first: the flags clear, the generator is reseeded and newCycle runs.
    void drawNext(Random& random, const std::function<void()>& newCycle);
    // Counts an entry found some other way as shown in this cycle, once.
    void markShown(int entry);

    // The first entry from start on whose text holds the search text as one run of characters,
    // letter case aside; 0 when none does. The search never wraps round to entry 1.
    int find(const QString& text, int start) const;
};
