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
    void StartNextScramble(); // startButton, startAction, nextAction
    void CheckAttempt();      // checkButton, checkAction, side button 2
    void SubmitAttempt();     // a click of either attempt button
    void TypeAttemptKey(int code);
    void CountDownOneSecond(); // each second of countdownTimer
    void SetPlayers(int index);
    void SetTimerOption(int index);
    void SetDifficultyLevel(int index);
    void SetPlayerOption(int index);
    void SetViewPanels();
    void ApplyHelpDisplay();
    void ChooseColour();
    void FocusStartButton();

    // Controls, with the names the handlers use; positions in twips as designed.
    QLabel* systemColourLabel; // hidden; its back colour is the system default colour
    Panel3D* mainPanelGround;
    Panel3D* boardPanel;
    QLabel* mascotPicture;
    Panel3D* scrambledWordPanel;
    Panel3D* firstAttemptPanel;  // behind the first attempt
    Panel3D* secondAttemptPanel; // behind the second attempt
    Command3D* firstAttemptButton;
    Command3D* secondAttemptButton;
    Panel3D* helpPanel; // help text, or the correct word
    Panel3D* messagePanel;
    Panel3D* rewardSidePanel; // the left side panel: the reward picture and the pointer
    Panel3D* rewardPanel;
    Panel3D* typePointer;    // "Type=>"
    Panel3D* wordsUsedPanel; // the right side panel: the level and the words used
    Panel3D* wordsUsedGauge;
    QLabel* wordsUsedLabel;                   // the words used, in percent
    Panel3D* lowerBox;                        // the options, the buttons and the scores
    std::array<Panel3D*, 5> lowerPanels{};    // buttons, timer, level, players, scores
    std::array<QGroupBox*, 3> optionFrames{}; // "&Players", "&Timer", "&Difficulty Level"
    QGroupBox* playerOptionFrame;             // "P&layer Option "
    std::array<QRadioButton*, 4> playerButtons{};
    std::array<QRadioButton*, 2> timerButtons{};
    std::array<QRadioButton*, 6> levelButtons{};
    std::array<QRadioButton*, 2> turnButtons{}; // "Until Wrong", "Next Player"
    Panel3D* countdownBar;                      // its caption: the seconds left
    QPushButton* checkButton;
    QPushButton* startButton;
    QPushButton* exitButton;
    QCheckBox* helpDisplayCheck;
    QCheckBox* viewPanelsCheck;
    std::array<Panel3D*, 4> scoreBoxes{};  // "Score" and "Accuracy", or the players'
    std::array<Panel3D*, 4> scorePanels{}; // the players' scores
    Panel3D* accuracyBar;
    QTimer* countdownTimer;

    QAction* panelColourAction;
    QMenu* playersMenu;
    std::array<QAction*, 4> playersActions{};
    QMenu* playerOptionMenu;
    QAction* untilWrongAction;
    QAction* nextPlayerAction;
    QMenu* levelMenu;
    std::array<QAction*, 6> levelActions{};
    QAction* checkAction;
    QAction* timerAction;
    QAction* helpDisplayAction;
    QAction* viewPanelsAction;
    QAction* startAction;
    QAction* nextAction;
    QAction* soundAction;
    QAction* exitAction;

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
