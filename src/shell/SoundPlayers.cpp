#include "ProgramState.h"

#include <QCoreApplication>

namespace {

constexpr int kFileJustPicked = 88;

} // namespace

void ProgramState::PlayCorrectSound() {
    playAnswerSound(CorrectSound, CorrectSoundDraft, CorrectSoundTest);
}

void ProgramState::PlayIncorrectSound() {
    playAnswerSound(IncorrectSound, IncorrectSoundDraft, SharedState);
}

void ProgramState::playAnswerSound(const QString& saved, const QString& draft, int pickedFlag) {
    if (pickedFlag != kFileJustPicked) {
        if (saved == "10" || draft == "10") {
            platform_.sound.beep();
            return;
        }
        if (saved == "99" || draft == "99") {
            return;
        }
    }
    platform_.sound.playWave(draft.isEmpty() ? saved : draft);
}

void ProgramState::PlayWelcomeSound() {
    playRandomSound("Start", 8);
}

void ProgramState::PlayExitSound() {
    playRandomSound("GEnd", 11);
}

void ProgramState::playRandomSound(const QString& stem, int count) {
    // Repaints of a window shown just before happen before the sound blocks.
    QCoreApplication::processEvents();
    platform_.random.Randomize();
    platform_.sound.playWave(stem + QString::number(platform_.random.between(1, count)) + ".wa1");
}
