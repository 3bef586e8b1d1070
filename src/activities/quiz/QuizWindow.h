#pragma once

#include "ActivityWindow.h"
#include "QuestionBank.h"
#include "QuizRules.h"

#include <array>
#include <memory>

class OptionGroup;
class Panel3D;
class PanelColours;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "Tic-Tac-Toe": two players take turns choosing a board cell and answering a question of its
// topic; a right answer puts the player's mark on the cell, three in a line win, nine marks
// without a line are a cat game. Questions come from four question files, read when the window
// is made; the level, the topic rule and the answering mode are chosen between questions. Its
// one setting is the panel colour, kept in record 19 of GColor2.Fil.
class QuizWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Tic-Tac-Toe";
    static constexpr int kColourRecord = 19;
    static constexpr qint64 kUnusableRecordColour = 8421376; // dark cyan
    static constexpr const char* kNoQuestionShown = "Questions Will Be Displayed in This Panel";

    // The window with its question files read; none, after the "Loading Error" message, when a
    // file is missing or malformed.
    static std::unique_ptr<QuizWindow> open(Services& services);

    QuizWindow(Services& services, QuestionBanks banks);
    ~QuizWindow() override;

    // The handlers, as the window's controls and menus run them.
    void StartQuizGame();
    void ChooseCell(int index);
    void ClickChoice(int position);
    void KeyToChoice(int code);
    void RevealAnswer();
    void SelfJudge(int answer); // 0 = Yes, 1 = No
    void ChooseColour();

    // Controls, with the names the handlers use; positions in twips as designed.
    QGroupBox* systemColourFrame; // hidden; keeps the system default colour
    Panel3D* mainPanelGround;
    Panel3D* boardPanel;
    std::array<Panel3D*, 9> boardCells{};
    Panel3D* turnPanel;                   // whose turn, or the result
    Panel3D* talliesPanel;                // "Wins"
    std::array<QLabel*, 3> tallyCounts{}; // X, O and Cat
    QPushButton* startButton;             // "&Start"
    QPushButton* exitButton;              // "E&xit"; takes the keys A to D, as the question does
    Panel3D* questionPanel;
    QLabel* longQuestionLabel; // over the question panel, for a question too long for it
    std::array<Panel3D*, 4> answerPanels{};
    Panel3D* verdictPanel;
    Panel3D* revealPanel; // the correct answer, shown on a click in the "None" mode
    std::array<QPushButton*, 2> yesNoButtons{}; // "&Yes", "&No"
    QGroupBox* difficultyFrame;                 // "&Question Difficulty"
    std::array<QRadioButton*, 2> difficultyButtons{};
    QGroupBox* levelFrame; // "Question &Level"
    std::array<QRadioButton*, 5> levelButtons{};
    QGroupBox* topicsFrame; // "Question &Topics"
    std::array<QRadioButton*, 2> topicButtons{};

    QAction* panelColourAction;
    QMenu* difficultyMenu;
    std::array<QAction*, 2> difficultyActions{};
    QMenu* levelMenu;
    std::array<QAction*, 5> levelActions{};
    QMenu* topicsMenu;
    std::array<QAction*, 2> topicActions{};
    QAction* startAction;
    QAction* yesAction;
    QAction* noAction;
    QAction* soundAction;
    QAction* exitAction;

protected:
    void ExitCommand() override;
    QWidget* mainPanel() const override;
    void Form_Activate() override;
    bool ExitQuestions() override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (QuizWindowControls.cpp).
    void buildControls();
    void buildBoard();
    void buildOptionFrames();
    void buildMenus();
    void buildSideToolbar();
    void attachPopupToControls();

    void Form_Load();
    void ResetQuizState();

    // The game (QuizWindowBoard.cpp).
    void AssignBoardTopics();
    void MarkCell();
    void PassTurn();
    void CheckForWinner();
    void ColourTurnPrompt();
    void addToTally(int index);
    bool xToPlay() const;
    std::array<QString, 9> cellCaptions() const;
    // A cell shows a topic or a mark; assistive technology hears where it stands and its mark.
    void showOnCell(int index, const QString& caption);
    // The arrow keys move the focus from cell to cell; false for other keys.
    bool moveAcrossBoard(int index, int key);
    // Draws and prepares the question for the chosen cell; false when none can be asked.
    bool drawQuestion();
    void showQuestion();
    // While a question shows, Tab reaches it after Exit and then its choices, which Enter or
    // Space chooses; the keys A to D choose from any of them.
    void setQuestionReachable(bool reachable);
    void setOptionsEnabled(bool enabled);
    void EnableDifficultyFrame();

    // Answering (QuizWindowAnswering.cpp).
    void JudgeChoice(int position);
    void finishVerdict();
    void focusNextMove();
    void ShowClickPrompt();
    void ShowYesNoPrompt();
    void showDirections(const QString& text);
    void clearAnswerPanel(Panel3D* panel);

    // Options (QuizWindowOptions.cpp).
    void ChooseQuestionLevel(int index);
    void ChooseTopicRule(int index);
    void ChooseDifficulty(int index);
    bool topicsBetweenPlayers() const;

    QuestionBanks banks_;
    std::unique_ptr<PanelColours> colours_;
    OptionGroup* levelOptions_;
    OptionGroup* topicOptions_;
    OptionGroup* difficultyOptions_;

    int CurrentCell = 0;
    int MarkCount = 0;
    std::array<int, 9> CellState{};
    int QuestionLevel = 1;
    int ComputerSelectsLevel = 0;
    AnswerMode DifficultyMode = AnswerMode::MultipleChoice;
    int QuestionOpen = 0;
    int QuestionAnswered = 0;
    int AnswerClicks = 0;
    bool judgedByPlayers_ = false; // the question was judged with Yes or No
    PreparedQuestion question_;
};
