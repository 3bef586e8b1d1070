#pragma once

#include "Platform.h"
#include "PrintSettings.h"
#include "StoredVariant.h"

#include <QString>

// The standard module: the program-wide variables that more than one window uses, and the
// procedures every window shares. The variables start as zero or empty and are never saved whole.
class ProgramState {
public:
    explicit ProgramState(Platform& platform) : platform_(platform) {}

    // The toolbar button number of the window the main window opens at its next activation
    // (2 to 17); 0 = none.
    int NextActivity = 0;
    int ScreenMode = 0;       // 9 = smaller display, 0 = full screen
    StoredVariant Background; // a colour number, or a picture stem beginning with "WP"
    int TopToolbarState = 0;  // 0 = shown, 99 = removed
    int SideToolbarState = 0; // 88 = hidden
    QString CorrectSound;
    QString IncorrectSound;
    QString WelcomeSounds; // "Yes" = welcome and exit sounds on
    QString CorrectSoundDraft;
    QString IncorrectSoundDraft;
    int CorrectSoundTest = 0;
    int MatchLevelOne = 0; // 1 = level 1, 0 = level 2
    int ThoughtKind = 0;   // 0 = general, 1 = humorous
    // The last question's answer, the counter of loops over controls, the year handed to backup.
    double SignalValue = 0;
    int MainWidth = 0; // twips
    int MainHeight = 0;
    QString SharedText;
    int SharedState = 0;
    QString LayoutScratch;
    int PicturesOff = 0;
    // The print preview's width and left edge in twips at the window's last activation.
    int PreviewNormalWidth = 0;
    int PreviewNormalLeft = 0;
    ::PrintSettings PrintSettings;
    // 1 = the to-do list prints without its "As of" line; 0 when the program starts.
    int AsOfDateOff = 0;
    QString RewardCaption; // the caption of a picture window
    // What the backup window works on, set by its caller before it opens: 30/31 the to-do data,
    // 32/33 a planner year file (the year in SignalValue); even backs up, odd restores. The mode
    // is 0 for a backup window, 99 for a restore window. The window sets both to 0 as it closes.
    int BackupKind = 0;
    int BackupMode = 0;
    // The caller of a restore sets 0; the backup window sets 1 once it has replaced the file.
    int RestoreCompleted = 0;
    // The last entry of the birthyear window's year list while it is open (125), else 0.
    int YearListLimit = 0;

    static constexpr int kBusy = 11;
    static constexpr int kNoDrop = 12;

    // The application-wide mouse pointer; the last call wins.
    void BusyPointer();
    void NormalPointer();
    void NoDropPointer();

    // Return when the clock's seconds have advanced by one or two: at the next tick, or the one
    // after. The program stays responsive meanwhile (repaints, timers, screen readers), but keys
    // and clicks made during the pause are dropped: they act neither then nor afterwards.
    void PauseOneSecond();
    void PauseTwoSeconds();

    void ColorConflictAlert();
    void ActivityLoadErrorMessage();
    // itemKind is the plural name of what was shown, for example "Quotes".
    void AllDisplayedMessage(const QString& itemKind,
                             const QString& title = "Activity Information");

    // The sound players. A code of "10" beeps, "99" is silence, anything else names a wave file
    // of the program folder; while the Sound Information window tries a file just picked (the
    // flag 88), its working copy is played as a file name whatever it reads.
    void PlayCorrectSound();
    void PlayIncorrectSound();
    // One of Start1.wa1 to Start8.wa1, or of GEnd1.wa1 to GEnd11.wa1, at random.
    void PlayWelcomeSound();
    void PlayExitSound();

    Platform& platform() const { return platform_; }

private:
    void playAnswerSound(const QString& saved, const QString& draft, int pickedFlag);
    void playRandomSound(const QString& stem, int count);
    void setPointer(int code);
    void pauseSeconds(int seconds);

    Platform& platform_;
};
