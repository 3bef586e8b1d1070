#pragma once

#include "ActivityWindow.h"
#include "DisplayFontFit.h"
#include "ThoughtTables.h"

#include <memory>

class FocusMoves;
class Panel3D;
class PanelColours;
class PrintPreviewPanel;
class QLabel;
class QLineEdit;
class QPushButton;
class WindowKeys;

// "General Thoughts" and "Humorous Thoughts": a thought at a time at random from the window's
// thought file, none twice in a cycle; a humorous thought's punch line on request. The general
// window also searches the thoughts, restyles its display and copies the thought shown.
class ThoughtsWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr const char* kGeneralCaption = "General Thoughts";
    static constexpr const char* kHumorousCaption = "Humorous Thoughts";
    static constexpr int kHelpContext = 2007;
    // The window's own font, which the display starts from.
    static constexpr const char* kOwnFontName = "MS Sans Serif";

    explicit ThoughtsWindow(Services& services);
    ~ThoughtsWindow() override;

    bool humorous() const { return humorous_; }

    // Selection and display (ThoughtsWindowSelection.cpp).
    void ShowRandomThought();
    void AllThoughtsShownMessage();
    void ShowThought();
    void CenterThought();
    void ShowRestOfStory();
    void ResetThoughtsState();

    // Display font, colours and copy (ThoughtsWindowDisplay.cpp).
    void ChooseDisplayFont();
    void ChooseDisplayColor(int target); // 0 the display (upper) panel, 1 the punch-line panel
    void LoadThoughtDisplaySettings();
    void SaveThoughtDisplaySettings();
    void AskSaveDisplaySettings();
    void CopyThoughtToClipboard();
    void ColorConflictMessage();

    // Print preview (ThoughtsWindowPrint.cpp).
    void OpenThoughtPrintPreview();

    // Search (ThoughtsWindowSearch.cpp).
    void ToggleSearchPanel();
    void SearchNextOrNew();
    void SearchThoughts();
    void CloseSearchPanel();

    ThoughtTables thoughts;
    int DisplaySettingsChanged = 0;
    double DisplayFitSize = 0;
    int ClosedByExit = 0;
    int DisplayAreaDefault = 0;
    // Search state.
    int SearchPanelOpen = 0;
    int SearchStart = 0;
    QString LastSearchText;
    QString NoMatchMessage;

    // Controls, with the names the handlers use; positions in twips as designed.
    Panel3D* thoughtsPanel;
    QLabel* kindPicture;     // the window's small picture: a light bulb, or a smile when humorous
    Panel3D* displayFrame;   // holds the display area
    Panel3D* displayArea;    // the display (upper) panel
    QLabel* thoughtLabel;    // the thought, sized to its text, centred in displayArea
    Panel3D* punchLineFrame; // holds the punch-line panel; humorous only
    Panel3D* punchLinePanel;
    QPushButton* startButton = nullptr; // "&Start", then "&Next"
    QPushButton* searchButton;          // "S&earch", or "&The Rest of the Story"
    QPushButton* printButton;
    QPushButton* exitButton;
    Panel3D* SearchPanel; // the search prompt
    QLineEdit* searchText;
    QPushButton* searchNextButton;  // "&Begin", "&Next" or "&New"
    QPushButton* closeSearchButton; // "&Close"
    PrintPreviewPanel* printPreview = nullptr;

    QAction* displayFontAction;
    QAction* displayColourAction;    // "Display &Area Color", the general window's
    QAction* upperPanelColourAction; // the humorous window's two panels
    QAction* lowerPanelColourAction;
    QAction* searchAction;
    QAction* copySeparator;     // hidden in the humorous window
    QAction* optionsCopyAction; // shown while the right-click menu is open
    QAction* printAction;
    QAction* restOfStoryAction;
    QAction* startAction;
    QAction* nextAction;
    QAction* exitAction;
    QMenu* editMenu;
    QAction* copyAction; // the Edit menu's

protected:
    void ExitCommand() override;
    bool ExitQuestions() override;
    void Form_Unload() override;
    QWidget* mainPanel() const override;
    void Form_Activate() override;
    void resizeEvent(QResizeEvent* event) override;
    int currentHelpContext() const override;

private:
    // Building the window (ThoughtsWindowControls.cpp).
    void buildControls();
    void buildSearchPanel();
    void buildMenus();
    void buildSideToolbar();
    void buildPrintPreview();
    void buildDisplayColours();
    QString saveQuestion() const;
    void connectCommands();

    void Form_Load();
    bool LoadGeneralThoughts();
    void LoadHumorousThoughts();
    void ShowHumorousForm();
    void FitDisplayFont();
    void applyDisplayFont(const Dialogs::FontChoice& chosen);
    void LayOutButtons();
    // Whether a side toolbar button may act; while the print preview shows they only beep.
    void SideButton(int n);
    void beforeOptionsPopup();
    void afterOptionsPopup();

    // Copying and printing are offered once a thought shows (copyAction, printAction, "&Print" and
    // side buttons 4 and 5).
    void setCopyAndPrintOffered(bool offered);
    DisplayFontFit::Measured measureLabel(double size);
    DisplayFontFit::Panel displayPanel() const;
    void setSearchMessage(const QString& message);

    bool humorous_;
    std::unique_ptr<PanelColours> panelColours_;
    int displayColour_ = -1; // the panel indices in panelColours_
    int punchLineColour_ = -1;
    bool loadFailed_ = false;
};
