#include "Random.h"

#include <QTime>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

int Random::between(int low, int high) {
    const int drawn = static_cast<int>(std::floor((high - low + 1) * Rnd() + low));
    return std::clamp(drawn, low, high);
}

double LegacyRandom::Rnd() {
    state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return static_cast<double>(state_) / 16777216.0;
}

void LegacyRandom::Randomize() {
    RandomizeWith(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

void LegacyRandom::RandomizeWith(double seed) {
    // The seed's single-precision bits are folded into the middle two bytes of the state.
    const auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(seed));
    const std::uint32_t folded = ((bits & 0xFFFFu) ^ (bits >> 16)) << 8;
    state_ = (state_ & 0xFF0000FFu) | (folded & 0x00FFFF00u);
}
