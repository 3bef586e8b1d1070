#pragma once

#include "ActivityWindow.h"
#include "CrosswordVariables.h"

#include <QColor>

#include <array>

struct JudgedWord;
class FocusMoves;
class GuardedStretch;
class ListBox;
class Panel3D;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class WindowKeys;

// "Crossword Puzzles": 20 built-in puzzles in each of two levels, drawn without repeats, filled in
// clue by clue from two clue lists or the numbered cells, checked word by word, helped and given
// up. Every exit closes the window at once; a puzzle in play is dropped.
//
// A game passes through Idle (before the first "&Start"), Choosing (a drawn puzzle waits on the
// several-puzzles panel), Playing (after "&Use Puzzle"), Results (a check found wrong or blank
// words; the next pick or key hides them) and Finished (solved or given up; "&Next" draws again).
class CrosswordWindow : public ActivityWindow, public CrosswordVariables {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Crossword Puzzles";
    static constexpr qint64 kBlockedColour = 0x404040; // the colour number of a blocked cell

    explicit CrosswordWindow(Services& services);
    ~CrosswordWindow() override;

    // The grid (CrosswordWindowGrid.cpp). LayoutGrid(1) lays out Level 2, any other value Level 1.
    void LayoutGrid(int level);
    void HighlightEntry();
    void ChooseLevel(int index);

    // Choosing and loading a puzzle (CrosswordWindowChoosing.cpp).
    // Draws a puzzle of the level and offers it on the several-puzzles panel.
    void StartNewPuzzle();
    void UsePuzzle();
    void DrawAnotherPuzzle();
    void LoadNextPuzzle();
    void ShowPuzzleChoice();
    void ResetPuzzleState();

    // Clue selection and letter entry (CrosswordWindowEntry.cpp).
    void ShowClue(int direction); // a click in the Across (1) or Down (2) list
    void CellClick(int cell);
    void PickEntryAtCell(int cell);
    void TypeLetter(int k);
    void FocusEntryBox();
    void WriteEntryToGrid();
    void DeselectClues();

    // Checking (CrosswordWindowCheck.cpp).
    void CheckWords();
    // Shows the three result panels when SignalValue is not 0, hides them when it is.
    void ShowResultPanels();
    void HideResultsIfShown();

    // Word help and giving up (CrosswordWindowWordHelp.cpp).
    // Writes the selected clue's answer; between puzzles opens the Word Help Option panel.
    void GiveWordHelp();
    void ToggleWordHelpOption();
    void CloseWordHelpOption();
    void IncreaseWordHelpLimit();
    void DecreaseWordHelpLimit();
    void ToggleWordHelpOptionCheck();
    void ViewPuzzleWords();

    // The window's own procedures (CrosswordWindow.cpp).
    void NotStartedMessage();
    void ResetAfterPuzzle();
    void ClearTabStops();
    void SetClueTabStops();
    void SetMainTabStops();

    // A cell's colour and its letter's: a checked word's verdict shows in them. The letter is
    // drawn in the nearest shade of its colour that stands out from the cell.
    QColor cellColour(int cell) const;
    QColor letterColour(int cell) const;

    // Controls; positions in twips as designed. Each keeps its designed name as its objectName.
    Panel3D* mainPanelFrame;                   // the window's main panel, centred in the window
    Panel3D* contentPanel;                     // inside the main panel, holding everything else
    std::array<Panel3D*, 2> gridPanels{};      // 0 the grid, 1 the grid area around it
    QLabel* gridGround;                        // the blue ground behind the grid
    Panel3D* smilingFacePanel;                 // shown in the grid's place after a solved puzzle
    std::array<Panel3D*, kCells> cellPanels{}; // the caption is the cell's number
    std::array<QLabel*, kCells> cellLetters{};
    Panel3D* clueStrip;      // the strip above the grid
    QPushButton* entryBox;   // the word being typed, right after the clue
    QLabel* clueLine;        // the selected clue
    QLabel* clueLineMeasure; // hidden; sizes itself to its text to measure the clue line
    // 0 the right column, 2 and 3 the Across and Down clue boxes, 1, 4, 5 and 6 the frames of the
    // several-puzzles panel's buttons.
    std::array<Panel3D*, 7> framingPanels{};
    std::array<QLabel*, 2> clueHeadings{}; // "Across", "Down"
    ListBox* acrossList;
    ListBox* downList;
    Panel3D* subjectPanel;
    QGroupBox* subjectFrame;                       // "&Puzzle Subjects"
    std::array<QRadioButton*, 2> subjectOptions{}; // 0 "Gospel Related" (hidden), 1 any subject
    Panel3D* levelPanel;
    QGroupBox* levelFrame;                       // "Puzzle &Level"
    std::array<QRadioButton*, 2> levelOptions{}; // "Level 1", "Level 2"
    Panel3D* informationPanel; // the Information Panel: hints, the selected clue, the check
    // The check's results; a solved puzzle shows "Puzzle Is Correct", "Very Well Done" in the
    // last two.
    Panel3D* correctResult;                 // "Correct = n"
    Panel3D* wrongResult;                   // "Wrong = n"
    Panel3D* blankResult;                   // "Blank = n"
    std::array<Panel3D*, 3> resultGauges{}; // the Correct, Wrong and Blank gauges
    Panel3D* commandPanel;
    QPushButton* startButton; // "&Start", then "&Next"
    QPushButton* exitButton;
    QPushButton* checkButton;
    QPushButton* wordHelpButton; // "&Word Help", or between puzzles "&Word Help Op"
    Panel3D* choicePanel;        // the several-puzzles panel
    QPushButton* usePuzzleButton;
    QPushButton* nextPuzzleButton;
    QPushButton* wordHelpOptionButton; // "&Word Help Opt"
    QPushButton* exitActivityButton;
    Panel3D* wordHelpOptionPanel;
    QPushButton* wordHelpOkButton; // "&OK", closing the Word Help Option panel
    QPushButton* increaseButton;
    QPushButton* decreaseButton;
    Panel3D* wordHelpLimitPanel;
    std::array<QLabel*, 2> wordHelpOptionTexts{};

    // The Options menu's items.
    QMenu* levelMenu; // "Puzzle &Level"
    QAction* level1Action;
    QAction* level2Action;
    QAction* checkAction;
    QAction* wordHelpOptionAction;
    QAction* wordHelpAction;
    QAction* usePuzzleAction;
    QAction* nextPuzzleAction;
    QAction* startAction;
    QAction* nextAction;
    QAction* viewPuzzleWordsAction; // gives the puzzle up
    QAction* exitAction;

protected:
    void ExitCommand() override;
    QWidget* mainPanel() const override;
    void Form_Activate() override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (CrosswordWindowControls.cpp, CrosswordWindowMenus.cpp).
    void buildControls();
    void buildGridArea();
    void buildClueStrip();
    void buildClueLists();
    void buildRightColumn();
    void buildChoicePanel();
    void buildWordHelpOptionPanel();
    void buildCells();
    void buildMenus();
    void buildSideToolbar();
    void connectHandlers();
    void connectFocusHandlers();
    void attachPopupToControls();

    // The steps of the load and of the exits.
    void Form_Load();

    // Focus handlers and hints.
    void ShowAcrossClueOnFocus();
    void ShowDownClueOnFocus();
    void TakeKeyFromClueList(int direction, int code);
    void ShowStartHint();
    void ShowExitHint(); // also drops the Down list's selection
    void TypePendingKey();
    void MoveThroughClues(const QKeyEvent& key); // Shift+Up or Shift+Down in the entry box
    void SubmitEntry(); // writes a typed word to the grid, or goes back to the clue list
    void showHint(const QString& hint);

    // Cells: the panel's colour is the cell's colour, the label being transparent.
    void paintCell(int cell, const QColor& colour);
    void setLetterColour(int cell, const QColor& colour);
    void showLetter(int cell); // in its colour's shade readable on the cell's colour
    void ClearCells();
    void NumberCells();

    // The list of a direction: 1 Across, anything else Down.
    ListBox* clueList(int direction) const;
    void setCheckOffered(bool offered);
    void setRevealOffered(bool offered);
    void setInTabOrder(QWidget* control, bool inTabOrder);
    // The entry box is a command button: a typed "&" is shown, not taken as an access key.
    void setEntryCaption(const QString& word);
    QString entryCaption() const;
    // Whether a puzzle is drawn and not yet solved or given up (the in-progress marker "S").
    bool puzzleDrawn() const;

    // The steps of a check.
    void checkPuzzle();
    void clearCheckMarking();
    void markBlankWord(const JudgedWord& word);
    void judgeFilledWord(const JudgedWord& word);
    void showCheckErrors();
    void showPuzzleSolved();
    void showResultCaption(Panel3D* panel, const QString& caption);

    void openWordHelpOption();

    bool gridLaidOut_ = false;
    // A check runs as a whole: its pauses and repaints let nothing typed or clicked act, and the
    // window closes only after it.
    GuardedStretch* checkStretch_ = nullptr;
    std::array<QColor, kCells> letterColours_{}; // as set, before the shade that reads
};
