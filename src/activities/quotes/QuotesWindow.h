#pragma once

#include "ActivityWindow.h"
#include "QuoteState.h"

#include <array>
#include <memory>

class FocusMoves;
class GridControl;
class InWindowDrag;
class OptionGroup;
class Panel3D;
class PanelColours;
class QGroupBox;
class QKeyEvent;
class QPushButton;
class QRadioButton;
class QTimer;
class WindowKeys;
class WordBox;

// "Famous Quotes": one of 42 quotes at a time, its words shuffled into boxes that the user moves
// back into order, in two panels (from a lower panel into the upper one) or in one panel, by
// clicking or dragging; with a timer that counts down or up, judging, and a performance report.
//
// The panel mode (0 two panels, 1 one panel, 3 word entry) is kept in panelMode_ and mirrored
// into SharedState, which the Sound Information window borrows while it is open over this one.
class QuotesWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Famous Quotes";

    explicit QuotesWindow(Services& services);
    ~QuotesWindow() override;

    // The quote order and the Display Option panel (QuotesWindowModes.cpp).
    void SetQuoteOrder(int index);
    void ResetDisplayOptions();
    void Command5_Click(); // "&D. Opt."
    void Command6_Click(); // "&OK"
    void Command7_Click(); // "&Increase"
    void Command8_Click(); // "&Decrease"
    void SetQuoteControls(bool on);

    // Panel modes and words per box (QuotesWindowModes.cpp).
    void SetOnePanel();
    void SetTwoPanels();
    void ApplyPanelMode();
    void MeasurePanelHeights();
    void SetWordsPerBox(int index);

    // Starting and ending a quote (QuotesWindowStart.cpp).
    void StartNextQuote(); // the click of Command1
    void ShowPanelDirections();
    void DirectionsContinueMessage();
    void DirectionsNextMessage();

    // Placing words (QuotesWindowPlacing.cpp).
    void Label1_Click(int k);
    void Label2_Click(int k);
    void Label1_MouseDown(int k, Qt::MouseButton button);
    void Label2_MouseDown(int k, Qt::MouseButton button);
    void Label1_DragDrop(int t);
    // Returns the text that was in hand, now put back into a box.
    QString SetPlaceMode(int mode);
    void CountMove(int box);
    void UndoMoveCount();
    void EndAllDrags();

    // Judging, the timer and the report (QuotesWindowJudging.cpp).
    void CheckEntries();
    void Timer1_Timer();
    void SetTimerOption(int index);
    void Command3_Click(); // "&Check", "&Cont.", "Perf&Rp"
    void Command4_Click(); // "&Close" of the report
    void mOEr_Click();     // "Show &Errors"
    void AddReportRow();
    void ShowPerformanceGrid();

    // Word entry and its on-screen keyboard (QuotesWindowWordEntry.cpp).
    void mOOpt3A_Click(int item); // grouping item 0 to 5 of "&Word Entry"
    void SetupWordEntry();
    void ClearGroupingChecks();
    void ShowWordEntryBanner(const QString& grouping);
    void BuildEntryBoxes();
    void FirstEntryBox();
    void NextEntryBox();
    void PreviousEntryBox();
    void Command13_Click(int k); // key k of the keyboard: "A" to "Z", then , ; . : ' - ( )
    void Command14_Click();      // "&BackSpace"
    void Command15_Click();      // "C&lear Word"
    void Command16_Click();      // the previous word
    void Command17_Click();      // the next word
    int currentEntryBox() const { return CurrentEntryBox; }

    // View Errors and the Hall of Fame (QuotesWindowReview.cpp).
    // prepare: fills the View Errors grid at the end of a quote; otherwise shows the panel.
    void ShowViewErrors(bool prepare);
    void DirectionsViewErrorsMessage();
    void Command18_Click(); // "&Close" of View Errors
    void Command19_Click(); // "&View Errors"
    void CheckHallOfFame();
    void Command9_Click();  // "&View Hall of Fame" / "&View Perf. Report"
    void Command10_Click(); // "&Delete All Entries"

    int panelMode() const { return panelMode_; }
    const QuoteState& state() const { return state_; }

    // Controls, with the names the handlers use; positions in twips as designed.
    Panel3D* SSPanel1;
    Panel3D* Panel3D19;                // holds the upper panel
    Panel3D* Panel3D1;                 // the upper panel
    Panel3D* Panel3D20;                // holds the lower panel
    Panel3D* Panel3D2;                 // the lower panel
    std::array<WordBox*, 67> Label1{}; // upper boxes; 66 the directions
    std::array<WordBox*, 67> Label2{}; // lower boxes; 66 the directions
    QLabel* Label4;                    // author label of the upper panel
    QLabel* Label5;                    // author label of the lower panel
    Panel3D* Panel3D3;                 // the button bar
    QPushButton* Command1;             // "&Start", "&End", "&Next"
    QPushButton* Command2;             // "E&xit"
    QPushButton* Command3;             // "&Check", "&Cont.", "Perf&Rp"
    QPushButton* Command5;             // "&D. Opt."
    QGroupBox* Frame3D1;               // "&Timer"
    OptionGroup* Option3D1;            // 0 Off, 1 On
    Panel3D* Panel3D5;                 // the timer gauge
    QLabel* Label7;                    // the time
    QGroupBox* Frame3D2;               // "&Words"
    OptionGroup* Option3D2;            // 1 to 4 words per box
    QGroupBox* Frame3D3;               // "&Mode"
    OptionGroup* Option3D3;            // 0 Click, 1 Drag
    Panel3D* Panel3D11;                // "# Moves" / "# Entries"
    Panel3D* Panel3D13;                // the move count
    Panel3D* Panel3D14;                // "Accuracy" / "# Errors"
    Panel3D* Panel3D15;                // the accuracy gauge or the error count
    Panel3D* Panel3D10;                // the selection panel: the text in hand, the result
    Panel3D* Panel3D23;                // the mode banner over it
    Panel3D* Panel3D16;                // "Correct = n"
    Panel3D* Panel3D17;                // "Wrong = n"
    Panel3D* Panel3D18;                // "Blank = n"
    Panel3D* Panel3D25;                // "Display Option"
    QGroupBox* Frame1;                 // "&Qutoes"
    QPushButton* Command6;             // "&OK"
    QPushButton* Command7;             // "&Increase"
    QPushButton* Command8;             // "&Decrease"
    Panel3D* Panel3D26;                // the quote number
    OptionGroup* Option3D4;            // In Order, In Random Order, Select
    Panel3D* Panel3D12;                // "Performance Report"
    GridControl* Grid1;
    QPushButton* Command4;  // "&Close"
    QPushButton* Command9;  // "&View Hall of Fame" / "&View Perf. Report"
    QPushButton* Command10; // "&Delete All Entries"
    Panel3D* Panel3D6;      // the on-screen keyboard of word entry
    std::array<QPushButton*, 34> Command13{};
    QPushButton* Command14; // "&BackSpace"
    QPushButton* Command15; // "C&lear Word"
    QPushButton* Command16; // " <-- &Word"
    QPushButton* Command17; // " Wo&rd -->"
    QPushButton* Command19; // "&View Errors"
    Panel3D* Panel3D7;      // "VIEW ERRORS"
    GridControl* Grid2;
    QPushButton* Command18; // "&Close"
    QTimer* Timer1;

    QMenu* mOOpt; // "&Game Options"
    QAction* mOOpt1;
    QAction* mOOpt2;
    QMenu* mOOpt3; // "&Word Entry"
    std::array<QAction*, 6> mOOpt3A{};
    QAction* mODOpt;
    QMenu* mOP; // "Panel C&olor"
    QAction* mOPUp;
    QAction* mOPLow;
    QMenu* mOM; // "&Mode"
    QAction* mOMClick;
    QAction* mOMDrag;
    QMenu* mOW; // "&Words"
    std::array<QAction*, 4> mOWn{};
    QAction* mOChk;
    QAction* mOCon;
    QAction* mORep;
    QAction* mOEr;
    QAction* mOT;
    QAction* mOS;
    QAction* mON;
    QAction* mOE;
    QAction* mOSO;
    QAction* mOExit;

protected:
    void ExitCommand() override;
    QWidget* mainPanel() const override;
    void Form_Activate() override;
    void windowOverSelfOpening(int button) override;
    void windowOverSelfClosed(int button) override;
    bool ExitQuestions() override;
    void Form_Unload() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (QuotesWindowControls.cpp).
    void buildControls();
    void buildPanels();
    void buildButtonBar();
    void buildSelectionStrip();
    void buildDisplayOptionPanel();
    void buildReportPanel();
    void buildKeyboard();
    void buildViewErrorsPanel();
    void buildMenus();
    void buildSideToolbar();
    void connectHandlers();
    void attachPopupToControls();

    void Form_Load();
    void ResetQuoteState();
    void SetOptionMenus(bool enabled);
    void ClearWordsChecks();
    void setPanelMode(int mode);
    void mOSO_Click();
    void setCancelButton(QPushButton* button);
    void setInTabOrder(QWidget* control, bool inTabOrder);
    void Command1_GotFocus();

    // The start (QuotesWindowStart.cpp).
    void ClearBoard();
    void PrepareStart();
    void ResetCheckButton();
    void FocusStartButton();
    void ShowStartMenu();
    void HideBoxes();
    void ClearGameOptionChecks();
    void SetErrorsColumn();
    bool AskTimerQuestion();
    void LayOutBoxes(int left, int top);
    void AvoidCorrectStart(const std::array<WordBox*, 67>& boxes);
    void EndQuote();
    void RevealAnswers();
    void showAuthorLabels();
    void activityDirections(const QString& text);
    void setCommand1Caption(const QString& caption);

    // Placing (QuotesWindowPlacing.cpp).
    bool quoteIsOver() const;
    void colourByContent(WordBox* box);
    bool clickGuards(WordBox* box, bool upper);
    void leaveContinueState();
    bool timeIsUp() const;
    void takeIntoHand(const QString& boxText);
    void ClearUpperDragHighlight();
    void ClearLowerDragHighlight();
    void CancelUpperDrag();
    void CancelLowerDrag();
    void HideModeBanner();
    void ShowModeBanner();
    void ShowAccuracyFlood(int percent);

    // Judging (QuotesWindowJudging.cpp).
    void ShowResultPanels(bool show);
    void completeQuote();
    void continueAfterCheck();
    // "&Check" offered again for the quote in play, with its menu item and side button.
    void offerCheck();
    void closeReport();
    void SetTimerFromAnswer();
    void enableBetweenQuotes();

    // Word entry.
    bool continuing() const;
    bool entryBoxOpen() const;
    void ClearEntryHighlight();
    void moveToEntryBox(int step);
    void focusFirstKey();
    void wordEntryEnd();
    bool Command13_KeyDown(const QKeyEvent& key);
    bool Command1_KeyDown(const QKeyEvent& key);

    // The Hall of Fame.
    void hallOfFameMessage(const QString& text);
    void showHallOfFame();

    std::unique_ptr<PanelColours> colours_;
    int upperColour_ = 0;
    int lowerColour_ = 0;
    InWindowDrag* drag_ = nullptr;

    QuoteState state_;
    int panelMode_ = 0;
    int TwoPanelHeight = 0;
    int OnePanelHeight = 0;
    // Placing.
    int DragSource = 0; // 0 none, 1 an upper box, 2 a lower box
    int DragIndex = 0;
    int UpperButtonHeld = 0;
    int ErrorsHidden = 0;
    QString SavedSelectionText;
    // Word entry: the box the keyboard writes into; 99 while a Space on a key is to type nothing.
    int CurrentEntryBox = 0;
    int SpaceKeyFlag = 0;
    bool timerPaused_ = false;
};
