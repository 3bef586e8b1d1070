#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Sound as 16-bit samples, channels interleaved.
struct PcmSound {
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
};

// Decodes a sound file of any format libsndfile knows, recognised by its content, not its name
// (wave data comes as .wav, .waw and .wa1). Nothing when the file is missing or cannot be decoded.
std::optional<PcmSound> decodeSoundFile(const QString& path);

// The sound played in place of a file that cannot be played: a short two-note chime.
PcmSound defaultSound();
// A short plain tone.
PcmSound beepSound();
