#pragma once

#include "ActivityWindow.h"
#include "BirthyearFile.h"

#include <array>
#include <memory>

class GridBackgroundSelector;
class GridControl;
class InputTextBox;
class Panel3D;
class PanelColours;
class QComboBox;
class QLabel;
class QPushButton;

// "Birthyear Information": two texts for every year from 1900 to 2025, "On The More Serious Side"
// and "On The Lighter Side", shown for the year picked in the year box, edited in the input panel
// and saved to Bhday1.FIL; beside them a five-year cost chart of five everyday items.
class BirthyearWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Birthyear Information";
    static constexpr int kHelpContext = 2001;
    static constexpr int kOwnButton = 9;
    // The last entry of the year list, counted from 0 for 1900.
    static constexpr int kYearListLimit = 125;

    explicit BirthyearWindow(Services& services);
    ~BirthyearWindow() override;

    // The year texts and the input panel (BirthyearWindowInput.cpp).
    void ShowBirthYear();
    // True unless the user wanted the input saved and the save failed.
    bool AskSaveInput();
    void OpenInputPanel();
    void EditSeriousSide();
    void EditLighterSide();
    void TrackInputText();
    // Every key and every other way text enters the input box; false keeps it out.
    bool NoteInputKey();
    // Writes both texts on display to the shown year's record; false when nothing was written.
    bool SaveBirthYear();
    void PromptCloseInput();
    // Asks whether to save unsaved input (Yes, No, Cancel); false when the person chose to stay
    // with it (Cancel, or a save that failed).
    bool AskSaveInputBeforeLeaving();
    void CloseInputPanel();

    // The cost chart (BirthyearWindowCostChart.cpp).
    void SetupCostGrid();
    void LoadCostChart();
    void ToggleCostChart();
    QString ShowRowScrollTip(int row) const;

    // Colours and the grid background (BirthyearWindowColours.cpp).
    void LoadBdayColours();
    void ChooseColour();
    void ChooseTextColour();
    void ToggleBackgroundSelector();
    void PromptSaveColours();

    void CopyYearToClipboard();
    void ExitBirthyear();

    bool coloursChanged() const;

    int ShownYear = 0;
    BirthyearFile::YearTexts YearTexts;
    int InputChanged = 0;
    // The side being edited: 0 none, 1 serious, 2 lighter. Its own field, so that a question's
    // answer never takes the place of the side.
    int EditSide = 0;

    // Controls, with the names the handlers use; positions in twips as designed.
    Panel3D* birthyearPanel;
    Panel3D* titlePanel; // "What was Happening the Year You Where Born?"
    QLabel* yearBoxLabel;
    Panel3D* yearBoxFrame;
    QComboBox* yearBox;
    QPushButton* inputButton;     // "&Input/Edit Information"
    QPushButton* costChartButton; // "&Five Year Cost Chart" / "&Close Cost Chart"
    QPushButton* exitButton;
    Panel3D* workArea;
    Panel3D* seriousPanel; // "On The More Serious Side"
    QLabel* seriousText;
    Panel3D* lighterPanel; // "On The Lighter Side"
    QLabel* lighterText;
    Panel3D* costChartPanel;
    GridControl* costGrid;
    Panel3D* inputPanel;
    InputTextBox* inputText;
    QPushButton* seriousSideButton;
    QPushButton* lighterSideButton;
    QPushButton* saveButton;
    QPushButton* closeInputButton;
    // "Input/Edit Year:", "Input/Edit Side:", "Length (Max. = 500):"
    std::array<QLabel*, 3> inputCaptions{};
    QLabel* lengthLabel;    // the length of the text
    QLabel* inputYearLabel; // the year being edited
    QLabel* inputSideLabel; // the side being edited
    GridBackgroundSelector* backgroundSelector;

    QAction* backgroundSelectorAction;
    QAction* panelColourAction;
    QAction* textColourAction;
    QAction* inputAction;
    QAction* seriousSideAction;
    QAction* lighterSideAction;
    QAction* saveAction;
    QAction* closeInputAction;
    QAction* costChartAction;
    QAction* closeCostChartAction;
    QAction* exitAction;
    QMenu* editMenu;
    QAction* copyAction;

protected:
    void ExitCommand() override { ExitBirthyear(); }
    bool ExitQuestions() override;
    void Form_Unload() override;
    void SaveWithoutAsking() override;
    QWidget* mainPanel() const override;
    void Form_Activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (BirthyearWindowControls.cpp).
    void buildControls();
    void buildInputPanel();
    void buildCostChart();
    void buildMenus();
    void buildSideToolbar();
    void buildColours();
    void saveGridBackground();
    void connectCommands();

    void Form_Load();
    void EscapeKey();
    // Shows or hides both sides' text panels, which the cost chart stands over.
    void setSidesShown(bool shown);
    void SideButton(int n);
    void setCopyOffered(bool offered);
    bool textsOnDisplay() const;
    void setYearBoxAndChartInTabOrder(bool inOrder);
    // The year box's list choice and its Enter key.
    void YearChosen();
    void YearEntered();

    std::unique_ptr<PanelColours> colours_;
    int panelColour_ = -1; // the indices in colours_
    int textColour_ = -1;
};
