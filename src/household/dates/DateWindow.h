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
// from three lists (each with a box laid over its edit part that shows the value), the year can be
// typed, or a day clicked in the month view; boxes, month view and weekday stay in step, the day
// clamped to the month and the year to 1753..2500. The window's own settings of its controls run
// no handler of theirs: each handler calls on exactly the steps that follow it.
class DateWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Date Function";
    // The colour area's colour where no colour was ever saved: light cyan.
    static constexpr qint64 kFirstRunColour = 16776960;

    explicit DateWindow(Services& services);
    ~DateWindow() override;

    // The handlers, by the controls' names.
    void Combo1_Click(); // a month chosen from the month list
    void Combo2_Click(); // a day chosen from the day list
    void Combo3_Click(); // a year chosen from the year list
    void CheckTypedYear();
    void ShowDateFields();
    void PanelColour_Click();
    void PrintDateFunction();

    // The date the month view shows: the chosen date.
    QDate chosenDate() const;

    Panel3D* Panel3D1; // the main panel
    QLabel* Label2;    // the colour area, filling the main panel's inside
    Panel3D* SSPanel1; // the calendar panel
    QCalendarWidget* MonthView1;
    Panel3D* SSPanel2; // the fields panel
    DropDownList* Combo1;
    DropDownList* Combo2;
    DropDownList* Combo3;
    QLineEdit* Text1; // the month box
    QLineEdit* Text2; // the day box
    QLineEdit* Text3; // the year box
    Panel3D* SSPanel3;
    QLabel* Label3;        // the weekday
    QPushButton* Command2; // "&Print"
    QPushButton* Command1; // "E&xit"

    QAction* mOColor;
    QAction* mOPrint;
    QAction* mOExit;

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
    // Paging the month view moves its selection to the same day of the shown month.
    // Before a list opens it is put at the value of its box.
    void DropDown(DropDownList* list, QLineEdit* box);

    DateFields fields() const;
    void showFields(const DateFields& fields);
    void setYearBox(const QString& year);
    // Sets the month view and the weekday from code, running none of the month view's handlers.
    void showDate(const QDate& date);

    PanelColours panelColours_;
    int MonthNumber = 0;
    bool checkingYear_ = false;
};
