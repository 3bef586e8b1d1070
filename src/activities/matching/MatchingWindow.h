#pragma once

#include "ActivityWindow.h"
#include "MatchingGame.h"

#include <array>
#include <memory>

class GuardedStretch;
class OptionGroup;
class Panel3D;
class PanelColours;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

// "Matching Game": N items dealt face down on two cards each, 20 cards in level 1 and 36 in
// level 2, found in pairs by one to four players. The items are topic words, family names or
// pictures; missed pairs may be exchanged; one player's games are kept in a report while the
// window is open. The one setting is the panel colour, kept in record 38 of GColor1.Fil.
class MatchingWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr int kColourRecord = 38;
    static constexpr qint64 kFallbackColour = 8421376; // dark cyan
    static constexpr int kHelpContext = 2006;

    explicit MatchingWindow(Services& services);
    ~MatchingWindow() override;

    MatchingGame& game() { return game_; }
    bool levelOne() const { return levelOne_; }

    // The handlers, as the window's controls and menus run them.
    void StartMatchingGame(); // Command2, mOS
    void TurnCard(int index); // cmdCommand(index)
    void SetPlayers(int index);
    void SetExchangeMode(int index);
    void SetCardSource(int index);
    void EnableOptionMenus(bool enabled);
    void ShowPerformanceReport();
    void CloseReport();
    void ShowFamilyNamesEntry();
    void ChooseColour();
    void FocusStartButton();
    // "&A" to "&Z" for cards 0 to 25, "&1" to "&9" and "&0" for cards 26 to 35.
    static QString cardButtonCaption(int index);

    // Controls, with the names the handlers use; positions in twips as designed.
    QLabel* Label1; // hidden; its back colour is the system default colour
    Panel3D* SSPanel1;
    Panel3D* Panel3D1; // the card area
    std::array<Panel3D*, MatchingGame::kCards> Panel3D6{};
    std::array<QPushButton*, MatchingGame::kCards> cmdCommand{};
    std::array<QLabel*, MatchingGame::kCards> Image2{};
    std::array<QLabel*, MatchingGame::kCards> Label2{};
    Panel3D* Panel3D10;                 // the command panel
    Panel3D* Panel3D2;                  // messages
    Panel3D* Panel3D4;                  // players, and whose turn it is
    std::array<Panel3D*, 5> Panel3D3{}; // players 1 to 4, then "Accuracy"
    std::array<Panel3D*, 4> Panel3D9{}; // scores
    Panel3D* Panel3D11;                 // the accuracy gauge
    Panel3D* Panel3D5;
    QGroupBox* SSFrame1;
    std::array<QRadioButton*, 4> Option3D1{};
    QGroupBox* Frame1; // hidden; its back colour is the inner panels' colour
    Panel3D* Panel3D7;
    std::array<QGroupBox*, 3> Frame3D1{}; // 1 "&Exchange", 2 "&Files"
    std::array<QRadioButton*, 3> Option3D2{};
    Panel3D* Panel3D8;
    std::array<QRadioButton*, 3> Option3D3{}; // 0 Family, 1 Computer, 2 Pictures
    Panel3D* Panel3D19;                       // the match picture's panel
    QLabel* MatchPicture;                     // two matched cards, inside Panel3D19
    QPushButton* Command4;                    // "Perf. &Report"
    QPushButton* Command2;                    // "&Start"
    QPushButton* Command1;                    // "E&xit"
    Panel3D* Panel3D18;                       // the performance report
    QTableWidget* Grid1;
    QPushButton* Command5; // "&Close"

    QAction* mOC;
    QAction* mONames;
    QMenu* mOEx;
    QAction* mOExNone;
    QAction* mOExSome;
    QAction* mOExAll;
    QMenu* mON;
    QAction* mONCom;
    QAction* mONFam;
    QAction* mONPic;
    QMenu* mOP;
    std::array<QAction*, 4> mOP1{};
    QAction* mOPR;
    QAction* mOS;
    QAction* mOSO;
    QAction* mOExit;

protected:
    void ExitCommand() override;
    QWidget* mainPanel() const override;
    void Form_Activate() override;
    bool ExitQuestions() override;
    void Form_Unload() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (MatchingWindowControls.cpp, MatchingWindowMenus.cpp).
    void buildControls();
    void buildCards();
    void buildCommandPanel();
    void buildReportPanel();
    void buildMenus();
    void buildSideToolbar();
    void attachPopupToControls();
    void CardPass();

    // The layout (MatchingWindowLayout.cpp).
    void LayoutLevel1Cards();
    void LayoutLevel1Panels();
    void PlaceCommandPanel();
    void arrangePlayerPanels();
    void ActivationLayout();
    void centreCardFaces();
    void fitOptionsToFrames();

    void Form_Load();
    void ResetMatchingState();
    void ResetBoard();
    void RevealCard(int index);
    void coverCard(int index);
    void showCardPicture(int index);
    void setCardCaption(int index, const QString& caption);
    void judgeMatch();
    void judgeMiss();
    void endGame();
    void nextTurnPanels();
    void UpdateAccuracy();
    void ColourMessage();
    void showMessage(const QString& text, int colour);
    void setGameCommandsEnabled(bool enabled);
    void enableFamilySource();
    // The card that Alt with key turns while the game lets it be turned, else -1.
    int cardForAccessKey(int key) const;

    MatchingGame game_;
    bool levelOne_;
    std::unique_ptr<PanelColours> colours_;
    GuardedStretch* stretch_;
    OptionGroup* playerOptions_;
    OptionGroup* exchangeOptions_;
    OptionGroup* sourceOptions_;
    std::array<QString, MatchingGame::kCards> CardCaption;
    int MessageColour = 0;
    bool playing_ = false;
    // Card 0's place as the load sets it; every level 1 activation lays the grid out from it.
    double card0Left_ = 0;
    double card0Top_ = 0;
};
