#include "StandardModuleFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr const char* kBeep = FakeSound::kBeep;

using SoundPlayersTest = StandardModuleFixture;

TEST_F(SoundPlayersTest, AnswerSoundsFollowTheCodesUnlessAFileWasJustPicked) {
    const struct {
        QString saved;
        QString draft;
        int pickedFlag;
        QStringList heard;
    } cases[] = {
        {"10", "", 0, {kBeep}},
        {"99", "", 0, {}},
        {"99", "10", 0, {kBeep}}, // the beep is tested first
        {"10", "99", 0, {kBeep}},
        {" 10", "", 0, {" 10"}}, // exact comparison: a file name
        {"Chime.wav", "", 0, {"Chime.wav"}},
        {"Chime.wav", "Bells.wav", 0, {"Bells.wav"}},
        {"", "", 0, {""}},
        {"Chime.wav", "10", 88, {"10"}}, // a picked file is played as a name
        {"99", "", 88, {"99"}},
        {"10", "", 1, {kBeep}}, // another window's bookkeeping value plays normally
    };
    // The same rules for both players, each with its own codes and picked-file flag.
    const struct {
        const char* name;
        QString& saved;
        QString& draft;
        int& pickedFlag;
        std::function<void()> play;
    } players[] = {
        {"correct", program.CorrectSound, program.CorrectSoundDraft, program.CorrectSoundTest,
         [this] { program.PlayCorrectSound(); }},
        {"incorrect", program.IncorrectSound, program.IncorrectSoundDraft, program.SharedState,
         [this] { program.PlayIncorrectSound(); }},
    };
    for (const auto& player : players) {
        for (const auto& testCase : cases) {
            player.saved = testCase.saved;
            player.draft = testCase.draft;
            player.pickedFlag = testCase.pickedFlag;
            fake.sound.played.clear();
            player.play();
            EXPECT_EQ(fake.sound.played, testCase.heard)
                << player.name << " " << testCase.saved.toStdString() << "/"
                << testCase.draft.toStdString();
        }
        player.saved.clear();
        player.draft.clear();
        player.pickedFlag = 0;
    }
}

TEST_F(SoundPlayersTest, WelcomeAndExitSoundsAreDrawnAfterReseeding) {
    fake.random.draws = {0.0, 0.999, 0.5, 0.0, 0.9999};
    program.PlayWelcomeSound();
    program.PlayWelcomeSound();
    program.PlayExitSound();
    program.PlayExitSound();
    program.PlayExitSound();
    EXPECT_EQ(fake.sound.played,
              (QStringList{"Start1.wa1", "Start8.wa1", "GEnd6.wa1", "GEnd1.wa1", "GEnd11.wa1"}));
    EXPECT_EQ(fake.random.randomizeCalls, 5);
}

} // namespace
