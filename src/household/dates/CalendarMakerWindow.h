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

    void MonthView1_DateClick(const QDate& date);
    void MonthView1_SelChange();
    void SSOption1_Click(int index);
    void PrintMonthCalendar();
    void cmdPrint_Click();

    QDateTime ChosenDate;    // its month is the one shown
    int NumberAlignment = 0; // 0 "Align Left", 1 "Align Right"
    MonthGrid Grid;          // the month of ChosenDate as last built

    Panel3D* Panel3D1; // the main panel
    QLabel* Label2;
    QCalendarWidget* MonthView1;
    QGroupBox* SSFrame1; // "Calendar Numbers"
    std::array<QRadioButton*, 2> SSOption1{};
    QPushButton* cmdPrint; // "&Print"
    PrintPreview* vp;      // the calendar page, as it will print
    QPushButton* Command1; // "E&xit"
    QAction* mOE;          // "E&xit"

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
