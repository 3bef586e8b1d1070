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
    void StartMatchingGame(); // startButton, startAction
    void TurnCard(int index); // a card button, or Alt with its key
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
    QLabel* systemColourSample; // hidden; its back colour is the system default colour
    Panel3D* gamePanel;
    Panel3D* cardArea;
    std::array<Panel3D*, MatchingGame::kCards> cardFaces{};
    std::array<QPushButton*, MatchingGame::kCards> cardButtons{}; // the card's back
    std::array<QLabel*, MatchingGame::kCards> cardPictures{};
    std::array<QLabel*, MatchingGame::kCards> cardLabels{}; // beneath the cards
    Panel3D* commandPanel;
    Panel3D* messagePanel;
    Panel3D* playersPanel;                 // players, and whose turn it is
    std::array<Panel3D*, 5> playerBoxes{}; // players 1 to 4, then "Accuracy"
    std::array<Panel3D*, 4> scores{};
    Panel3D* accuracyGauge;
    Panel3D* playerCountPanel;
    QGroupBox* playerCountFrame;
    std::array<QRadioButton*, 4> playerCountOptions{};
    QGroupBox* innerColourSample; // hidden; its back colour is the inner panels' colour
    Panel3D* exchangePanel;
    std::array<QGroupBox*, 3> optionFrames{};           // 1 "&Exchange", 2 "&Files"
    std::array<QRadioButton*, 3> exchangeModeOptions{}; // None, Sometimes, Always
    Panel3D* filesPanel;
    std::array<QRadioButton*, 3> cardSourceOptions{}; // 0 Family, 1 Computer, 2 Pictures
    Panel3D* matchPicturePanel;
    QLabel* MatchPicture;      // two matched cards, inside matchPicturePanel
    QPushButton* reportButton; // "Perf. &Report"
    QPushButton* startButton;
    QPushButton* exitButton;
    Panel3D* reportPanel; // the performance report
    QTableWidget* performanceGrid;
    QPushButton* closeReportButton; // "&Close"

    QAction* panelColourAction;
    QAction* familyNamesAction;
    QMenu* exchangeMenu;
    QAction* exchangeNoneAction;
    QAction* exchangeSometimesAction;
    QAction* exchangeAlwaysAction;
    QMenu* filesMenu;
    QAction* computerFilesAction;
    QAction* familyFilesAction;
    QAction* pictureFilesAction;
    QMenu* playersMenu;
    std::array<QAction*, 4> playerCountActions{};
    QAction* reportAction;
    QAction* startAction;
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
    // The first player's box counts the tries of a lone player: its heading and its count's name
    // say so.
    void headFirstPlayerBox();
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
