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
    void ToggleDisplayOptions(); // "&D. Opt."
    void CloseDisplayOptions();  // "&OK"
    void IncreaseQuoteNumber();  // "&Increase"
    void DecreaseQuoteNumber();  // "&Decrease"
    void SetQuoteControls(bool on);

    // Panel modes and words per box (QuotesWindowModes.cpp).
    void SetOnePanel();
    void SetTwoPanels();
    void ApplyPanelMode();
    void MeasurePanelHeights();
    void SetWordsPerBox(int index);

    // Starting and ending a quote (QuotesWindowStart.cpp).
    void StartNextQuote(); // "&Start", "&End" and "&Next"
    void ShowPanelDirections();
    void DirectionsContinueMessage();
    void DirectionsNextMessage();

    // Placing words (QuotesWindowPlacing.cpp).
    void ClickUpperBox(int k);
    void ClickLowerBox(int k);
    void PressUpperBox(int k, Qt::MouseButton button);
    void PressLowerBox(int k, Qt::MouseButton button);
    void DropOnUpperBox(int t);
    // Enter or Space on a focused box. Click mode: the box's click. Drag mode: the first key
    // picks a box up as a press does, the next key on an upper box drops it there, and on a
    // lower box puts it back where it was.
    void KeyUpperBox(int k);
    void KeyLowerBox(int k);
    // Returns the text that was in hand, now put back into a box.
    QString SetPlaceMode(int mode);
    void CountMove(int box);
    void UndoMoveCount();
    void EndAllDrags();

    // Judging, the timer and the report (QuotesWindowJudging.cpp).
    void CheckEntries();
    void CountOneSecond(); // down to 0 or up, as the timer question chose
    void SetTimerOption(int index);
    void CheckContinueOrReport(); // "&Check", "&Cont.", "Perf&Rp"
    void CloseReport();           // "&Close" of the report
    void ToggleShowErrors();      // "Show &Errors"
    void AddReportRow();
    void ShowPerformanceGrid();

    // Word entry and its on-screen keyboard (QuotesWindowWordEntry.cpp).
    void ChooseGrouping(int item); // grouping item 0 to 5 of "&Word Entry"
    void SetupWordEntry();
    void ClearGroupingChecks();
    void ShowWordEntryBanner(const QString& grouping);
    void BuildEntryBoxes();
    void FirstEntryBox();
    void NextEntryBox();
    void PreviousEntryBox();
    // Shows the current entry box in cyan, and to a screen reader as focused, or back in white.
    void markEntryBox(bool current);
    void TypeKey(int k);     // key k of the keyboard: "A" to "Z", then , ; . : ' - ( )
    void BackSpaceInWord();  // "&BackSpace"
    void ClearWord();        // "C&lear Word"
    void GoToPreviousWord(); // " <-- &Word"
    void GoToNextWord();     // " Wo&rd -->"
    int currentEntryBox() const { return CurrentEntryBox; }

    // View Errors and the Hall of Fame (QuotesWindowReview.cpp).
    // prepare: fills the View Errors grid at the end of a quote; otherwise shows the panel.
    void ShowViewErrors(bool prepare);
    void DirectionsViewErrorsMessage();
    void CloseViewErrors(); // "&Close" of View Errors
    void OpenViewErrors();  // "&View Errors"
    void CheckHallOfFame();
    void SwitchReportAndHallOfFame();  // "&View Hall of Fame" / "&View Perf. Report"
    void DeleteAllHallOfFameEntries(); // "&Delete All Entries"

    int panelMode() const { return panelMode_; }
    const QuoteState& state() const { return state_; }

    // Controls and menu items, each keeping its designed name as its objectName; positions
    // in twips as designed.
    Panel3D* mainPanelFrame; // everything but the menus and the toolbars
    Panel3D* upperPanelHolder;
    Panel3D* upperPanel;
    Panel3D* lowerPanelHolder;
    Panel3D* lowerPanel;
    std::array<WordBox*, 67> upperBoxes{}; // 66 the directions
    std::array<WordBox*, 67> lowerBoxes{}; // 66 the directions
    QLabel* upperAuthor;                   // the quote's author under the upper panel's boxes
    QLabel* lowerAuthor;
    Panel3D* buttonBar;
    QPushButton* startButton;         // "&Start", "&End", "&Next"
    QPushButton* exitButton;          // "E&xit"
    QPushButton* checkButton;         // "&Check", "&Cont.", "Perf&Rp"
    QPushButton* displayOptionButton; // "&D. Opt."
    QGroupBox* timerFrame;            // "&Timer"
    OptionGroup* timerOptions;        // 0 Off, 1 On
    Panel3D* timerGauge;
    QLabel* clockLabel;                 // the time, over the gauge
    QGroupBox* wordsFrame;              // "&Words"
    OptionGroup* wordsPerBoxOptions;    // 1 to 4 words per box
    QGroupBox* modeFrame;               // "&Mode"
    OptionGroup* placeModeOptions;      // 0 Click, 1 Drag
    Panel3D* movesHeading;              // "# Moves" / "# Entries"
    Panel3D* moveCount;                 // the moves, or the entry boxes of word entry
    Panel3D* accuracyHeading;           // "Accuracy" / "# Errors"
    Panel3D* accuracyGauge;             // the accuracy gauge or the error count
    Panel3D* selectionPanel;            // the text in hand, the result
    Panel3D* modeBanner;                // over the selection panel
    Panel3D* correctResult;             // "Correct = n"
    Panel3D* wrongResult;               // "Wrong = n"
    Panel3D* blankResult;               // "Blank = n"
    Panel3D* displayOptionPanel;        // "Display Option"
    QGroupBox* quotesFrame;             // "&Qutoes"
    QPushButton* displayOptionOkButton; // "&OK"
    QPushButton* increaseButton;        // "&Increase"
    QPushButton* decreaseButton;        // "&Decrease"
    Panel3D* quoteNumberPanel;
    OptionGroup* quoteOrderOptions; // In Order, In Random Order, Select
    Panel3D* reportPanel;           // "Performance Report"
    GridControl* performanceGrid;
    QPushButton* closeReportButton;            // "&Close"
    QPushButton* hallOfFameButton;             // "&View Hall of Fame" / "&View Perf. Report"
    QPushButton* deleteAllButton;              // "&Delete All Entries"
    Panel3D* keyboard;                         // the on-screen keyboard of word entry
    std::array<QPushButton*, 34> keyButtons{}; // "A" to "Z", then , ; . : ' - ( )
    QPushButton* backSpaceButton;              // "&BackSpace"
    QPushButton* clearWordButton;              // "C&lear Word"
    QPushButton* previousWordButton;           // " <-- &Word"
    QPushButton* nextWordButton;               // " Wo&rd -->"
    QPushButton* viewErrorsButton;             // "&View Errors"
    Panel3D* viewErrorsPanel;                  // "VIEW ERRORS"
    GridControl* viewErrorsGrid;
    QPushButton* closeViewErrorsButton; // "&Close"
    QTimer* secondTimer;                // ticks each second while a timed quote runs

    QMenu* gameOptionsMenu; // "&Game Options"
    QAction* onePanelAction;
    QAction* twoPanelsAction;
    QMenu* wordEntryMenu; // "&Word Entry"
    std::array<QAction*, 6> groupingActions{};
    QAction* displayOptionAction;
    QMenu* panelColourMenu; // "Panel C&olor"
    QAction* upperPanelColourAction;
    QAction* lowerPanelColourAction;
    QMenu* modeMenu; // "&Mode"
    QAction* clickModeAction;
    QAction* dragModeAction;
    QMenu* wordsMenu; // "&Words"
    std::array<QAction*, 4> wordsPerBoxActions{};
    QAction* checkAction;
    QAction* continueAction;
    QAction* reportAction;
    QAction* showErrorsAction;
    QAction* timerAction;
    QAction* startAction;
    QAction* nextAction;
    QAction* endAction;
    QAction* soundAction;
    QAction* exitAction;

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
    // Joins the lines of a shown text, as the quotes' texts store them.
    static inline const QString kCR{QChar(13)};

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
    void OpenSoundInformation();
    void setCancelButton(QPushButton* button);
    void setInTabOrder(QWidget* control, bool inTabOrder);
    void StartButtonGotFocus();

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
    void setStartCaption(const QString& caption);

    // Placing (QuotesWindowPlacing.cpp).
    bool quoteIsOver() const;
    void colourByContent(WordBox* box);
    bool clickGuards(WordBox* box, bool upper);
    void leaveContinueState();
    bool timeIsUp() const;
    void takeIntoHand(const QString& boxText);
    // A press on a box in Drag mode (source 1 upper, 2 lower): true when the box is now held,
    // highlighted, for a drag or a key to drop it.
    bool holdForDrag(int source, int k);
    // The boxes take the focus from the keyboard in one and two panels; word entry types into
    // them through its keyboard instead.
    void setBoxesKeyboardPlay(bool played);
    void ClearUpperDragHighlight();
    void ClearLowerDragHighlight();
    void CancelUpperDrag();
    void CancelLowerDrag();
    void HideModeBanner();
    void ShowModeBanner();
    // Heads the column under the moves: "Accuracy" or "# Errors"; the gauge beneath is read by
    // the same words.
    void headAccuracyColumn(const QString& heading);
    void ShowAccuracyFlood(int percent);

    // Judging (QuotesWindowJudging.cpp).
    void ShowResultPanels(bool show);
    void completeQuote();
    void continueAfterCheck();
    // "&Check" offered again for the quote in play, with its menu item and side button.
    void offerCheck();
    void hideReport();

    // Word entry.
    bool continuing() const;
    bool entryBoxOpen() const;
    void ClearEntryHighlight();
    void moveToEntryBox(int step);
    void focusFirstKey();
    // BackSpace and Clear Word: the open entry box's caption through edit.
    void EditEntryWord(QString (*edit)(const QString&));
    void wordEntryEnd();
    bool TypePhysicalKey(const QKeyEvent& key);
    bool StartButtonKeyDown(const QKeyEvent& key);

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
