#pragma once

#include "ClueArrays.h"

#include <QString>

#include <array>

// The crossword window's variables, by the names its handlers use. Clearing the puzzle state (at
// load, at unload and by "Exit Activity") sets every one of them back to these starting values,
// except PuzzleSubject.
struct CrosswordVariables {
    static constexpr int kCells = 144;
    static constexpr int kFreshPuzzle = 1111; // DownListIndex of a puzzle just put in use

    ClueArrays Clues;

    // The grid and the selected word.
    int PuzzleLevel = 0;        // 0 Level 1, 1 Level 2
    int GridColumns = 0;        // 13 or 18
    int GridLastCell = 0;       // 103 or 143
    int SelectedClue = 0;       // 1-based index in the selected direction's arrays; 0 none
    int SelectedDirection = 0;  // 1 Across, 2 Down, 0 none
    int HighlightDirection = 0; // direction of the word painted as selected; 0 none
    int HighlightStartCell = 0;
    int HighlightExtent = 0; // Across: length - 1; Down: the index of the last cell
    int EntryStartCell = 0;
    int EntryExtent = 0;

    // Choosing and loading.
    int PuzzleSubject = 1; // always "Puzzles on Any Subject"
    int PuzzleNo = 0;
    std::array<int, 21> PuzzleUsedLevel1{}; // element k = 1: puzzle k was drawn
    std::array<int, 21> PuzzleUsedLevel2{};
    int PuzzlesShownLevel1 = 0;
    int PuzzlesShownLevel2 = 0;
    int DownEnd = 0; // index of "End" in DownNum: Down entries + 1
    int AcrossEnd = 0;
    int PuzzleWordCount = 0;
    QString GridPattern;
    int CellNumberCounter = 0;
    int PuzzleState = 0; // 0 not started, 1 under way, 9 check results showing

    // Clue selection and letter entry.
    QString EntryText;
    int EntryLength = 0;
    QString SelectedAnswer;
    int PendingKey = 0; // a key typed in a clue list, for the entry box to type
    int FocusList = 0;  // 1 Across list, 2 Down list, 3 every answer being written; 0 none
    int AcrossListIndex = 0;
    int DownListIndex = 0;
    int GoToFirstDownClue = 0; // 99: the Down list's next focus selects its first clue
    int LastPickedNumber = 0;
    int CellPickState = 0;    // 1: the last pick of LastPickedNumber chose Across of a two-way cell
    int RevealInProgress = 0; // 98 while every answer is written

    // Checking.
    int CorrectWords = 0;
    int WrongWords = 0;
    int BlankWords = 0;
    std::array<int, 21> AcrossBlankMarks{};
    std::array<int, 33> DownBlankMarks{};
    int LastBlankPercent = 0;
    double SavedPanelTextSize = 0;

    // Word help.
    int WordHelpLimit = 0; // 0 to 6 uses per puzzle
    int WordHelpsLeft = 0;

    int EntryLock = 0; // 0 a puzzle in use, 1 none (picks bring a message), 2 words being revealed
};
