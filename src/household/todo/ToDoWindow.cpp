// The to-do window: load, activation, keys and exit.
#include "ToDoWindow.h"

#include "ColorNumber.h"
#include "GridBackgroundSelector.h"
#include "GridControl.h"
#include "MonthView.h"
#include "Panel3D.h"
#include "PrintPreviewPanel.h"
#include "StatusBar.h"
#include "ToDoFiles.h"
#include "ToDoPrintPanel.h"
#include "ToDoSpellCheck.h"
#include "Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <cmath>

namespace {

// The window as designed, the size of the main window's smaller display.
constexpr int kDesignedWidth = 12000;
constexpr int kDesignedHeight = 9000;

} // namespace

ToDoWindow::ToDoWindow(Services& services)
    : ActivityWindow(services, ActivityConstants::household(13, 2009), kCaption),
      panelColours_(services, "Save changes made to Panel and or Text Color?"),
      damagedFiles_(services.dialogs, services.folder, kCaption) {
    setObjectName("ToDo1");
    buildControls();
    buildMenus();
    connectHandlers();
    buildPrintPanel();
    buildCopy();
    buildSpellCheck();
    buildSideToolbar();
    buildUtilities();
    // The window sees its keys before the focused control does.
    qApp->installEventFilter(this);
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    Form_Load();
}

ToDoWindow::~ToDoWindow() {
    qApp->removeEventFilter(this);
}

QWidget* ToDoWindow::mainPanel() const {
    return mainPanelFrame;
}

std::vector<ToDoRow> ToDoWindow::gridRows() const {
    std::vector<ToDoRow> rows;
    rows.reserve(kItemRows);
    for (int row = 1; row <= kItemRows; ++row) {
        rows.push_back({toDoGrid->textMatrix(row, 1), toDoGrid->textMatrix(row, 2),
                        toDoGrid->textMatrix(row, 3)});
    }
    return rows;
}

void ToDoWindow::Form_Load() {
    LoadFormServices();
    const QDate today = services_.clock.today();
    datePicker->setToday(today);
    datePicker->setSelectedDate(today);
    LoadItemNames();
    LoadToDoGrid();
    ToDoChanged = 0;
    LoadToDoColours();
    setEntryColour(false);
    QPalette list = nameList->palette();
    list.setColor(QPalette::Base, entryColour());
    nameList->setPalette(list);
    toDoGrid->setUserSortAndMove(true);
    toDoGrid->setEditMaxLength(1, ToDoFiles::kItemLength);
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
    program_.PrintSettings.PrintFontColour = qint32(ColorNumber::fromColor(gridTextColour()));
    printPanel->loadOptions();
    LoadAutoCorrectTable();
}

void ToDoWindow::Form_Activate() {
    ActivateFormServices();
    printPreview->activate();
    // The shares are of the width inside the grid's frame and scroll bar, so that the four
    // columns fit without a horizontal scroll bar.
    const double width = Twips::fromPixels(toDoGrid->viewport()->width());
    toDoGrid->setColWidth(0, int(std::lround(width * 0.02)));
    toDoGrid->setFixedAlignment(0, GridControl::Centre);
    for (int col = 1; col <= 3; ++col) {
        toDoGrid->setColWidth(col, int(std::lround(width * 0.32)));
    }
    program_.SignalValue = 4;
    if (program_.ScreenMode == 0) {
        itemEntry[0]->resize(int(std::lround(mainPanelFrame->width() * 0.261)),
                             itemEntry[0]->height());
    }
    QCoreApplication::processEvents();
    showStatus(windowTitle());
    toDoGrid->setRow(1);
    toDoGrid->setCol(1);
    if (toDoGrid->text().isEmpty()) {
        for (QPushButton* button : {commandButtons[ClearButton], commandButtons[SaveButton]}) {
            button->setEnabled(false);
        }
        saveAction->setEnabled(false);
        clearGridAction->setEnabled(false);
    }
    if (commandButtons[ExitButton]->isEnabled()) {
        commandButtons[ExitButton]->setFocus(Qt::OtherFocusReason);
    }
    dateLabel->setText("Date: " + QLocale().toString(services_.clock.today(), "MMMM d, yyyy"));
    program_.NormalPointer();
}

void ToDoWindow::ExitCommand() {
    ExitToDo();
}

void ToDoWindow::ExitToDo() {
    if (close()) {
        ExitChosen = 9;
    }
}

bool ToDoWindow::ExitQuestions() {
    HideDatePicker();
    if (ToDoChanged == 1 && !PromptSaveToDoGrid()) {
        return false;
    }
    ToDoChanged = 0;
    if (ColoursChanged == 1 || panelColours_.coloursChanged()) {
        PromptSaveColours();
    }
    return true;
}

void ToDoWindow::SaveWithoutAsking() {
    SaveToDoGrid();
}

bool ToDoWindow::PromptSaveToDoGrid() {
    program_.SignalValue = 0;
    const Dialogs::Answer answer =
        services_.dialogs.message({"Save changes made to To Do Grid before exiting?", kCaption,
                                   Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancel});
    program_.SignalValue = int(answer);
    bool leave = answer != Dialogs::Answer::Cancel;
    if (answer == Dialogs::Answer::Yes) {
        program_.BusyPointer();
        leave = SaveToDoGrid();
        program_.NormalPointer();
    }
    if (!leave) {
        // No other activity opens either: leaving later asks again and goes where it is told.
        program_.NextActivity = 0;
        showStatus(windowTitle());
    }
    return leave;
}

void ToDoWindow::Form_Unload() {
    program_.SignalValue = 0;
    ColoursChanged = 0;
    ItemNames = ItemNameList();
}

bool ToDoWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const auto leftButton = [event] {
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    };
    if (watched == itemEntry[0] && type == QEvent::MouseButtonPress && leftButton()) {
        HandleEntryClick();
    } else if (watched == itemEntry[0] && type == QEvent::MouseButtonDblClick && leftButton() &&
               !itemEntry[0]->text().trimmed().isEmpty()) {
        RunCommand(AddButton);
        return true;
    }
    // A key goes to the control that has the focus, or to the window when none has it.
    QWidget* keyTarget =
        QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : this;
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this || watched != keyTarget) {
        return ActivityWindow::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool inEntry = watched == itemEntry[0];
    if (type == QEvent::KeyRelease) {
        if (inEntry) {
            SuggestRememberedName();
        }
        return ActivityWindow::eventFilter(watched, event);
    }
    // In the entry box, the name list and an open cell editor Delete is theirs: it never
    // clears a whole cell there.
    const bool inList = watched == nameList || watched == nameList->lineEdit();
    if (!inEntry && !inList && !toDoGrid->isEditing()) {
        ClearDateOnDelete(key->key());
    }
    if (watched == toDoGrid && !toDoGrid->isEditing() && TakeGridKey(*key)) {
        return true;
    }
    if (datePicker->isAncestorOf(static_cast<QWidget*>(watched)) && TakePickerKey(key->key())) {
        return true;
    }
    if (key->key() == Qt::Key_F1) {
        ShowHelpTopic();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        EscapeKey();
        return true;
    }
    if (inEntry && HandleEntryKey(key->key())) {
        return true;
    }
    if (inList && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        RememberTypedName();
        return true;
    }
    return ActivityWindow::eventFilter(watched, event);
}

void ToDoWindow::ClearDateOnDelete(int key) {
    if (key != Qt::Key_Delete || !keyboardEditing() || DateColumn <= 0) {
        return;
    }
    toDoGrid->finishEdit();
    setGridText(DateRow, DateColumn, QString());
    toDoGrid->setCol(1);
    DateColumn = 0;
    ToDoChanged = 1;
    HideDatePicker();
    setKeyboardEditing(false);
    if (commandButtons[ExitButton]->isEnabled()) {
        commandButtons[ExitButton]->setFocus(Qt::OtherFocusReason);
    }
}

void ToDoWindow::EscapeKey() {
    if (printPanel->escape()) {
        return;
    }
    if (backgroundSelector->isVisible()) {
        backgroundSelector->choiceButtons[3]->click();
        return;
    }
    RunCommand(ExitButton);
}
