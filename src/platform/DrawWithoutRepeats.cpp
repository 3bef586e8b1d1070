#include "DrawWithoutRepeats.h"

#include "Random.h"

#include <algorithm>

int drawWithoutRepeats(std::span<int> used, int& drawn, int n, Random& random,
                       const std::function<void()>& allUsed) {
    if (drawn >= n) {
        drawn = 0;
        std::fill(used.begin(), used.end(), 0);
        allUsed();
    }
    ++drawn;
    return drawUnused(used, n, random);
}

int drawUnused(std::span<int> used, int n, Random& random) {
    n = std::min(n, int(used.size()) - 1);
    // While one entry in n is free, a fair draw misses it 10000 times in a row with a chance of
    // (1 - 1/n)^10000: never, for the lists the program draws from.
    constexpr int kDrawsBeforeGivingUp = 10000;
    for (int draws = 0; draws < kDrawsBeforeGivingUp && n >= 1; ++draws) {
        const int entry = random.between(1, n);
        if (used[std::size_t(entry)] != 1) {
            used[std::size_t(entry)] = 1;
            return entry;
        }
    }
    for (int entry = 1; entry <= n; ++entry) {
        if (used[std::size_t(entry)] != 1) {
            used[std::size_t(entry)] = 1;
            return entry;
        }
    }
    return 0;
}
