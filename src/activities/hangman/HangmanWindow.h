#pragma once

#include "ActivityWindow.h"
#include "HangmanGame.h"

#include <array>
#include <memory>

class Command3D;
class GuardedStretch;
class LineControl;
class OptionGroup;
class Panel3D;
class PanelColours;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class ShapeControl;

// "Hangman": a hidden word from five built-in lists guessed letter by letter with the letter
// buttons or the keyboard, against a gallows figure of nine stages. The word level and the order
// of the stages are chosen between words; words won and lost are counted while the window is
// open. Its one setting is the panel colour, kept in record 12 of GColor2.Fil.
class HangmanWindow : public ActivityWindow, private HangmanView {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Hangman";
    static constexpr int kColourRecord = 12;
    static constexpr qint64 kUnusableRecordColour = 12632256; // light grey

    explicit HangmanWindow(Services& services);
    ~HangmanWindow() override;

    HangmanGame& game() { return game_; }

    // The handlers, as the window's controls and menus run them.
    void StartNextWord();            // "&Start", then "&Next"; also startAction and nextAction
    void GuessLetter(int index);     // the letter button of index 0 to 25 ("A" to "Z")
    void ChooseWordLevel(int index); // the selection of a word level button
    void ChooseWordLevelMenu(int index);
    void ClearWordLevelTicks();
    void ChooseDisplayOrder(int index); // the selection of a display order button
    void ChooseColour();

    // Controls, with the names the handlers use; positions in twips as designed.
    QLabel* systemColourLabel; // hidden; its back colour is the system default colour
    Panel3D* mainPanelGround;
    Panel3D* boardPanel;
    Panel3D* wordLevelPanel;
    QGroupBox* wordLevelFrame; // " &Word Level"
    std::array<QRadioButton*, 6> wordLevelOptions{};
    Panel3D* displayPanel;
    QGroupBox* displayFrame; // " &Hangman Display"
    std::array<QRadioButton*, 2> displayOrderOptions{};
    Panel3D* wordsCorrectBox; // "Words Correct"
    Panel3D* wordsCorrectCount;
    Panel3D* wordsWrongBox; // "Words Wrong"
    Panel3D* wordsWrongCount;
    Panel3D* messagePanel;
    Panel3D* keyboardPanel;
    Panel3D* checkedLetterPanel;
    std::array<Command3D*, HangmanBoard::kLetters> letterButtons{};
    std::array<Panel3D*, HangmanBoard::kSlots> letterSlots{};
    Panel3D* levelDescriptionPanel;
    QPushButton* startButton; // "&Start", then "&Next"
    QPushButton* exitButton;  // "E&xit"
    Panel3D* gallowsArea;
    ShapeControl* gallowsPost;
    ShapeControl* gallowsBeam;
    ShapeControl* gallowsHook;
    Panel3D* figurePanel;
    std::array<ShapeControl*, 21> figurePieces{}; // by number, Shape5 to Shape20
    Panel3D* ropeStrip;
    LineControl* rope;
    Panel3D* winBanner; // the banner of a won word
    Panel3D* grave;
    Panel3D* gallowsPlatform; // index 1 of its array

    QAction* panelColourAction;
    QMenu* wordLevelMenu;
    std::array<QAction*, 6> wordLevelActions{};
    QMenu* displayMenu;
    QAction* inOrderAction;
    QAction* randomOrderAction;
    QAction* startAction;
    QAction* nextAction;
    QAction* soundAction;
    QAction* exitAction;

protected:
    void ExitCommand() override;
    QWidget* mainPanel() const override;
    bool ExitQuestions() override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr double kRopeLeft = 82; // twips: the rope runs down the middle of its strip

    // Building the window (HangmanWindowControls.cpp, HangmanWindowMenus.cpp).
    void buildControls();
    void buildOptionFrames();
    void buildCounters();
    void buildKeyboard();
    void buildGallows();
    void buildFigure();
    void buildGrave();
    void buildMenus();
    void buildSideToolbar();
    void attachPopupToControls();

    void Form_Load();

    // Shows the game's board on the controls.
    void showBoard();
    // Runs a game step as a guarded stretch, then shows the board.
    void runGuarded(const std::function<void()>& step);

    // HangmanView
    void yield() override;
    void paintNow() override;
    void focusFigure() override;
    void focusStart() override;
    void showCaption() override;

    HangmanGame game_;
    std::unique_ptr<PanelColours> colours_;
    GuardedStretch* stretch_;
    OptionGroup* levelOptions_;
    OptionGroup* orderOptions_;
};
