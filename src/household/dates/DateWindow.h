#pragma once

#include "ActivityWindow.h"
#include "DateFields.h"
#include "PanelColours.h"

class DropDownList;
class Panel3D;
class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;

// "Date Function": the weekday of any date from 1753 to 2500. The month, day and year are chosen
// from three lists (each with a box laid over its edit part that shows the value, the list kept at
// it), the year can be typed, or a day clicked in the month view; boxes, month view and weekday
// stay in step, the day clamped to the month and the year to 1753..2500. The window's own settings
// of its controls run no handler of theirs: each handler calls on exactly the steps that follow it.
class DateWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Date Function";
    // The colour area's colour where no colour was ever saved: light cyan.
    static constexpr qint64 kFirstRunColour = 16776960;

    explicit DateWindow(Services& services);
    ~DateWindow() override;

    // The handlers.
    void ChooseMonth(); // from the month list
    void ChooseDay();   // from the day list
    void ChooseYear();  // from the year list
    void CheckTypedYear();
    void ShowDateFields();
    void ChoosePanelColour();
    void PrintDateFunction();

    // The date the month view shows: the chosen date.
    QDate chosenDate() const;

    // The controls; each keeps its designed name as its objectName.
    Panel3D* mainPanelFrame;
    QLabel* colourArea; // filling the main panel's inside
    Panel3D* calendarPanel;
    QCalendarWidget* monthView;
    Panel3D* fieldsPanel;
    DropDownList* monthList;
    DropDownList* dayList;
    DropDownList* yearList;
    QLineEdit* monthBox; // laid over the month list's edit part, as are the day and year boxes
    QLineEdit* dayBox;
    QLineEdit* yearBox; // the only box that can be typed in
    Panel3D* weekdayPanel;
    QLabel* weekday;
    QPushButton* printButton;
    QPushButton* exitButton;

    // The Options menu's items.
    QAction* panelColourAction;
    QAction* printAction;
    QAction* exitAction;

protected:
    void ExitCommand() override;
    QWidget* mainPanel() const override;
    void Form_Activate() override;
    bool ExitQuestions() override;

private:
    void buildControls();
    void buildFields();
    void buildMenus();
    void buildSideToolbar();
    void connectHandlers();
    void Form_Load();

    // The steps after a month or a year was chosen: the day clamped, month view and weekday set.
    void MonthOrYearChosen();
    void MinimumYearMessage();
    void MaximumYearMessage();

    DateFields fields() const;
    void showFields(const DateFields& fields);
    // Sets the month view and the weekday from code, running none of the month view's handlers.
    void showDate(const QDate& date);

    PanelColours panelColours_;
    int MonthNumber = 0;
    bool checkingYear_ = false;
};
