#pragma once

#include "ActivityWindow.h"
#include "MonthGrid.h"

#include <QDateTime>

#include <array>

class OptionGroup;
class Panel3D;
class PrintPreview;
class QCalendarWidget;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class WindowKeys;

// "Calendar Maker": a one-page month calendar for the month of a chosen date, shown as it will
// print and rebuilt after every change: the date in the month view, the day numbers aligned left
// or right.
class CalendarMakerWindow : public ActivityWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Calendar Maker";

    explicit CalendarMakerWindow(Services& services);
    ~CalendarMakerWindow() override;

    // A day clicked in the month view, and the month view's selection changed.
    void TakeClickedDay(const QDate& date);
    void TakeSelectedDay();
    void ChooseAlignment(int index);
    // Builds the page of ChosenDate's month in the preview.
    void PrintMonthCalendar();
    // Sends the page to the printer.
    void PrintCalendarPage();

    QDateTime ChosenDate;    // its month is the one shown
    int NumberAlignment = 0; // 0 "Align Left", 1 "Align Right"
    MonthGrid BuiltMonth;    // the month of ChosenDate as last built

    // The controls; each keeps its designed name as its objectName.
    Panel3D* mainPanelFrame;
    QLabel* mainPanelGround;
    QCalendarWidget* monthView;
    QGroupBox* numbersFrame;                         // "Calendar Numbers"
    std::array<QRadioButton*, 2> alignmentButtons{}; // "Align Left", "Align Right"
    QPushButton* printButton;
    PrintPreview* calendarPage; // as it will print
    QPushButton* exitButton;
    QAction* exitAction; // the Options menu's only item

protected:
    void ExitCommand() override;
    QWidget* mainPanel() const override;
    void Form_Activate() override;

private:
    void buildControls();
    void buildSideToolbar();
    void Form_Load();

    OptionGroup* alignmentOptions_;
};
