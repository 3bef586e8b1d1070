#include "PulseSound.h"

#include "ProgramFolder.h"

#include <pulse/simple.h>

namespace {

void play(const PcmSound& sound) {
    if (sound.samples.empty()) {
        return;
    }
    const pa_sample_spec spec{PA_SAMPLE_S16NE, std::uint32_t(sound.sampleRate),
                              std::uint8_t(sound.channels)};
    if (pa_sample_spec_valid(&spec) == 0) {
        return;
    }
    pa_simple* stream = pa_simple_new(nullptr, "Korvane", PA_STREAM_PLAYBACK, nullptr, "sound",
                                      &spec, nullptr, nullptr, nullptr);
    if (stream == nullptr) {
        return; // no audio server: silence
    }
    if (pa_simple_write(stream, sound.samples.data(),
                        sound.samples.size() * sizeof(sound.samples.front()), nullptr) == 0) {
        pa_simple_drain(stream, nullptr);
    }
    pa_simple_free(stream);
}

} // namespace

PulseSound::PulseSound(const ProgramFolder& folder) : folder_(folder) {}

void PulseSound::playWave(const QString& fileName) {
    play(soundFor(fileName));
}

void PulseSound::beep() {
    play(beepSound());
}

PcmSound PulseSound::soundFor(const QString& fileName) const {
    return decodeSoundFile(folder_.file(fileName)).value_or(defaultSound());
}
