#pragma once

#include "HangmanBoard.h"
#include "HangmanWords.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

class ProgramState;
struct Platform;

// The hangman game, played in the window but kept free of widgets: one hidden word at a time,
// drawn without repeats from the chosen level's list, guessed letter by letter; every counted miss
// draws one stage of the figure, the tenth loses the word, a fully spelled word wins it. On the
// harder levels the first wrong letters count twice. Counters and used flags last until the
// window unloads.
class HangmanGame {
public:
    static constexpr int kComputerSelects = 5; // WordLevelIndex of "C.S."
    static constexpr int kDropEnd = 9500;      // twips: where the figure's drop ends
    static constexpr int kDropMs = 2500;
    static constexpr int kWinDelayMs = 2000;
    static constexpr int kFrameMs = 20; // the drop and the win delay yield once per frame

    HangmanGame(ProgramState& program, Platform& platform, HangmanView& view);

    HangmanBoard board;
    HangmanWordTable words;

    // The game's variables, as the window's handlers name them.
    QString HiddenWord;
    int WordLength = 0;
    int LettersFound = 0;
    int LetterFound = 0;
    int MissCount = 0;
    int PenaltyCount = 0;
    int GuessBusy = 0;
    int WordsCorrect = 0;
    int WordsWrong = 0;
    int DisplayOrder = 0;   // 0 in order, 1 in random order
    int WordLevelIndex = 0; // 0 to 4 = levels 1 to 5, 5 = "C.S."
    int RandomStage = 0;
    std::array<int, 11> StageShown{};
    std::array<int, HangmanWordTable::kLevels> LevelWordsUsed{};
    std::array<std::vector<int>, HangmanWordTable::kLevels> WordUsed;

    // Start and Next (the button, and the menu items "&Start" and "&Next").
    void StartNextWord();
    // The letter button of index 0 to 25 ("A" to "Z").
    void GuessLetter(int index);
    // A typed character: only the small letters a to z guess.
    void KeyToLetter(int code);
    void PickLevelWord(int level);
    void ShowWordsUsedMessage();
    void ResetBoardForWord();
    void ShowWordLost();
    void ShowWordWon();
    void EnableNextWord();
    // The window's load: the word lists and their used flags.
    void LoadWords();
    // The window's unload: every variable back to its start.
    void ResetHangmanState();

    // The options: WordLevelIndex and its description, DisplayOrder.
    void ChooseWordLevel(int index);
    void ChooseDisplayOrder(int index);
    void HideLevelDescription();

    // "Level 3 Word Level = 6 or 7 Letter Words", or for "C.S." the computer's choice.
    static QString levelDescription(int index);
    // Where PenaltyCount starts for a word of level 1 to 5: 6, 6, 4, 2 or 0.
    static int penaltyStart(int level);

private:
    // One pass of the evaluation of a letter: a found letter (or a won word), or a counted miss.
    void evaluate();
    void drawStage();
    // Yields once per frame for ms milliseconds of the clock, calling step with the share done.
    void pacedYields(int ms, const std::function<void(double)>& step);
    bool wordStarted() const { return board.slotVisible[0]; }

    ProgramState& program_;
    Platform& platform_;
    HangmanView& view_;
};
