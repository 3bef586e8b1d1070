#pragma once

#include <QString>

// Sound output. Both calls are synchronous: they return when the sound has ended, and no event of
// the program is handled meanwhile (input made meanwhile waits in the windowing system).
class Sound {
public:
    virtual ~Sound() = default;
    // Plays a wave file, named relative to the program folder. A file that cannot be found or read
    // plays the default sound instead; nothing is reported.
    virtual void playWave(const QString& fileName) = 0;
    virtual void beep() = 0;
};
