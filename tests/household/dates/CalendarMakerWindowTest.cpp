#include "CalendarMakerWindow.h"
#include "DateNames.h"
#include "FakePlatform.h"
#include "PdfWords.h"
#include "PrintPreview.h"
#include "ScreenReader.h"
#include "Services.h"
#include "StatusBar.h"
#include "Toolbar.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The calendar maker open on its own and active, today 25 March 2026 at 10:00.
class CalendarMakerWindowTest : public ::testing::Test {
protected:
    void open() {
        window = std::make_unique<CalendarMakerWindow>(services);
        window->show();
        settle();
        ASSERT_TRUE(window->isActiveWindow());
    }

    static void settle() { QCoreApplication::processEvents(); }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<CalendarMakerWindow> window;
};

TEST_F(CalendarMakerWindowTest, OpensOnTodaysMonth) {
    services.program.NextActivity = 15; // as the main window leaves it
    open();
    EXPECT_EQ(services.program.NextActivity, 0);
    EXPECT_EQ(window->ChosenDate, fake.clock.current);
    EXPECT_EQ(window->monthView->selectedDate(), QDate(2026, 3, 25));
    ASSERT_EQ(window->BuiltMonth.rows.size(), 5); // March 2026 begins on a Sunday
    EXPECT_EQ(window->BuiltMonth.chosenRow, 3);
    EXPECT_EQ(window->BuiltMonth.chosenColumn, 3);
    EXPECT_EQ(window->NumberAlignment, 0);
    EXPECT_TRUE(window->alignmentButtons[0]->isChecked());
    for (int button : {15, 16, 17}) {
        EXPECT_FALSE(window->toolbar->button(button)->isEnabled()) << button;
    }
    EXPECT_EQ(window->statusPanels->panelText(1), "Calendar Maker");
    EXPECT_EQ(QApplication::focusWidget(), window->exitButton);
}

// A screen reader reads the page as a table named by its title: the weekday headings head its
// columns, each day is a cell where the page shows it, and the chosen day is the current cell.
TEST_F(CalendarMakerWindowTest, ScreenReaderReadsThePageAsATableOfTheMonth) {
    open();
    window->monthView->setSelectedDate(QDate(2005, 7, 4)); // July 2005 begins on a Friday
    settle();

    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(window->calendarPage);
    EXPECT_EQ(page->role(), QAccessible::Table);
    EXPECT_EQ(page->text(QAccessible::Name), "July 2005");
    QAccessibleTableInterface* table = page->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 6);
    ASSERT_EQ(table->columnCount(), 7);
    const QStringList weekdays{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(table->columnDescription(column), weekdays[column]);
    }
    QAccessibleInterface* first = table->cellAt(0, 5);
    EXPECT_EQ(first->text(QAccessible::Name), "1");
    EXPECT_EQ(first->tableCellInterface()->columnHeaderCells().at(0)->text(QAccessible::Name),
              "Fri");
    EXPECT_EQ(table->cellAt(0, 4)->text(QAccessible::Name), "");
    EXPECT_EQ(table->cellAt(5, 0)->text(QAccessible::Name), "31");
    EXPECT_EQ(page->focusChild(), table->cellAt(1, 1));
    EXPECT_EQ(page->focusChild()->text(QAccessible::Name), "4");
    // Each cell lies on the page shown, the weeks in order down it.
    const QRect shown = page->rect();
    EXPECT_TRUE(readAsShowing(first));
    EXPECT_TRUE(shown.contains(first->rect())) << first->rect().x() << " " << first->rect().y();
    EXPECT_TRUE(shown.contains(table->cellAt(5, 6)->rect()));
    EXPECT_LT(first->rect().bottom(), table->cellAt(1, 5)->rect().top() + 2);

    window->monthView->setSelectedDate(QDate(2026, 2, 14)); // four weeks
    settle();
    EXPECT_EQ(page->text(QAccessible::Name), "February 2026");
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(page->focusChild()->text(QAccessible::Name), "14");
}

TEST_F(CalendarMakerWindowTest, RemovedTopToolbarIsHiddenAndNothingElseChanges) {
    services.program.TopToolbarState = 99;
    services.program.SideToolbarState = 88;
    open();
    EXPECT_FALSE(window->toolbar->isVisible());
    EXPECT_FALSE(window->statusPanels->isPanelShown(2));
    EXPECT_FALSE(window->statusPanels->isPanelShown(3));
    EXPECT_TRUE(window->leftToolbar->isVisible());
    EXPECT_TRUE(window->rightToolbar->isVisible());
}

TEST_F(CalendarMakerWindowTest, ADateOrAnAlignmentChosenRebuildsTheMonth) {
    open();
    // A click on a day of the next month shown in the month view.
    window->monthView->setSelectedDate(QDate(2005, 7, 4));
    emit window->monthView->clicked(QDate(2005, 7, 4));
    settle();
    EXPECT_EQ(window->ChosenDate, QDateTime(QDate(2005, 7, 4), QTime(10, 0)));
    ASSERT_EQ(window->BuiltMonth.rows.size(), 6);
    EXPECT_EQ(window->BuiltMonth.chosenRow, 1);
    EXPECT_EQ(window->BuiltMonth.chosenColumn, 1);
    EXPECT_EQ(QApplication::focusWidget(), window->printButton);

    QTest::mouseClick(window->alignmentButtons[1], Qt::LeftButton);
    settle();
    EXPECT_EQ(window->NumberAlignment, 1);
    QTest::mouseClick(window->alignmentButtons[0], Qt::LeftButton);
    settle();
    EXPECT_EQ(window->NumberAlignment, 0);
}

// The texts of the page the preview shows, in order.
QStringList pageTexts(const CalendarMakerWindow& window) {
    QStringList texts;
    for (const PrintPage& page : window.calendarPage->layout().document().pages) {
        for (const PrintItem& item : page.items) {
            if (const auto* text = std::get_if<PrintText>(&item)) {
                texts.append(text->text);
            }
        }
    }
    return texts;
}

TEST_F(CalendarMakerWindowTest, ThePreviewShowsTheChosenMonthAndPrintsIt) {
    open();
    EXPECT_EQ(pageTexts(*window).first(), "March 2026");
    window->monthView->setSelectedDate(QDate(2015, 2, 14));
    settle();
    const QStringList texts = pageTexts(*window);
    EXPECT_EQ(texts.first(), "February 2015");
    EXPECT_EQ(texts.mid(1, 7), (QStringList{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}));
    EXPECT_EQ(texts.mid(8, 3), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(texts.last(), "28");
    EXPECT_EQ(window->calendarPage->layout().pageCount(), 1);

    // The print dialog each time: the first cancelled, the second sent to a file.
    QTemporaryDir folder;
    fake.printer.pdfFile = folder.filePath("calendar.pdf");
    fake.printer.results = {Printer::Result::Cancelled};
    window->printButton->click();
    EXPECT_FALSE(QFile::exists(fake.printer.pdfFile));
    window->leftToolbarButton(1)->trigger();
    ASSERT_EQ(fake.printer.jobs.size(), 2);
    EXPECT_EQ(fake.printer.jobs[0].title, "February 2015");
    EXPECT_TRUE(PdfWords::printedAsLaidOut(fake.printer.pdfFile,
                                           window->calendarPage->layout().document()));
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
}

// A keyboard user walks the month with the arrow keys: each key rebuilds the page, and the focus
// stays on the month's days, so that the next arrow goes on from there. A month arrow clicked
// leaves the focus on the month too.
TEST_F(CalendarMakerWindowTest, ArrowKeysMoveTheDayWhileTheFocusStaysOnTheMonth) {
    open();
    // Back from Exit, past Print and the alignment.
    for (int presses = 0;
         presses < 5 && !window->monthView->isAncestorOf(QApplication::focusWidget()); ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    }
    QWidget* days = QApplication::focusWidget();
    ASSERT_TRUE(window->monthView->isAncestorOf(days));
    const struct {
        Qt::Key key;
        QDate chosen;
    } steps[] = {
        {Qt::Key_Right, {2026, 3, 26}},
        {Qt::Key_Down, {2026, 4, 2}},
        {Qt::Key_Left, {2026, 4, 1}},
        {Qt::Key_PageDown, {2026, 5, 1}},
    };
    for (const auto& step : steps) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        settle();
        EXPECT_EQ(window->ChosenDate.date(), step.chosen) << step.key;
        EXPECT_EQ(pageTexts(*window).first(), DateNames::monthTitle(step.chosen)) << step.key;
        EXPECT_EQ(QApplication::focusWidget(), days) << step.key;
    }
    // Enter on the month closes nothing.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_TRUE(window->isVisible());

    window->exitButton->setFocus(Qt::TabFocusReason);
    auto* nextMonth = window->monthView->findChild<QToolButton*>("qt_calendar_nextmonth");
    ASSERT_NE(nextMonth, nullptr);
    QTest::mouseClick(nextMonth, Qt::LeftButton);
    settle();
    EXPECT_EQ(window->ChosenDate.date(), QDate(2026, 6, 1));
    EXPECT_EQ(QApplication::focusWidget(), days);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    settle();
    EXPECT_EQ(window->ChosenDate.date(), QDate(2026, 6, 2));
}

TEST_F(CalendarMakerWindowTest, HelpAndExitByKeys) {
    open();
    QTest::keyClick(window->monthView, Qt::Key_F1);
    window->helpAction->trigger();
    window->leftToolbarButton(2)->trigger();
    EXPECT_EQ(fake.help.topics, (QList<int>{3080, 3080, 3080}));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(window->isVisible());
}

} // namespace

TEST_F(CalendarMakerWindowTest, PagingTheMonthViewRebuildsAndPrintsTheMonthShown) {
    open();
    window->monthView->setSelectedDate(QDate(2005, 1, 31));
    settle();
    window->monthView->showNextMonth();
    settle();
    EXPECT_EQ(window->monthView->selectedDate(), QDate(2005, 2, 28));
    EXPECT_EQ(pageTexts(*window).first(), "February 2005");
    EXPECT_EQ(pageTexts(*window).last(), "28");
    window->monthView->showPreviousYear();
    settle();
    EXPECT_EQ(pageTexts(*window).first(), "February 2004");
    EXPECT_EQ(pageTexts(*window).last(), "29");

    window->printButton->click();
    ASSERT_EQ(fake.printer.jobs.size(), 1);
    EXPECT_EQ(fake.printer.jobs[0].title, "February 2004");
}
