#pragma once

#include <QString>

#include <array>

// What the hangman window shows of the game, kept without widgets: the game changes it, and the
// window shows it at each yield of the game and when a game step returns. Colours are numbers of
// the 16-colour palette (0 black, 1 blue, 4 red).
struct HangmanBoard {
    static constexpr int kSlots = 13;
    static constexpr int kLetters = 26;
    static constexpr int kStages = 9;
    static constexpr int kBlack = 0;
    static constexpr int kBlue = 1;
    static constexpr int kRed = 4;
    static constexpr double kFigureTop = 465; // twips, in the gallows area
    static constexpr double kRopeEndAtStart = 210;
    static constexpr const char* kBannerDesignText = "Another Good Person Goes Free";

    QString message = "Welcome to Hangman\rClick Start to Begin"; // messagePanel
    int messageColour = kBlack;
    QString checkedLetter; // the letter being checked
    int checkedLetterColour = kBlack;
    bool checkedLetterVisible = false;

    std::array<QString, kSlots> slotText{};
    std::array<int, kSlots> slotColour{};
    std::array<bool, kSlots> slotVisible{};
    std::array<bool, kLetters> letterEnabled{};
    std::array<int, kLetters> letterColour{};
    // Element s (1 to 9) = the pieces of stage s are shown.
    std::array<bool, kStages + 1> stageVisible{};

    bool gallowsVisible = true; // the post, beam, hook and platform
    bool graveVisible = false;
    bool bannerVisible = false;
    QString bannerText = kBannerDesignText;
    bool ropeVisible = false;
    double figureTop = kFigureTop;
    double ropeEnd = kRopeEndAtStart;
    bool levelDescriptionVisible = true; // levelDescriptionPanel
    QString levelDescription;

    int wordsCorrect = 0;
    int wordsWrong = 0;

    // Start and Next: the button, its menu twins and the option frames with theirs.
    QString startCaption = "&Start";
    bool startEnabled = true;
    bool menuStartVisible = true;
    bool menuNextVisible = false;
    bool menuNextEnabled = true;
    // The Word Level and Hangman Display frames and menus.
    bool optionsEnabled = true;

    HangmanBoard() { letterEnabled.fill(true); }
};

// The window's side of the game: showing the board and handing the event loop its turn.
class HangmanView {
public:
    virtual ~HangmanView() = default;
    // Shows the board, then handles the pending events once.
    virtual void yield() = 0;
    // Shows the board now, handling no event (before a pause or a sound).
    virtual void paintNow() = 0;
    // Gives the focus to the figure panel, or to Start / Next when it is enabled.
    virtual void focusFigure() = 0;
    virtual void focusStart() = 0;
    // Status panel 1 shows the window's caption.
    virtual void showCaption() = 0;
};
