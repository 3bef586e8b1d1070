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
    void SaveBdayColours();
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

    Panel3D* Panel3D1;
    Panel3D* Panel3D2;
    QLabel* Label1;
    Panel3D* Panel3D3;
    QComboBox* Combo1;
    QPushButton* Command6; // "&Input/Edit Information"
    QPushButton* Command1; // "&Five Year Cost Chart" / "&Close Cost Chart"
    QPushButton* Command7; // "E&xit"
    Panel3D* Panel3D4;     // the work area
    Panel3D* Panel3D5;     // the serious side
    QLabel* Label5;
    Panel3D* Panel3D6; // the lighter side
    QLabel* Label6;
    Panel3D* Panel3D7; // the cost chart
    GridControl* Grid1;
    Panel3D* Panel3D8; // the input panel
    InputTextBox* Text1;
    QPushButton* Command2; // "&Serious Side"
    QPushButton* Command3; // "&Lighter Side"
    QPushButton* Command4; // "Save"
    QPushButton* Command5; // "&Close"
    std::array<QLabel*, 3> Label7{};
    QLabel* Label2; // the length of the text
    QLabel* Label3; // the year being edited
    QLabel* Label4; // the side being edited
    GridBackgroundSelector* SSPanel4;

    QAction* mOBC;
    QAction* mOCol;
    QAction* mOTC;
    QAction* mOI;
    QAction* mOSide;
    QAction* mOL;
    QAction* mOSave;
    QAction* mOCl;
    QAction* mOF;
    QAction* mOC;
    QAction* mOE;
    QMenu* mU;
    QAction* mUCopy;

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
