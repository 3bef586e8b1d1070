#include "PulseSound.h"

#include "AudioLibraries.h"
#include "ProgramFolder.h"

namespace {

void play(const PcmSound& sound) {
    const PulseSimpleApi* pulse = pulseSimpleApi();
    if (sound.samples.empty() || pulse == nullptr) {
        return;
    }
    // A sample format the server cannot take makes the stream fail to open: silence.
    const pa_sample_spec spec{PA_SAMPLE_S16NE, std::uint32_t(sound.sampleRate),
                              std::uint8_t(sound.channels)};
    pa_simple* stream = pulse->create(nullptr, "Korvane", PA_STREAM_PLAYBACK, nullptr, "sound",
                                      &spec, nullptr, nullptr, nullptr);
    if (stream == nullptr) {
        return; // no audio server: silence
    }
    if (pulse->write(stream, sound.samples.data(),
                     sound.samples.size() * sizeof(sound.samples.front()), nullptr) == 0) {
        pulse->drain(stream, nullptr);
    }
    pulse->free(stream);
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
