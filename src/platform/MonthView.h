#pragma once

#include <QDate>
#include <QPalette>
#include <QWidget>

#include <array>

class QCalendarWidget;

// Gives a month calendar's parts the names a screen reader reads: its arrow buttons "Previous
// month" and "Next month", its table of days the month it shows ("March 2026"). Every month
// calendar of the program is named so.
void nameMonthParts(QCalendarWidget& calendar);

// Selects date in a month calendar from code. A calendar's table of days tells a screen reader
// its new current day as focused, even while the focus is on another control (a month list, a
// year box, a month arrow): selected so, the day is shown but no focus move is told unless the
// table has the focus.
void selectDay(QCalendarWidget& calendar, const QDate& date);

// The date picker: one or two months side by side, with or without week numbers, any first
// weekday and an optional mark on today. It takes the size its months need and keeps inside its
// parent: in the parent's left half as far from the right edge as from its left, further right
// inside the right edge. Months that would be wider show one-letter day names and then a smaller
// font, down to 6 points; still wider, the view moves left until it shows whole. It keeps to the
// years 1753 to 9999. Every change of the selection that the person makes (a click on a day, the
// arrow keys, Page Up and Page Down, the month arrows and the month and year choosers) is reported
// once; a selection made from code is not.
class MonthView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxMonths = 2;

    explicit MonthView(QWidget* parent = nullptr);

    QDate selectedDate() const { return selected_; }
    // Shows the date's month unless it is already in view; a date outside the range is taken to
    // the nearest end of it.
    void setSelectedDate(const QDate& date);

    int monthsShown() const { return monthsShown_; }
    void setMonthsShown(int months); // 1 or 2; other values change nothing
    bool weekNumbersShown() const { return weekNumbers_; }
    void setWeekNumbersShown(bool shown);
    // 1 Sunday, 2 Monday ... 7 Saturday; other values change nothing and return false.
    int firstWeekday() const { return firstWeekday_; }
    bool setFirstWeekday(int weekday);
    bool todayMarked() const { return todayMarked_; }
    void setTodayMarked(bool marked);
    void setToday(const QDate& today);

    // Month n (0 or 1) as shown; the second is hidden while one month shows.
    QCalendarWidget* month(int index) const { return months_.at(std::size_t(index)); }

signals:
    // byClick: the person clicked a day; otherwise keys or the month choosers moved the selection.
    void selectionChanged(const QDate& date, bool byClick);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void select(QDate date, bool notify);
    void monthSelected(int index);
    void pageChanged(int index, int year, int month);
    void showPages();
    void markToday();
    void fitToMonths();
    int monthsWidth() const;
    QDate pageStart(int index) const;

    std::array<QCalendarWidget*, kMaxMonths> months_{};
    QDate selected_;
    QDate firstPage_; // the first day of the first month in view
    QDate today_;
    QPalette standard_; // the months' own colours; the one without the selection hides it
    int monthsShown_ = 1;
    bool weekNumbers_ = true;
    int firstWeekday_ = 1;
    bool todayMarked_ = false;
    bool syncing_ = false;
    bool byClick_ = false;
};
