#pragma once

#include <functional>
#include <span>

class Random;

// Draws entries 1 to n at random so that each comes once before any comes again. used holds a 1
// at each entry drawn since the last restart (its element 0 and those above n are never drawn);
// drawn counts those draws. When all n have been drawn, allUsed runs (it tells the person) and
// the draw starts again from all n; the entry drawn just before may then come at once.
int drawWithoutRepeats(std::span<int> used, int& drawn, int n, Random& random,
                       const std::function<void()>& allUsed);

// One entry of 1 to n whose used flag is not 1, marked used: drawn again while the draw comes up
// used, through Random::between over exactly 1 to n. A generator stuck on used entries gets the
// lowest unused one after a bounded number of draws; 0 when all n are used.
int drawUnused(std::span<int> used, int n, Random& random);
