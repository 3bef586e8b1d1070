#include "MonthView.h"

#include "AccessibilityEvents.h"
#include "DrawnContrast.h"
#include "TextContrast.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTextCharFormat>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class MonthViewTest : public ::testing::Test {
protected:
    MonthViewTest() {
        picker.setSelectedDate({2025, 3, 12});
        picker.show();
        QCoreApplication::processEvents();
    }

    QTableView* view(int month) const { return picker.month(month)->findChild<QTableView*>(); }

    // Clicks day 8 to 21 of the month in view: those appear once in a month's grid.
    void clickDay(int month, int day) {
        QTableView* table = view(month);
        const QAbstractItemModel* model = table->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                if (row > 0 && column > 0 && model->data(index).toInt() == day) {
                    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                                      table->visualRect(index).center());
                    return;
                }
            }
        }
        FAIL() << "day " << day << " not in view";
    }

    void press(int month, Qt::Key key) { QTest::keyClick(view(month), key); }

    QList<QDate> reported() const {
        QList<QDate> dates;
        for (const QList<QVariant>& call : changes) {
            dates.append(call.at(0).toDate());
        }
        return dates;
    }

    MonthView picker;
    QSignalSpy changes{&picker, &MonthView::selectionChanged};
};

TEST_F(MonthViewTest, EveryChangeByThePersonIsReportedOnceAndOnlyClicksAsClicks) {
    picker.setSelectedDate({2025, 3, 13}); // from code: no report
    EXPECT_TRUE(changes.isEmpty());

    clickDay(0, 20);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes.at(0).at(0).toDate(), QDate(2025, 3, 20));
    EXPECT_TRUE(changes.at(0).at(1).toBool());
    clickDay(0, 20); // the day already selected: no change
    EXPECT_EQ(changes.size(), 1);

    press(0, Qt::Key_Right);
    press(0, Qt::Key_Down);
    press(0, Qt::Key_PageDown);
    picker.month(0)->findChild<QToolButton*>("qt_calendar_prevmonth")->click();
    EXPECT_EQ(
        reported(),
        (QList<QDate>{{2025, 3, 20}, {2025, 3, 21}, {2025, 3, 28}, {2025, 4, 28}, {2025, 3, 28}}));
    for (qsizetype call = 1; call < changes.size(); ++call) {
        EXPECT_FALSE(changes.at(call).at(1).toBool()) << call;
    }
    EXPECT_EQ(picker.selectedDate(), QDate(2025, 3, 28));
}

TEST_F(MonthViewTest, AMonthArrowKeepsTheDayOrTakesTheMonthsLastOne) {
    picker.setSelectedDate({2025, 1, 31});
    picker.month(0)->findChild<QToolButton*>("qt_calendar_nextmonth")->click();
    EXPECT_EQ(picker.selectedDate(), QDate(2025, 2, 28));
    EXPECT_EQ(reported(), QList<QDate>{QDate(2025, 2, 28)});
}

TEST_F(MonthViewTest, TwoMonthsShowSideBySideAndTheSelectionMovesBetweenThem) {
    picker.setMonthsShown(2);
    ASSERT_TRUE(picker.month(1)->isVisible());
    EXPECT_EQ(picker.month(1)->monthShown(), 4);
    clickDay(1, 9);
    EXPECT_EQ(picker.selectedDate(), QDate(2025, 4, 9));
    // Both months stay in view; moving past the second brings the next pair.
    EXPECT_EQ(picker.month(0)->monthShown(), 3);
    picker.setSelectedDate({2025, 4, 30});
    press(1, Qt::Key_Right);
    EXPECT_EQ(picker.selectedDate(), QDate(2025, 5, 1));
    EXPECT_EQ(picker.month(0)->monthShown(), 4);
    EXPECT_EQ(picker.month(1)->monthShown(), 5);
    EXPECT_EQ(reported(), (QList<QDate>{{2025, 4, 9}, {2025, 5, 1}}));
    picker.setMonthsShown(3);
    EXPECT_EQ(picker.monthsShown(), 2);
}

// A screen reader names each month's table of days by the month it shows, and its arrows.
TEST_F(MonthViewTest, EachMonthsTableIsNamedByTheMonthItShows) {
    picker.setMonthsShown(2);
    const auto name = [](QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(view(0)), "March 2025");
    EXPECT_EQ(name(view(1)), "April 2025");
    picker.month(1)->findChild<QToolButton*>("qt_calendar_nextmonth")->click();
    EXPECT_EQ(name(view(0)), "April 2025");
    EXPECT_EQ(name(view(1)), "May 2025");
    EXPECT_EQ(name(picker.month(0)->findChild<QToolButton*>("qt_calendar_prevmonth")),
              "Previous month");
}

// A date set from code, shown or hidden, moves no screen reader's focus into the months' tables
// while the focus is elsewhere (the to-do list sets its hidden picker's date as it opens).
TEST_F(MonthViewTest, ADateSetFromCodeTellsNoFocusMove) {
    picker.setMonthsShown(2);
    for (const bool shown : {true, false}) {
        picker.setVisible(shown);
        QCoreApplication::processEvents();
        // As in a window where another control has the focus.
        if (QWidget* focused = QApplication::focusWidget()) {
            focused->clearFocus();
        }
        AccessibilityEvents heard;
        for (const QDate date : {QDate(2026, 12, 11), QDate(2027, 1, 8), QDate(2026, 12, 10)}) {
            picker.setSelectedDate(date);
        }
        QCoreApplication::processEvents();
        for (const AccessibilityEvents::Event& move : heard.focusMoves()) {
            ADD_FAILURE() << (shown ? "shown: " : "hidden: ") << "focus told on "
                          << move.name.toStdString();
        }
        EXPECT_EQ(picker.month(1)->selectedDate(), QDate(2026, 12, 10));
    }
}

TEST_F(MonthViewTest, OptionsOutsideTheirRangesChangeNothing) {
    EXPECT_TRUE(picker.setFirstWeekday(4));
    EXPECT_EQ(picker.month(0)->firstDayOfWeek(), Qt::Wednesday);
    EXPECT_TRUE(picker.setFirstWeekday(1));
    EXPECT_EQ(picker.month(0)->firstDayOfWeek(), Qt::Sunday);
    EXPECT_FALSE(picker.setFirstWeekday(0));
    EXPECT_FALSE(picker.setFirstWeekday(8));
    EXPECT_EQ(picker.firstWeekday(), 1);

    picker.setSelectedDate({1600, 5, 1});
    EXPECT_EQ(picker.selectedDate(), QDate(1753, 1, 1));
    picker.setSelectedDate({12000, 5, 1});
    EXPECT_EQ(picker.selectedDate(), QDate(9999, 12, 31));

    picker.setToday({9999, 12, 31});
    picker.setTodayMarked(true);
    EXPECT_EQ(picker.month(0)->dateTextFormat({9999, 12, 31}).fontWeight(), QFont::Bold);
    picker.setTodayMarked(false);
    EXPECT_NE(picker.month(0)->dateTextFormat({9999, 12, 31}).fontWeight(), QFont::Bold);
    picker.setWeekNumbersShown(false);
    EXPECT_EQ(picker.month(0)->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    EXPECT_TRUE(changes.isEmpty());
}

// The month's name and year on the title bar, the day names, every day of the month (the weekend's
// in red, the selected one on the highlight, today marked in red) stand out from what lies under
// them. Days of the months around are greyed as out of reach and left aside.
TEST_F(MonthViewTest, EveryTextStandsOutFromWhatLiesUnderIt) {
    picker.setToday({2025, 3, 15}); // a Saturday
    picker.setTodayMarked(true);
    picker.setMonthsShown(2);
    // Letters large enough for their strokes to show their whole colour, not only smoothed edges.
    QFont large = picker.font();
    large.setPointSize(28);
    large.setBold(true);
    picker.setFont(large);
    QCoreApplication::processEvents();
    const QImage image = picker.grab().toImage();
    for (int month = 0; month < 2; ++month) {
        QCalendarWidget* calendar = picker.month(month);
        const auto measure = [&](const QWidget& part, const QRect& area, const QString& what) {
            const QRect inPicture(part.mapTo(&picker, area.topLeft()), area.size());
            const QColor under = groundOf(image, inPicture);
            EXPECT_GE(drawnContrast(image, inPicture, under), TextContrast::kReadable)
                << "month " << month << ", " << what.toStdString() << " on "
                << under.name().toStdString();
        };
        for (const char* title : {"qt_calendar_monthbutton", "qt_calendar_yearbutton"}) {
            const auto* button = calendar->findChild<QToolButton*>(title);
            ASSERT_NE(button, nullptr);
            measure(*button, button->rect().adjusted(3, 3, -3, -3), title);
        }
        QTableView* table = view(month);
        const QAbstractItemModel* model = table->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 1; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                const int day = model->data(index).toInt();
                const bool otherMonth =
                    row > 0 && ((row == 1 && day > 20) || (row >= 5 && day < 15));
                if (!otherMonth) {
                    measure(*table->viewport(), table->visualRect(index).adjusted(1, 1, -1, -1),
                            model->data(index).toString());
                }
            }
        }
    }
}

TEST(MonthViewPlacing, APickerPlacedFarRightStaysWholeInsideItsParent) {
    for (const int parentWidth : {300, 420, 900}) {
        QWidget panel;
        panel.resize(parentWidth, 400);
        auto* picker = new MonthView(&panel);
        panel.show();
        const int placedLeft = int(parentWidth * 0.7);
        picker->move(placedLeft, 20);
        QCoreApplication::processEvents();

        EXPECT_LE(picker->geometry().right(), panel.rect().right()) << parentWidth;
        const QCalendarWidget* month = picker->month(0);
        EXPECT_GE(month->width(), month->sizeHint().width()) << parentWidth;
        if (picker->width() <= parentWidth - placedLeft) {
            EXPECT_EQ(picker->x(), placedLeft) << parentWidth; // it moves only when it must
        }
    }
}

} // namespace
