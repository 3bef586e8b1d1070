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
    Panel3D* SSPanel1;
    QLabel* Image1Picture; // the window's small picture: a light bulb, or a smile when humorous
    Panel3D* Panel3D1;     // holds the display panel
    Panel3D* Panel3D2;     // the display (upper) panel
    QLabel* Label1;        // the thought, sized to its text, centred in Panel3D2
    Panel3D* Panel3D5;     // holds the punch-line panel; humorous only
    Panel3D* Panel3D4;     // the punch line
    QPushButton* Command1 = nullptr; // "&Start", then "&Next"
    QPushButton* Command4;           // "S&earch", or "&The Rest of the Story"
    QPushButton* Command2;           // "&Print"
    QPushButton* Command3;           // "E&xit"
    Panel3D* SearchPanel;            // the search prompt
    QLineEdit* Text1;
    QPushButton* Command5; // "&Begin", "&Next" or "&New"
    QPushButton* Command6; // "&Close"
    PrintPreviewPanel* SSPanel80 = nullptr;

    QAction* mODD;
    QAction* mOC;
    QAction* mOUp;
    QAction* mOL;
    QAction* mOSr;
    QAction* mO5;
    QAction* mOCopy;
    QAction* mOP;
    QAction* mORest;
    QAction* mOS;
    QAction* mON;
    QAction* mOE;
    QMenu* mEdit;
    QAction* mOCop;

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

    // Copying and printing are offered once a thought shows (mOCop, mOP, "&Print" and side
    // buttons 4 and 5).
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
