#pragma once

#include "ActivationQueue.h"
#include "Services.h"

#include <QMainWindow>

#include <array>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class OptionGroup;
class QPushButton;
class QRadioButton;

// "Sound Information": the sounds for a right and a wrong answer and the welcome and exit sounds.
// The choices are tried on working copies and stored in SWR2.BMP only when the user confirms; the
// welcome option takes effect at once. The window loads the settings when it is made.
class SoundInformationWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit SoundInformationWindow(Services& services);

    void LoadSoundDialog();
    void Form_Activate();
    // The click handlers of the option groups; selecting an option from code runs them too.
    void SetCorrectSoundOption(int index);   // 0 "None", 1 "Beep", 2 "Select Sound:"
    void SetIncorrectSoundOption(int index); // the same
    void SetWelcomeOption(int index);        // 0 "On", 1 "Off"
    void SaveSoundSettings();
    void DiscardSoundSettings();

    QFrame* outerFrame;      // its colour is given to the three panels
    QGroupBox* correctFrame; // "Sound When &Correct"
    QFrame* correctPanel;
    std::array<QRadioButton*, 3> correctOptions{};
    QListWidget* correctFiles;      // the *.wav files of the program folder
    QPushButton* testCorrectButton; // "&Test Sound"
    QLabel* correctFileLabel;       // the sound file chosen
    QGroupBox* incorrectFrame;      // "Sound When &Incorrect"
    QFrame* incorrectPanel;
    std::array<QRadioButton*, 3> incorrectOptions{};
    QListWidget* incorrectFiles;      // the *.waw files
    QPushButton* testIncorrectButton; // "Test &Sound"
    QLabel* incorrectFileLabel;
    QGroupBox* welcomeFrame; // "&Welcome/Exit Program Sounds"
    QFrame* welcomePanel;
    std::array<QRadioButton*, 2> welcomeOptions{};
    QPushButton* saveAndExitButton;
    QPushButton* exitWithoutSavingButton;
    QMenu* optionsMenu;
    QAction* saveAndExitAction;
    QAction* exitWithoutSavingAction;
    QAction* helpAction;

    // 1 when "Select Sound:" was the group's last choice.
    int CorrectFileOption = 0;
    int IncorrectFileOption = 0;
    QString WelcomeSoundsAtOpen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // One answer group's controls and the program-wide variables it edits.
    struct SoundGroup {
        OptionGroup* choice;
        std::array<QRadioButton*, 3>& options;
        QListWidget* files;
        QPushButton* test;
        QLabel* label;
        QString& saved;
        QString& draft;
        int& picked; // 88 once a file was picked in the list
        int& fileOption;
        int record; // in SWR2.BMP
        // "Select Sound:" with no file saved: the right-answer label says so, the other keeps
        // its text.
        bool labelSaysNoneSelected;
    };

    void buildSoundGroups();
    void buildWelcomeGroup();
    void buildMenus();
    void attachOptionsPopup();
    SoundGroup correctGroup();
    SoundGroup incorrectGroup();
    void setSoundOption(const SoundGroup& group, int index);
    // The file name picked in a list: the working copy, the picked flag and the label follow it.
    void pickFile(const SoundGroup& group);
    // Stores the three settings; tells the user what could not be kept for the next start.
    void writeSoundRecords();

    Services& services_;
    ProgramState& program_;
    ActivationQueue activation_;
    // The option groups: a choice follows the checked option, however it was checked.
    OptionGroup* correctChoice_ = nullptr;
    OptionGroup* incorrectChoice_ = nullptr;
    OptionGroup* welcomeChoice_ = nullptr;
};
