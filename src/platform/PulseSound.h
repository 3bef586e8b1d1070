#pragma once

#include "PcmSound.h"
#include "Sound.h"

class ProgramFolder;

// Plays through the PulseAudio simple API (PipeWire serves it too), blocking until the sound has
// drained. Without an audio server the calls return at once, silent.
class PulseSound : public Sound {
public:
    explicit PulseSound(const ProgramFolder& folder);

    void playWave(const QString& fileName) override;
    void beep() override;

    // What playWave plays for the name: the decoded file, or the default sound.
    PcmSound soundFor(const QString& fileName) const;

private:
    const ProgramFolder& folder_;
};
