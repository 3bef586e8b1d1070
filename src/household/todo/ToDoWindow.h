#pragma once

#include "ActivityWindow.h"
#include "DamagedToDoFiles.h"
#include "ItemNameList.h"
#include "PanelColours.h"
#include "ToDoRow.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class GridBackgroundSelector;
class PrintPreviewPanel;
class SpellChecker;
class SpellCheckerItems;
class ToDoPrintPanel;
class ToDoSpellCheck;
class ToDoSpellingGrid;
class GridControl;
class MonthView;
class Panel3D;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "To Do List": up to 500 items, each with a to-do date and an actual date, in a grid of 501 rows
// (the header and rows 1 to 500) that the to-do file mirrors row for row, and the item names
// remembered for the entry box. The grid file is written only by Save or the exit question; a
// save that fails says so and leaves the grid marked changed, so nothing is lost unnoticed.
class ToDoWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "To Do List";
    static constexpr int kItemRows = 500;
    static constexpr int kNoRow = -1; // MarkedRow after a delete or an insert

    // commandButtons' indexes.
    enum Command {
        ExitButton,
        DeleteNameButton,
        AddButton,
        DeleteRowButton,
        PrintButton,
        SaveButton,
        ClearButton
    };

    explicit ToDoWindow(Services& services);
    ~ToDoWindow() override;

    // The grid's rows 1 to 500 as they stand, in shown order (for printing and copying).
    std::vector<ToDoRow> gridRows() const;

    // The spine (ToDoWindow.cpp).
    void Form_Load();
    void ExitToDo();
    // The exit question; the answer stays in SignalValue. False when the window must stay open:
    // Cancel, or a Yes whose save failed.
    bool PromptSaveToDoGrid();

    // The grid and its file (ToDoWindowGrid.cpp).
    void LoadToDoGrid();
    // True when the file holds the grid (also when nothing had changed).
    bool SaveToDoGrid();
    bool keyboardEditing() const;
    void setKeyboardEditing(bool on);

    // Item entry and remembered names (ToDoWindowEntry.cpp).
    void LoadItemNames();
    void AddItemToNameList();
    void AppendItemName();
    void DeleteItemFromFile();
    void AddItemToGrid();
    // A click on commandButtons[index].
    void RunCommand(int index);

    // Grid editing and dates (ToDoWindowDates.cpp).
    // A click on the grid's current cell, or its keyboard click (byKey): a date entry opened by
    // key takes the focus into the date picker instead of moving it to "&Print".
    void HandleGridClick(bool byKey = false);
    void EnterItemFirstMessage();
    // A day picked: by a click the focus moves to "&Print", by a key back to the date cell.
    void PutPickedDate(const QDate& date, bool byKey = false);
    void HideDatePicker();
    void AfterItemEdit(int row, int col);
    void NoteCellTyping();
    QString ShowRowScrollTip(int row) const;
    void UpdateOptionsMenu();

    // Row operations (ToDoWindowRows.cpp).
    void DeleteGridRow();
    void InsertGridRow();
    void ClearGrid();
    void AfterGridSort(int col, int order);
    void NoteRowMoved();

    // Colours and the grid background (ToDoWindowColours.cpp).
    void LoadToDoColours();
    void SaveToDoColours();
    void PromptSaveColours();
    void ChoosePanelColour();
    void ChooseGridTextColour();
    void ToggleGridBackgroundSelector();

    // Printing (ToDoWindowPrint.cpp), copying (ToDoWindowCopy.cpp), the spelling check
    // (ToDoWindowSpelling.cpp), the side toolbar (ToDoWindowSideToolbar.cpp) and the backup
    // hand-off (ToDoWindowUtilities.cpp).
    void OpenToDoPrintPreview();
    void OpenWorksheetPrintPreview();
    void CopyToDoToClipboard();
    void UpdateEditMenu();
    void LoadAutoCorrectTable();
    void SpellCheckItems();
    void RunSideToolbarButton(int button);
    void UpdateBackupMenu();
    void StartToDoBackup();
    void StartToDoRestore();

    // Controls, with the names the handlers use.
    Panel3D* mainPanelFrame;
    QLabel* dateLabel;    // "Date: " and today's date
    QLabel* entryCaption; // "To Do &Item:"
    GridControl* toDoGrid;
    std::array<QLineEdit*, 1> itemEntry{}; // the entry box, itemEntry[0]
    QLineEdit* entryColourBox; // hidden; its colour is the entry colour and grid default
    QComboBox* nameList;       // the remembered names
    std::array<QPushButton*, 7> commandButtons{};
    QPushButton* spellingButton; // "Spelling Chec&k"
    MonthView* datePicker;
    GridBackgroundSelector* backgroundSelector;
    ToDoPrintPanel* printPanel;      // the print preview with the window's print options
    PrintPreviewPanel* printPreview; // its panel
    SpellChecker* spellChecker;

    // The Options menu's items; optionsCopyAction shows only in the right-click menu, and only
    // when row 1 holds an item.
    QAction* gridBackgroundAction;
    QAction* gridTextColourAction;
    QAction* panelColourAction;
    QAction* deleteRowAction;
    QAction* clearGridAction;
    QAction* insertRowAction;
    QAction* printWorksheetAction;
    QAction* optionsCopyAction;
    QAction* printAction;
    QAction* saveAction;
    QAction* spellingAction;
    QAction* exitAction;
    QMenu* editMenu;
    QAction* editCopyAction;
    QMenu* utilitiesMenu;
    QAction* backupAction;
    QAction* restoreAction;

    // The window's fields.
    int ToDoChanged = 0;
    ItemNameList ItemNames;
    int DateColumn = 0;
    int DateRow = 0;
    int MarkedRow = kNoRow;
    int ExitChosen = 0;
    int ColoursChanged = 0;
    int GridBackgroundKind = 0; // what record 33 gets: 0 nothing, 1 colour, 2 "Default", 3 picture
    QString GridBackground;

signals:
    // Whether inserting a row is offered now: the Options menu's item follows it, and so may any
    // other control that inserts rows.
    void insertRowOffered(bool offered);

protected:
    void ExitCommand() override;
    QWidget* mainPanel() const override;
    void Form_Activate() override;
    bool ExitQuestions() override;
    void Form_Unload() override;
    void SaveWithoutAsking() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    int currentHelpContext() const override;

private:
    // Building the window (ToDoWindowControls.cpp).
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void buildPrintPanel();
    void buildCopy();
    void buildSpellCheck();
    void buildSideToolbar();
    void buildUtilities();
    void buildColours(); // ToDoWindowColours.cpp
    // The right-click menu's preparation and its return.
    bool prepareOptionsPopup();
    void optionsPopupClosed();

    // Keys: the window's own first, then the entry box's and the name list's.
    // Delete clears the date cell being edited.
    void ClearDateOnDelete(int key);
    // The keyboard's click on the grid's current cell: Enter on any cell, Space or F4 on a date
    // cell. False for other keys.
    bool TakeGridKey(const QKeyEvent& key);
    // In the open date picker: Enter or Space writes its day into the date cell, Esc closes it;
    // both go back to the cell. False for other keys, which move the picker's day.
    bool TakePickerKey(int key);
    void EscapeKey();
    // Delete and Insert act on the marked row, Enter puts the entry into the cell being edited;
    // true when the key goes no further.
    bool HandleEntryKey(int key);
    void SuggestRememberedName(); // after each key in the entry box
    void UpdateAddButton();       // after each change of the entry box's text
    void HandleEntryClick();
    void TakeRememberedName(int index); // a name chosen in the list
    void BeforeNameListOpens();
    void RememberTypedName(); // Enter in the name list
    // The focus reaching the entry box, the name list, a command button or the grid.
    void EnterItemEntry();
    void EnterNameList();
    void EnterCommandButtons();
    void EnterGrid();

    void showDateEntry(int col, bool focusStep);
    void enableSaveAndClear();
    void setEntryColour(bool yellow);
    void refillNameList();
    void writeItemNames();
    void setGridText(int row, int col, const QString& text);
    // The first row from 1 whose item cell holds nothing but blanks; 0 when none.
    int firstEmptyItemRow() const;
    QColor entryColour() const;
    QColor gridTextColour() const;
    void setGridTextColour(const QColor& colour);
    void selectorClicked(int index);

    PanelColours panelColours_;
    DamagedToDoFiles damagedFiles_;
    class SpellingGrid; // the spelling check's view of the grid and the names
    std::unique_ptr<ToDoSpellingGrid> spellingGrid_;
    std::unique_ptr<SpellCheckerItems> checkerItems_;
    std::unique_ptr<ToDoSpellCheck> spellCheck_;
    bool selectorChanged_ = false; // the selector applied a choice during the current button
    QString entryBeforeKey_;
};
