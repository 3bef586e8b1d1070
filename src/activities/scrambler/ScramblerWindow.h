#pragma once

#include "ActivityWindow.h"
#include "ScramblerCountdown.h"
#include "ScramblerGame.h"

#include <array>
#include <memory>

class Command3D;
class GuardedStretch;
class OptionGroup;
class Panel3D;
class PanelColours;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

// "Word Scrambler": a word of the chosen level shown with its letters shuffled, typed back on the
// first attempt and, when that is wrong, once more on the second. One to four players take turns;
// an optional countdown limits each attempt. The words come from WscOtxt.Fil, read at load; the
// one setting is the panel colour, kept in record 36 of GColor1.Fil.
class ScramblerWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Word Scrambler";
    static constexpr const char* kWordFile = "WscOtxt.Fil";
    static constexpr int kColourRecord = 36;

    explicit ScramblerWindow(Services& services);
    ~ScramblerWindow() override;

    ScramblerGame& game() { return game_; }
    const ScramblerCountdown& countdown() const { return countdown_; }
    bool wordFileLoaded() const { return loaded_; }
    bool panelsHidden() const { return panelsHidden_ != 0; }

    // The handlers, as the window's controls and menus run them.
    void StartNextScramble(); // Command2, mOS, mON
    void Command1_Click();    // "&Check", mOChk, side button 2
    void SubmitAttempt();     // a click of either attempt button
    void TypeAttemptKey(int code);
    void Timer1_Timer();
    void SetPlayers(int index);
    void SetTimerOption(int index);
    void SetDifficultyLevel(int index);
    void SetPlayerOption(int index);
    void SetViewPanels();
    void ApplyHelpDisplay();
    void ChooseColour();
    void FocusStartButton();

    // Controls, with the names the handlers use; positions in twips as designed.
    QLabel* Label1; // hidden; its back colour is the system default colour
    Panel3D* SSPanel1;
    Panel3D* Panel3D4;
    QLabel* Image2;
    Panel3D* Panel3D1;  // the scrambled word
    Panel3D* Panel3D15; // behind the first attempt
    Panel3D* Panel3D16; // behind the second attempt
    Command3D* Command3D1;
    Command3D* Command3D2;
    Panel3D* Panel3D2; // help text, or the correct word
    Panel3D* Panel3D3; // messages
    Panel3D* Panel3D19;
    Panel3D* Panel3D7;  // the reward picture
    Panel3D* Panel3D20; // "Type=>"
    Panel3D* Panel3D17; // level and words used
    Panel3D* Gauge1;
    QLabel* Label2;
    Panel3D* Panel3D5;
    std::array<Panel3D*, 5> Panel3D6{};
    std::array<QGroupBox*, 3> Frame3D1{};
    QGroupBox* Frame1;
    std::array<QRadioButton*, 4> Option3D1{};
    std::array<QRadioButton*, 2> Option3D2{};
    std::array<QRadioButton*, 6> Option3D3{};
    std::array<QRadioButton*, 2> Option3D4{};
    Panel3D* Panel3D13; // the countdown bar
    QLabel* Label3;     // the seconds left
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QCheckBox* Check3D1;
    QCheckBox* Check3D2;
    std::array<Panel3D*, 4> Panel3D10{};
    std::array<Panel3D*, 4> Panel3D8{};
    Panel3D* Panel3D18; // the accuracy bar
    QTimer* Timer1;

    QAction* mOC;
    QMenu* mOPl;
    std::array<QAction*, 4> mOPl1{};
    QMenu* mOPO;
    QAction* mOPOUntil;
    QAction* mOPONext;
    QMenu* mOL;
    std::array<QAction*, 6> mOL1{};
    QAction* mOChk;
    QAction* mOT;
    QAction* mOHD;
    QAction* mOV;
    QAction* mOS;
    QAction* mON;
    QAction* mOSO;
    QAction* mOExit;

protected:
    void ExitCommand() override;
    QWidget* mainPanel() const override;
    void Form_Activate() override;
    bool ExitQuestions() override;
    void Form_Unload() override;
    void windowOverSelfOpening(int button) override;
    void windowOverSelfClosed(int button) override;

private:
    // Building the window (ScramblerWindowControls.cpp, ScramblerWindowMenus.cpp).
    void buildControls();
    void buildAttemptArea();
    void buildSidePanels();
    void buildLowerBox();
    void buildMenus();
    void buildSideToolbar();
    void attachPopupToControls();

    void Form_Load();
    void LoadScramblerWords();
    void LoadMascotPicture();
    void ResetScramblerState();
    void ResetStartControls();
    void ShowWordsUsedPercent();
    void ResetAttemptButtons();
    void SetAttemptTabStops(bool stops);
    void setWordControlsEnabled(bool betweenWords);
    void arrangeScoreBox();
    void showScore(int player);
    void askTimerSeconds();
    void startCountdown();
    void stopCountdown();
    // Runs a step with the countdown held: a box or window stands over the scrambler.
    void withCountdownHeld(const std::function<void()>& step);
    void focusOpenAttempt();
    void judge();

    ScramblerGame game_;
    ScramblerCountdown countdown_;
    std::unique_ptr<PanelColours> colours_;
    GuardedStretch* stretch_;
    OptionGroup* playerOptions_;
    OptionGroup* timerOptions_;
    OptionGroup* levelOptions_;
    OptionGroup* turnOptions_;
    bool loaded_ = false;
    int timerOption_ = 1; // 1 Off, 2 On
    int timerStage_ = 0;  // 0 off, 1 ask at the next Start, 2 and more seconds known
    int timerSeconds_ = 0;
    bool countdownHeld_ = false;
    int helpDisplayOn_ = 0;
    int panelsHidden_ = 0;
};
