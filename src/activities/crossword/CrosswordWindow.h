#pragma once

#include "ActivityWindow.h"
#include "CrosswordVariables.h"

#include <array>

struct JudgedWord;
class FocusMoves;
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
    void Option3D2_Click(int index);

    // Choosing and loading a puzzle (CrosswordWindowChoosing.cpp).
    void Command1_Click(); // "&Start", then "&Next"
    void Command5_Click(); // "&Use Puzzle"
    void Command6_Click(); // "&Next Puzzle"
    void LoadNextPuzzle();
    void ShowPuzzleChoice();
    void ResetPuzzleState();

    // Clue selection and letter entry (CrosswordWindowEntry.cpp).
    void ShowClue(int direction); // the click of List1 (1) or List2 (2)
    void CellClick(int cell);
    void PickEntryAtCell(int cell);
    void TypeLetter(int k);
    void FocusEntryBox();
    void WriteEntryToGrid();
    void DeselectClues();

    // Checking (CrosswordWindowCheck.cpp).
    void Command3_Click();
    // Shows the three result panels when SignalValue is not 0, hides them when it is.
    void ShowResultPanels();
    void HideResultsIfShown();

    // Word help and giving up (CrosswordWindowWordHelp.cpp).
    void Command4_Click();  // "&Word Help", or between puzzles "&Word Help Op"
    void Command10_Click(); // "&Word Help Opt"
    void Command7_Click();  // "&OK"
    void Command8_Click();  // "&Increase"
    void Command9_Click();  // "&Decrease"
    void ToggleWordHelpOptionCheck();
    void mOEnd_Click(); // "&View Puzzle Words"

    // The window's own procedures (CrosswordWindow.cpp).
    void NotStartedMessage();
    void ResetAfterPuzzle();
    void ClearTabStops();
    void SetClueTabStops();
    void SetMainTabStops();

    // Controls, with the names the handlers use; positions in twips as designed.
    Panel3D* SSPanel1;
    Panel3D* Panel3D1;
    std::array<Panel3D*, 2> Panel3D7{};       // 0 the grid, 1 the grid area around it
    QLabel* Label2;                           // the blue ground behind the grid
    Panel3D* Panel3D27;                       // the smiling face shown after a solved puzzle
    std::array<Panel3D*, kCells> Panel3D14{}; // the cells; the caption is the cell's number
    std::array<QLabel*, kCells> Label3{};     // the letters of the cells
    Panel3D* Panel3D2;                        // the strip above the grid
    QPushButton* Command3D1;                  // the entry box: the word being typed
    QLabel* Label9;                           // the clue line
    QLabel* Label5; // hidden; sizes itself to its text to measure the clue line
    std::array<Panel3D*, 7> Panel3D3{};
    std::array<QLabel*, 2> Label1{}; // "Across", "Down"
    ListBox* List1;                  // Across clues
    ListBox* List2;                  // Down clues
    Panel3D* Panel3D11;
    QGroupBox* Frame3D1; // "&Puzzle Subjects"
    std::array<QRadioButton*, 2> Option3D1{};
    Panel3D* Panel3D4;
    QGroupBox* Frame1; // "Puzzle &Level"
    std::array<QRadioButton*, 2> Option3D2{};
    Panel3D* Panel3D12;                  // the Information Panel
    Panel3D* Panel3D19;                  // "Correct = n"
    Panel3D* Panel3D20;                  // "Wrong = n"
    Panel3D* Panel3D21;                  // "Blank = n"
    std::array<Panel3D*, 3> Panel3D15{}; // the Correct, Wrong and Blank gauges
    Panel3D* Panel3D8;
    QPushButton* Command1;
    QPushButton* Command2; // "E&xit"
    QPushButton* Command3; // "&Check"
    QPushButton* Command4;
    Panel3D* Panel3D16; // the several-puzzles panel
    QPushButton* Command5;
    QPushButton* Command6;
    QPushButton* Command10;
    QPushButton* Command11; // "Exit &Activity"
    Panel3D* Panel3D23;     // "Word Help Option"
    QPushButton* Command7;
    QPushButton* Command8;
    QPushButton* Command9;
    Panel3D* Panel3D24; // the Word Help limit
    std::array<QLabel*, 2> WordHelpOptionText{};

    QMenu* mOPl; // "Puzzle &Level"
    QAction* mOPl1;
    QAction* mOPl2;
    QAction* mOChk;
    QAction* mOW;
    QAction* mOWH;
    QAction* mOUse;
    QAction* mONew;
    QAction* mOS;
    QAction* mON;
    QAction* mOEnd;
    QAction* mOExit;

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
    void List1_GotFocus();
    void List2_GotFocus();
    void ListKeyPress(int direction, int code);
    void Command1_GotFocus();
    void Command2_GotFocus();
    void Command3D1_GotFocus();
    void Command3D1_KeyDown(const QKeyEvent& key);
    void Command3D1_Click();
    void showHint(const QString& hint);

    // Cells: the panel's colour is the cell's colour, the label being transparent.
    void paintCell(int cell, const QColor& colour);
    QColor cellColour(int cell) const;
    void setLetterColour(int cell, const QColor& colour);
    QColor letterColour(int cell) const;
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
};
