#include "MonthView.h"

#include "TextContrast.h"

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLocale>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTableView>
#include <QTextCharFormat>
#include <QToolButton>

namespace {

const QDate kFirstDate(1753, 1, 1);
const QDate kLastDate(9999, 12, 31);

QDate firstOfMonth(const QDate& date) {
    return {date.year(), date.month(), 1};
}

bool sameMonth(const QDate& a, const QDate& b) {
    return a.year() == b.year() && a.month() == b.month();
}

// A red that stands out from the days' ground and from the day names' ground alike.
QColor readableRed(const QPalette& palette, const QColor& red = Qt::red) {
    return TextContrast::readable(TextContrast::readable(red, palette.color(QPalette::Base)),
                                  palette.color(QPalette::AlternateBase));
}

// A table of days tells a screen reader of every new current day as a focus move, whether it has
// the focus or not. While it has not, a change made from code reaches it with the signals through
// which it hears of its current day held back, and it is repainted after.
template <typename Change> void withoutFocusMoves(QCalendarWidget& calendar, const Change& change) {
    auto* days = calendar.findChild<QTableView*>("qt_calendar_calendarview");
    const bool elsewhere = days != nullptr && !days->hasFocus();
    {
        const QSignalBlocker quiet(elsewhere ? days->selectionModel() : nullptr);
        change();
    }
    if (elsewhere) {
        days->viewport()->update();
    }
}

} // namespace

void nameMonthParts(QCalendarWidget& calendar) {
    // The calendar's own names for its arrows and its table, which it keeps across versions.
    if (auto* previous = calendar.findChild<QToolButton*>("qt_calendar_prevmonth")) {
        previous->setAccessibleName("Previous month");
    }
    if (auto* next = calendar.findChild<QToolButton*>("qt_calendar_nextmonth")) {
        next->setAccessibleName("Next month");
    }
    auto* days = calendar.findChild<QTableView*>("qt_calendar_calendarview");
    if (days == nullptr) {
        return;
    }
    const auto nameDays = [days](int year, int month) {
        days->setAccessibleName(QLocale::c().standaloneMonthName(month) + ' ' +
                                QString::number(year));
    };
    nameDays(calendar.yearShown(), calendar.monthShown());
    QObject::connect(&calendar, &QCalendarWidget::currentPageChanged, days, nameDays);
}

void selectDay(QCalendarWidget& calendar, const QDate& date) {
    withoutFocusMoves(calendar, [&] { calendar.setSelectedDate(date); });
}

MonthView::MonthView(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int index = 0; index < kMaxMonths; ++index) {
        auto* calendar = new QCalendarWidget(this);
        calendar->setAccessibleName(index == 0 ? "Date picker" : "Date picker, next month");
        calendar->setDateRange(kFirstDate, kLastDate);
        calendar->setGridVisible(false);
        calendar->setFirstDayOfWeek(Qt::Sunday);
        calendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
        nameMonthParts(*calendar);
        connect(calendar, &QCalendarWidget::selectionChanged, this,
                [this, index] { monthSelected(index); });
        connect(calendar, &QCalendarWidget::currentPageChanged, this,
                [this, index](int year, int month) { pageChanged(index, year, month); });
        if (auto* view = calendar->findChild<QTableView*>()) {
            view->viewport()->installEventFilter(this);
        }
        layout->addWidget(calendar);
        months_.at(std::size_t(index)) = calendar;
    }
    months_[1]->hide();
    if (parent != nullptr) {
        parent->installEventFilter(this);
    }
    standard_ = months_[0]->palette();
    // The month's title bar and the selected day show the highlighted text colour (white) on the
    // highlight colour, and the days' view draws a light one a little toward the highlight
    // (#e6f0f7 for white on the desktop's blue): the highlight takes a shade on which that text
    // a step darker (light grey for white) still reads.
    const QColor text = standard_.color(QPalette::HighlightedText);
    standard_.setColor(QPalette::Highlight,
                       TextContrast::readable(standard_.color(QPalette::Highlight),
                                              text.lightness() >= 128 ? text.darker(114) : text));
    for (QCalendarWidget* calendar : months_) {
        for (const Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) {
            QTextCharFormat weekend = calendar->weekdayTextFormat(day);
            weekend.setForeground(readableRed(standard_, weekend.foreground().color()));
            calendar->setWeekdayTextFormat(day, weekend);
        }
    }
    select(QDate::currentDate(), false);
    fitToMonths();
}

void MonthView::setSelectedDate(const QDate& date) {
    select(date, false);
}

QDate MonthView::pageStart(int index) const {
    return firstPage_.addMonths(index);
}

void MonthView::select(QDate date, bool notify) {
    if (!date.isValid()) {
        return;
    }
    date = std::clamp(date, kFirstDate, kLastDate);
    const bool changed = date != selected_;
    selected_ = date;
    const QDate lastPage = pageStart(monthsShown_ - 1);
    if (!firstPage_.isValid() || date < firstPage_ || date > lastPage.addMonths(1).addDays(-1)) {
        // Moving back keeps the date in the first month, moving on in the last.
        firstPage_ = date < firstPage_ || !firstPage_.isValid()
                         ? firstOfMonth(date)
                         : firstOfMonth(date).addMonths(1 - monthsShown_);
    }
    showPages();
    if (notify && changed) {
        emit selectionChanged(selected_, byClick_);
    }
}

void MonthView::showPages() {
    const QScopedValueRollback guard(syncing_, true);
    for (int index = 0; index < kMaxMonths; ++index) {
        QCalendarWidget* calendar = months_.at(std::size_t(index));
        const QDate page = pageStart(index);
        const bool holdsSelection = sameMonth(page, selected_);
        withoutFocusMoves(*calendar, [&] {
            calendar->setSelectedDate(selected_);
            calendar->setCurrentPage(page.year(), page.month());
        });
        // Only the month that holds the selection shows it.
        QPalette palette = standard_;
        const QPalette& standard = standard_;
        palette.setColor(QPalette::Highlight, holdsSelection ? standard.color(QPalette::Highlight)
                                                             : standard.color(QPalette::Base));
        palette.setColor(QPalette::HighlightedText, holdsSelection
                                                        ? standard.color(QPalette::HighlightedText)
                                                        : standard.color(QPalette::Text));
        calendar->setPalette(palette);
    }
}

void MonthView::monthSelected(int index) {
    if (syncing_) {
        return;
    }
    select(months_.at(std::size_t(index))->selectedDate(), true);
}

void MonthView::pageChanged(int index, int year, int month) {
    if (syncing_) {
        return;
    }
    const QDate page(year, month, 1);
    const QDate ownSelection = months_.at(std::size_t(index))->selectedDate();
    if (ownSelection != selected_ && sameMonth(ownSelection, page)) {
        return; // the selection itself moved there; its own notification follows
    }
    // The month arrows or choosers: the same day of the month now in view, or its last day.
    firstPage_ = page.addMonths(-index);
    const QDate first = pageStart(0);
    const QDate last = pageStart(monthsShown_ - 1);
    if (selected_ >= first && selected_ < last.addMonths(1)) {
        showPages();
        return;
    }
    const int day = std::min(selected_.day(), page.daysInMonth());
    select(QDate(year, month, day), true);
}

void MonthView::setMonthsShown(int months) {
    if (months != 1 && months != 2) {
        return;
    }
    monthsShown_ = months;
    months_[1]->setVisible(months == 2);
    firstPage_ = QDate();
    select(selected_, false);
    fitToMonths();
}

void MonthView::setWeekNumbersShown(bool shown) {
    weekNumbers_ = shown;
    for (QCalendarWidget* calendar : months_) {
        calendar->setVerticalHeaderFormat(shown ? QCalendarWidget::ISOWeekNumbers
                                                : QCalendarWidget::NoVerticalHeader);
    }
    fitToMonths();
}

bool MonthView::setFirstWeekday(int weekday) {
    if (weekday < 1 || weekday > 7) {
        return false;
    }
    firstWeekday_ = weekday;
    // Qt counts Monday 1 to Sunday 7.
    const auto day = weekday == 1 ? Qt::Sunday : Qt::DayOfWeek(weekday - 1);
    for (QCalendarWidget* calendar : months_) {
        calendar->setFirstDayOfWeek(day);
    }
    return true;
}

void MonthView::setTodayMarked(bool marked) {
    todayMarked_ = marked;
    markToday();
}

void MonthView::setToday(const QDate& today) {
    if (today_.isValid()) {
        for (QCalendarWidget* calendar : months_) {
            calendar->setDateTextFormat(today_, {});
        }
    }
    today_ = today;
    markToday();
}

void MonthView::markToday() {
    if (!today_.isValid()) {
        return;
    }
    QTextCharFormat format;
    if (todayMarked_) {
        format.setFontWeight(QFont::Bold);
        format.setForeground(readableRed(standard_));
        format.setFontUnderline(true);
    }
    for (QCalendarWidget* calendar : months_) {
        calendar->setDateTextFormat(today_, format);
    }
}

int MonthView::monthsWidth() const {
    int width = layout()->spacing() * (monthsShown_ - 1);
    for (int index = 0; index < monthsShown_; ++index) {
        width += months_.at(std::size_t(index))->sizeHint().width();
    }
    return width;
}

void MonthView::fitToMonths() {
    constexpr double kSmallestPoints = 6;
    // A view in the left half keeps as far from the parent's right edge as from its left; one
    // placed further right keeps inside the right edge.
    const QWidget* parent = parentWidget();
    int available = maximumWidth();
    if (parent != nullptr) {
        available =
            parent->width() - 2 * x() > 0 ? parent->width() - 2 * x() : parent->width() - x();
    }
    QFont smaller = font();
    double points = smaller.pointSizeF();
    auto fits = [this, available] { return available <= 0 || monthsWidth() <= available; };
    for (auto format : {QCalendarWidget::ShortDayNames, QCalendarWidget::SingleLetterDayNames}) {
        for (QCalendarWidget* calendar : months_) {
            calendar->setHorizontalHeaderFormat(format);
            calendar->setFont(smaller);
        }
        if (fits()) {
            break;
        }
    }
    while (!fits() && points > kSmallestPoints) {
        points -= 0.5;
        smaller.setPointSizeF(points);
        for (QCalendarWidget* calendar : months_) {
            calendar->setFont(smaller);
        }
    }
    int height = 0;
    for (QCalendarWidget* calendar : months_) {
        height = std::max(height, calendar->sizeHint().height());
    }
    resize(monthsWidth(), height);
    // Still too wide for the room right of it: it moves left to show whole.
    if (parent != nullptr && x() + width() > parent->width()) {
        move(std::max(0, parent->width() - width()), y());
    }
}

bool MonthView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        fitToMonths();
        return false;
    }
    // A day chosen by the mouse is a click; the release chooses it.
    if (event->type() == QEvent::MouseButtonRelease && !byClick_ &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QScopedValueRollback click(byClick_, true);
        QCoreApplication::sendEvent(watched, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MonthView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitToMonths();
    }
}

void MonthView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    fitToMonths();
}
