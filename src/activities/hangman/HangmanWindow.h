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
    void Command2_Click(); // "&Start", then "&Next"; also mOS and mON
    void SSCommand1_Click(int index);
    void ChooseWordLevel(int index); // the selection of an Option3D1 button
    void ChooseWordLevelMenu(int index);
    void Ck1();
    void ChooseDisplayOrder(int index); // the selection of an SSOption1 button
    void ChooseColour();

    // Controls, with the names the handlers use; positions in twips as designed.
    QLabel* Label1; // hidden; its back colour is the system default colour
    Panel3D* SSPanel19;
    Panel3D* Panel3D1;
    Panel3D* Panel3D13;
    QGroupBox* Frame3D1; // " &Word Level"
    std::array<QRadioButton*, 6> Option3D1{};
    Panel3D* SSPanel11;
    QGroupBox* Frame1; // " &Hangman Display"
    std::array<QRadioButton*, 2> SSOption1{};
    Panel3D* SSPanel9;  // "Words Correct"
    Panel3D* SSPanel12; // the count of words won
    Panel3D* SSPanel13; // "Words Wrong"
    Panel3D* SSPanel14; // the count of words lost
    Panel3D* SSPanel8;  // the message panel
    Panel3D* Panel3D6;  // the letter keyboard
    Panel3D* SSPanel16; // the letter being checked
    std::array<Command3D*, HangmanBoard::kLetters> SSCommand1{};
    std::array<Panel3D*, HangmanBoard::kSlots> SSPanel3{};
    Panel3D* SSPanel15; // the word level description
    QPushButton* Command2;
    QPushButton* Command1;                 // "E&xit"
    Panel3D* SSPanel7;                     // the gallows area
    ShapeControl* Shape1;                  // the upright
    ShapeControl* Shape2;                  // the beam
    ShapeControl* Shape3;                  // the hook
    Panel3D* SSPanel1;                     // the figure
    std::array<ShapeControl*, 21> Shape{}; // the figure's pieces, Shape5 to Shape20
    Panel3D* SSPanel18;                    // the rope strip
    LineControl* Line1;                    // the rope
    Panel3D* SSPanel10;                    // the banner of a won word
    Panel3D* SSPanel4;                     // the grave
    Panel3D* SSPanel2;                     // the platform (index 1 of its array)

    QAction* mOC;
    QMenu* mOW;
    std::array<QAction*, 6> mOW1{};
    QMenu* mOH;
    QAction* mOHO;
    QAction* mOHR;
    QAction* mOS;
    QAction* mON;
    QAction* mOSND;
    QAction* mOE;

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
