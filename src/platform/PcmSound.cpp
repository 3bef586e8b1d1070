#include "PcmSound.h"

#include "AudioLibraries.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kToneRate = 22050;
constexpr int kMaxChannels = 32; // the most an audio server takes in one stream

// A sine tone with short fades at both ends, so that it starts and stops without a click.
void appendTone(PcmSound& sound, double hertz, int milliseconds) {
    const int frames = kToneRate * milliseconds / 1000;
    const int fade = kToneRate / 200;
    for (int frame = 0; frame < frames; ++frame) {
        const double envelope =
            std::min({1.0, double(frame) / fade, double(frames - frame) / fade});
        const double value =
            0.3 * envelope * std::sin(2 * std::numbers::pi * hertz * frame / kToneRate);
        sound.samples.push_back(std::int16_t(std::lround(value * 32767)));
    }
}

PcmSound tones(std::initializer_list<std::pair<double, int>> notes) {
    PcmSound sound{kToneRate, 1, {}};
    for (const auto& [hertz, milliseconds] : notes) {
        appendTone(sound, hertz, milliseconds);
    }
    return sound;
}

} // namespace

std::optional<PcmSound> decodeSoundFile(const QString& path) {
    const SndfileApi* sndfile = sndfileApi();
    if (sndfile == nullptr) {
        return std::nullopt;
    }
    SF_INFO info{};
    SNDFILE* file = sndfile->open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (file == nullptr) {
        return std::nullopt;
    }
    PcmSound sound{info.samplerate, info.channels, {}};
    if (sound.sampleRate > 0 && sound.channels > 0 && sound.channels <= kMaxChannels) {
        // Read in blocks rather than trusting the frame count of the header.
        std::vector<std::int16_t> block(std::size_t(4096) * std::size_t(sound.channels));
        sf_count_t frames = 0;
        while ((frames = sndfile->readShorts(file, block.data(), 4096)) > 0) {
            sound.samples.insert(sound.samples.end(), block.begin(),
                                 block.begin() + frames * sound.channels);
        }
    }
    const bool readable = sndfile->error(file) == SF_ERR_NO_ERROR;
    sndfile->close(file);
    if (!readable || sound.sampleRate <= 0 || sound.channels <= 0 ||
        sound.channels > kMaxChannels) {
        return std::nullopt;
    }
    return sound;
}

PcmSound defaultSound() {
    return tones({{880.0, 120}, {660.0, 180}});
}

PcmSound beepSound() {
    return tones({{880.0, 150}});
}
