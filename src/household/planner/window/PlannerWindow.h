#pragma once

#include "ActivityWindow.h"
#include "CalendarOptions.h"
#include "MonthListing.h"
#include "YearFile.h"

#include <QDate>

#include <array>
#include <memory>
#include <vector>

class FocusMoves;
class GridBackgroundSelector;
class GridControl;
class PanelColours;
class PrintPreviewPanel;
class QCheckBox;
class MonthView;
class OptionGroup;
class Panel3D;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class SpellChecker;

// "Daily Planner": fourteen time and activity rows for the day chosen in the date picker, kept in
// the year files. The page always shows the loaded day (LoadedYear, LoadedRecord), and every save
// writes there, whatever the picker shows meanwhile. A day the page cannot read or write is
// reported, and nothing that asked for it goes on: no other day replaces unsaved rows whose save
// failed.
class PlannerWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Daily Planner";
    static constexpr int kRows = YearFile::kRows;

    explicit PlannerWindow(Services& services);
    ~PlannerWindow() override;

    // The day page (PlannerWindowDayPage.cpp).
    bool LoadDayEntries(); // false when the year file could not be read: the page is locked
    bool SaveLoadedDay();  // false when the file could not be written: the rows stay
    YearFile::DayRecord CollectDayEntries() const;
    void ClearDayRows();
    // The question before another day or action replaces the page; false when the user's Yes
    // could not be saved, and the action must not go on.
    bool PromptSaveBeforeNext();
    // The question at exit; the answer stays in SignalValue. False when the window must stay.
    bool PromptSaveOnExit();
    void ShowSelectedDate();
    void DisableEntryCommands();
    void EnableEntryCommands();
    void SaveDayPage();
    void ClearDayPage();
    // A change of the picker's selection; a click on a day also takes the focus to the page.
    void SelectDay(const QDate& date, bool byClick);
    void PickTime(int index);

    // The calendar options (PlannerWindowOptions.cpp).
    void OpenCalendarOptions();
    void CloseCalendarOptions();
    void ChooseMonthsShown(int index);
    void ChooseWeekNumbers(int index);
    void ChooseFirstWeekday(int index);
    void ChooseTodayMark(int index);
    void ApplyCalendarOptions();

    // The spelling check of the activity boxes (PlannerWindowSpelling.cpp).
    void LoadAutoCorrectTable();
    void SpellCheckEntries();
    // The checker's events, on the row being checked.
    void SelectMisspeltWord();
    void TakeCorrectedText();
    void NoteAutoCorrectAction(int action);
    void FinishRowCheck(int cancelled);

    // The backup hand-off (PlannerWindowBackup.cpp).
    void UtilitiesOpened();
    void BackupYearFile();
    void RestoreYearFile();

    // The month view over the day page (PlannerWindowMonth.cpp).
    void ViewEntireMonth();
    void CloseMonthView();
    QString ShowMonthRowTip(int row) const;

    // Copying the page or the month as text (PlannerWindowCopy.cpp).
    void CopyPlannerText();
    void CopyDayToClipboard();
    void CopyMonthToClipboard();

    // The print preview of the page or the month (PlannerWindowPrint.cpp).
    void OpenDayPrintPreview();
    void OpenMonthPrintPreview();
    void OpenPlannerPrintPreview();
    void SetDayPrintColumns(int index);
    void SetPrintGridLines();

    // The panel and text colours and the month grid's background (PlannerWindowColours.cpp).
    void LoadPlannerColours();
    void ChooseColour();
    void ChooseTextColour();
    void ToggleGridBackgroundSelector();
    // At exit when a colour or the grid background changed; Yes saves them.
    void PromptSaveColours();
    bool coloursChanged() const;

    // Controls, positions in twips as designed; each keeps its designed name as its objectName.
    Panel3D* mainPanelFrame;
    QLabel* mainPanelGround;
    Panel3D* pickerPanel;
    MonthView* datePicker;
    Panel3D* datePanel;                      // the long date of the loaded day
    Panel3D* clockPanel;                     // the time now
    QTimer* clockTimer;                      // ticks the clock every second
    std::array<QLabel*, 2> columnHeadings{}; // "Time", "Appointment/Activity"
    std::array<QLineEdit*, kRows> timeBoxes{};
    std::array<QLineEdit*, kRows> activityBoxes{};
    QLineEdit* restingColourBox; // hidden; its colour is the boxes' resting colour
    QComboBox* timeList;         // laid behind the focused time box; its button picks a time
    QPushButton* saveButton;
    QPushButton* exitButton;
    QPushButton* clearEntriesButton;
    QPushButton* viewMonthButton;
    QPushButton* printButton; // the day page's preview
    QPushButton* spellCheckButton;
    Panel3D* calendarOptionsPanel;
    // "Number of Months to Display", "Display the Week Numbers", "Start Week With", "Display
    // Today's Date"
    std::array<QGroupBox*, 4> calendarOptionFrames{};
    OptionGroup* monthsShownOptions;
    OptionGroup* weekNumberOptions;
    OptionGroup* firstWeekdayOptions;
    OptionGroup* todayMarkOptions; // index 1 "Yes", 0 "No"
    QPushButton* closeOptionsButton;

    SpellChecker* spellChecker;

    Panel3D* monthViewPanel; // its caption names the month
    GridControl* monthGrid;
    QPushButton* closeMonthButton;
    QPushButton* printMonthButton;

    PrintPreviewPanel* printPreview = nullptr;
    OptionGroup* printColumnOptions; // "One Column Output", "Two Column Output"
    QCheckBox* printGridLinesBox;    // the month's "Print Grid Lines"

    GridBackgroundSelector* gridBackgroundSelector; // the month grid's background

    // The Options menu's items, the Edit and Utilities menus and theirs.
    QAction* gridBackgroundAction;
    QAction* panelColourAction;
    QAction* textColourAction;
    QAction* viewMonthAction;
    QAction* clearEntriesAction;
    QAction* popupCopyAction; // shown only in the right-click menu
    QAction* printAction;
    QAction* saveAction;
    QAction* spellCheckAction;
    QAction* calendarOptionsAction;
    QAction* exitAction;
    QMenu* editMenu;
    QAction* copyAction;
    QMenu* utilitiesMenu;
    QAction* backupAction;
    QAction* restoreAction;

    // The window's fields; the day page's are reset when the window is made.
    YearFile::DayRecord WorkingDay;
    int SelectedYear = 0;
    int SelectedRecord = 0;
    int LoadedYear = 0;
    int LoadedRecord = 0;
    QDate LoadedDate; // invalid while no day is loaded
    int EntriesChanged = 0;
    int CurrentRow = 0;
    CalendarOptions Options;
    int ChangeCount = 0;   // texts the spelling check changed in its current run
    int AutoCorrectOn = 0; // 1 = the auto-correct action was used since the last spread
    // The month the month view lists, taken from the loaded day at each fill: its caption, print
    // and copy name it whatever the picker shows meanwhile.
    int ListedMonth = 0;
    int ListedYear = 0;
    // What the preview shows: 0 the month, 2 the day in one column, 22 in two.
    int PrintLayout = 0;
    int GridLinesOff = 0; // 1 = the month prints without grid lines

protected:
    void ExitCommand() override;
    bool ExitQuestions() override { return PromptSaveOnExit(); }
    void Form_Unload() override;
    void SaveWithoutAsking() override;
    QWidget* mainPanel() const override;
    void Form_Activate() override;
    int currentHelpContext() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window (PlannerWindowControls.cpp).
    void buildControls();
    void buildDayPage();
    void buildCommands();
    void buildOptionsPanel();
    void buildMenus();
    void buildSideToolbar();
    void connectHandlers();
    void buildMonthView();
    void buildPrintPreview();
    void buildColours();

    // The load; a restore runs it again with the time list kept as it is.
    void Form_Load(bool fillTimeList);
    void ShowClockTime();
    void EscapeKey();
    void reloadLoadedDay();
    void showBackupWindow(int mode, int kind);
    // Marks the page edited: the entry commands come on.
    void markEdited();
    void setRowsEnabled(bool enabled);
    void timeBoxGotFocus(int row);
    void activityBoxGotFocus(int row);
    void restColumn(const std::array<QLineEdit*, kRows>& column);
    void selectOptions();
    void connectSpellChecker();
    // The grid's entry rows, read cell by cell; the current cell ends on the last one.
    std::vector<MonthListing::Entry> monthGridRows();
    void fillMonthGrid();
    // The row the spelling check is on: the shared row counter.
    int spellingRow() const;

    std::unique_ptr<PanelColours> colours_;
    int panelColour_ = 0;
    int textColour_ = 0;
    // The side buttons the options panel disables, with their states to restore when it closes.
    std::array<bool, 8> sideButtonsBeforeOptions_{};
};
