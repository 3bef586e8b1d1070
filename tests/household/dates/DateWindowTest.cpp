#include "DateWindowFixture.h"

#include "AccessibilityEvents.h"
#include "DateNames.h"
#include "DatePrintout.h"
#include "PanelColours.h"
#include "PdfWords.h"
#include "PrintLayout.h"
#include "ScreenReader.h"
#include "SettingsFile.h"
#include "StatusBar.h"
#include "Toolbar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

TEST_F(DateWindowTest, OpensOnTodayWithTheYearsItAccepts) {
    expectShowing(QDate(2026, 3, 25));
    EXPECT_EQ(spokenName(window->weekday), "Wednesday");
    EXPECT_EQ(spokenDescription(window->weekday), "Weekday");
    ASSERT_EQ(window->yearList->count(), 748);
    EXPECT_EQ(window->yearList->itemText(0), "1753");
    EXPECT_EQ(window->yearList->itemText(747), "2500");
    EXPECT_EQ(window->monthView->minimumDate(), QDate(1753, 1, 1));
    EXPECT_EQ(window->monthView->maximumDate(), QDate(9999, 12, 31));
    for (int button : {14, 16, 17}) {
        EXPECT_FALSE(window->toolbar->button(button)->isEnabled()) << button;
    }
    EXPECT_TRUE(window->toolbar->button(15)->isEnabled() == services.windows.has(15));
    EXPECT_EQ(window->statusPanels->panelText(1), "Date Function");
    EXPECT_EQ(services.program.PrintSettings.PrintFontUnderline, SharedValue(false));
    EXPECT_EQ(services.program.PrintSettings.PrintFontStrikethru, SharedValue(false));
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    // In the full-screen display the boxes cover most of their lists, the buttons left free.
    EXPECT_EQ(window->monthBox->width(), qRound(0.85 * window->monthList->width()));
    EXPECT_EQ(window->dayBox->width(), qRound(0.74 * window->dayList->width()));
    EXPECT_EQ(window->yearBox->width(), qRound(0.8 * window->yearList->width()));
}

TEST_F(DateWindowTest, AChosenMonthYearOrDayIsClampedToTheMonth) {
    const struct {
        QDate start;
        DropDownList* DateWindow::*list;
        const char* item;
        QDate shown;
    } cases[] = {
        {QDate(2005, 1, 31), &DateWindow::monthList, "April", QDate(2005, 4, 30)},
        {QDate(2001, 1, 30), &DateWindow::monthList, "February", QDate(2001, 2, 28)},
        {QDate(2004, 1, 30), &DateWindow::monthList, "February", QDate(2004, 2, 29)},
        {QDate(2000, 2, 29), &DateWindow::yearList, "1900", QDate(1900, 2, 28)},
        {QDate(2004, 2, 29), &DateWindow::yearList, "2005", QDate(2005, 2, 28)},
        {QDate(2005, 6, 1), &DateWindow::dayList, "31", QDate(2005, 6, 30)},
        {QDate(2001, 2, 1), &DateWindow::dayList, "31", QDate(2001, 2, 28)},
        {QDate(2005, 7, 1), &DateWindow::dayList, "4", QDate(2005, 7, 4)},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.shown.toString(Qt::ISODate).toStdString());
        chooseDate(entry.start);
        choose(window.get()->*entry.list, entry.item);
        expectShowing(entry.shown);
    }
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
}

TEST_F(DateWindowTest, TypedYearsOutsideTheRangeAreReportedOnceAndReplaced) {
    const struct {
        const char* typed;
        const char* title;
        QDate shown;
    } cases[] = {
        {"1700", "Minimum Year", QDate(1753, 7, 4)}, {"3000", "Maximum Year", QDate(2500, 7, 4)},
        {"abcd", "Minimum Year", QDate(1753, 7, 4)}, {"0000", "Minimum Year", QDate(1753, 7, 4)},
        {"19ab", "Minimum Year", QDate(1753, 7, 4)}, {"1999", nullptr, QDate(1999, 7, 4)},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.typed);
        chooseDate(QDate(2005, 7, 4));
        fake.dialogs.shown.clear();
        typeYear(entry.typed);
        expectShowing(entry.shown);
        EXPECT_EQ(messageTitles(), entry.title ? QStringList{entry.title} : QStringList{});
    }
    EXPECT_EQ(fake.dialogs.shown.size(), 0);
    typeYear("1700");
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].text, "Lower value cannot be less then 1753!");
    EXPECT_EQ(fake.dialogs.shown[0].icon, Dialogs::Icon::Information);
    typeYear("3000");
    EXPECT_EQ(fake.dialogs.shown[1].text, "Upper value cannot be more then 2500!");
}

TEST_F(DateWindowTest, AnUnfinishedYearChangesNothingUntilItsFourthCharacter) {
    chooseDate(QDate(2005, 7, 4));
    typeYear("19");
    EXPECT_EQ(window->yearBox->text(), "19");
    EXPECT_EQ(window->chosenDate(), QDate(2005, 7, 4));
    EXPECT_EQ(window->weekday->text(), "Monday");

    // Lists chosen meanwhile find no year: the month view and the weekday stay as they were.
    choose(window->monthList, "February");
    choose(window->dayList, "31");
    EXPECT_EQ(window->chosenDate(), QDate(2005, 7, 4));
    EXPECT_EQ(window->weekday->text(), "Monday");
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());

    // The fourth character resolves the whole date.
    QTest::keyClicks(window->yearBox, "04");
    settle();
    expectShowing(QDate(1904, 2, 29));
}

TEST_F(DateWindowTest, ALeapDayMovedIntoTheFirstYearBecomesTheTwentyEighth) {
    chooseDate(QDate(2004, 2, 29));
    typeYear("1700");
    expectShowing(QDate(1753, 2, 28));
    EXPECT_EQ(window->weekday->text(), "Wednesday");
    EXPECT_EQ(messageTitles(), QStringList{"Minimum Year"});
}

TEST_F(DateWindowTest, PastedTextIsCutToFourCharacters) {
    window->yearBox->selectAll();
    window->yearBox->insert("20051999");
    settle();
    expectShowing(QDate(2005, 3, 25));
}

TEST_F(DateWindowTest, TheMonthViewLeadsTheFields) {
    window->monthView->setSelectedDate(QDate(2015, 2, 14)); // as a click on a day does
    settle();
    expectShowing(QDate(2015, 2, 14));

    // Paging keeps the day where the month has it, else its last day.
    chooseDate(QDate(2005, 1, 31));
    window->monthView->showNextMonth();
    settle();
    expectShowing(QDate(2005, 2, 28));
    window->monthView->showPreviousYear();
    settle();
    expectShowing(QDate(2004, 2, 28));
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
}

TEST_F(DateWindowTest, PagingPastTheLastYearComesBackToIt) {
    chooseDate(QDate(2500, 12, 15));
    window->monthView->showNextMonth();
    settle();
    EXPECT_EQ(messageTitles(), QStringList{"Maximum Year"});
    expectShowing(QDate(2500, 1, 15));

    fake.dialogs.shown.clear();
    window->monthView->setSelectedDate(QDate(2504, 2, 29)); // a leap day of a later year
    settle();
    EXPECT_EQ(messageTitles(), QStringList{"Maximum Year"});
    expectShowing(QDate(2500, 2, 28));
}

// A screen reader reads the fields' lists: each stands at what its box shows, whatever changed
// the date, and the keys step it from the value shown. Each field is one Tab stop, its box.
TEST_F(DateWindowTest, TheListsReadWhatTheBoxesShowAndStepFromIt) {
    const auto expectListsRead = [this](const QDate& date) {
        expectShowing(date);
        const DateFields shown = fieldsOf(date);
        EXPECT_EQ(spokenValue(window->monthList), shown.month);
        EXPECT_EQ(spokenValue(window->dayList), shown.day);
        EXPECT_EQ(spokenValue(window->yearList), shown.year);
    };
    window->monthView->setSelectedDate(QDate(2026, 12, 11)); // as a click on a day does
    expectListsRead(QDate(2026, 12, 11));

    const struct {
        QLineEdit* DateWindow::*box;
        Qt::Key key;
        QDate date;
    } steps[] = {
        {&DateWindow::dayBox, Qt::Key_Down, QDate(2026, 12, 12)},
        {&DateWindow::dayBox, Qt::Key_PageUp, QDate(2026, 12, 11)},
        {&DateWindow::monthBox, Qt::Key_Up, QDate(2026, 11, 11)},
        {&DateWindow::yearBox, Qt::Key_Down, QDate(2027, 11, 11)},
        {&DateWindow::monthBox, Qt::Key_Down, QDate(2027, 12, 11)},
        {&DateWindow::monthBox, Qt::Key_Down, QDate(2027, 12, 11)}, // the last month stays
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.date.toString().toStdString());
        (window.get()->*step.box)->setFocus();
        QTest::keyClick(window.get()->*step.box, step.key);
        settle();
        expectListsRead(step.date);
    }

    typeYear("2030");
    expectListsRead(QDate(2030, 12, 11));
    // A year half typed leaves its list at the last whole one, and a step goes on from there.
    typeYear("19");
    EXPECT_EQ(spokenValue(window->yearList), "2030");
    QTest::keyClick(window->yearBox, Qt::Key_Up);
    settle();
    expectListsRead(QDate(2029, 12, 11));

    // Tab goes from box to box; the lists take no stop of their own.
    window->monthBox->setFocus();
    QTest::keyClick(window->monthBox, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->dayBox);
    QTest::keyClick(window->dayBox, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->yearBox);
}

// A date stepped or typed in a box shows in the month view, but the focus, and with it a screen
// reader, stays in the box: every focus event goes to the box, none to a day of the month.
TEST_F(DateWindowTest, SteppingOrTypingADateTellsNoFocusMoveToTheMonthView) {
    window->monthView->setSelectedDate(QDate(2026, 12, 11));
    AccessibilityEvents heard;
    window->monthBox->setFocus();
    settle();
    QTest::keyClick(window->monthBox, Qt::Key_Up);
    typeYear("2030");
    settle();
    EXPECT_EQ(window->chosenDate(), QDate(2030, 11, 11));
    ASSERT_FALSE(heard.focusMoves().isEmpty());
    for (const AccessibilityEvents::Event& move : heard.focusMoves()) {
        EXPECT_TRUE(move.object == window->monthBox || move.object == window->yearBox)
            << (move.object != nullptr ? move.object->metaObject()->className() : "none") << " "
            << move.name.toStdString();
    }
    // The day table itself still tells its moves while it has the focus.
    auto* days = window->monthView->findChild<QAbstractItemView*>("qt_calendar_calendarview");
    days->setFocus();
    heard.clear();
    QTest::keyClick(days, Qt::Key_Right);
    ASSERT_FALSE(heard.focusMoves().isEmpty());
    EXPECT_EQ(heard.focusMoves().last().object, days);
    EXPECT_EQ(heard.focusMoves().last().name, "12");
}

// F4 in a box opens its list at the value shown; a choice there is the list's choice.
TEST_F(DateWindowTest, AListOpenedFromItsBoxStandsAtTheShownValue) {
    chooseDate(QDate(2005, 7, 4));
    window->dayBox->setFocus();
    QTest::keyClick(window->dayBox, Qt::Key_F4);
    ASSERT_TRUE(window->dayList->view()->isVisible());
    EXPECT_EQ(window->dayList->view()->currentIndex().data().toString(), "4");
    QTest::keyClick(window->dayList->view(), Qt::Key_Down);
    QTest::keyClick(window->dayList->view(), Qt::Key_Return);
    settle();
    EXPECT_FALSE(window->dayList->view()->isVisible());
    expectShowing(QDate(2005, 7, 5));
    EXPECT_EQ(spokenValue(window->dayList), "5");
}

// The text of GColor3.Fil record 91 as stored: a 2-byte length, then the characters.
QByteArray record91(const FakePlatform& fake) {
    QFile file(fake.file("GColor3.Fil"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray record = file.readAll().mid(90 * 20, 20);
    return record.left(2 + quint8(record.at(0)));
}

QByteArray textRecord(const QByteArray& text) {
    return QByteArray(1, char(text.size())) + QByteArray(1, '\0') + text;
}

QColor colourArea(const DateWindow& window) {
    return window.colourArea->palette().color(QPalette::Window);
}

TEST_F(DateWindowTest, PanelColourIsLightCyanUntilOneIsSaved) {
    EXPECT_EQ(colourArea(*window), QColor(0, 255, 255));

    // No = the system default colour; Yes at exit stores "Default".
    fake.dialogs.answers = {Dialogs::Answer::No};
    window->panelColourAction->trigger();
    EXPECT_EQ(fake.dialogs.shown.last().title, "Panel Color");
    EXPECT_EQ(colourArea(*window), systemDefaultColour());
    EXPECT_EQ(window->statusPanels->panelText(1), "Date Function");
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->exitButton->click();
    EXPECT_EQ(fake.dialogs.shown.last().text, "Save changes made to Panel and or Text Color?");
    EXPECT_EQ(fake.dialogs.shown.last().title, "Color Changes");
    EXPECT_EQ(record91(fake), textRecord("Default"));

    // A colour from the dialog is stored as its number; the next opening shows it.
    open();
    EXPECT_EQ(colourArea(*window), systemDefaultColour());
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Yes};
    fake.dialogs.colors = {QColor(255, 0, 0)};
    window->leftToolbarButton(1)->trigger();
    window->exitAction->trigger();
    EXPECT_EQ(record91(fake), textRecord("255"));
    open();
    EXPECT_EQ(colourArea(*window), QColor(255, 0, 0));

    // Cancel in the question and no at exit leave the record as it was.
    fake.dialogs.answers = {Dialogs::Answer::Cancel};
    window->panelColourAction->trigger();
    fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::No};
    window->panelColourAction->trigger();
    window->exitButton->click();
    EXPECT_EQ(record91(fake), textRecord("255"));
}

TEST_F(DateWindowTest, PrintOffersThePrintDialogForTheChosenDate) {
    chooseDate(QDate(2004, 2, 29));
    window->printButton->click();
    ASSERT_EQ(fake.printer.jobs.size(), 1);
    EXPECT_EQ(fake.printer.jobs[0].pageCount, 1);
    EXPECT_EQ(fake.printer.fontRequests, QStringList{"Times New Roman"});
    EXPECT_EQ(services.program.PrintSettings.PrintFontName,
              SharedValue(QString("Times New Roman")));
    EXPECT_EQ(services.program.PrintSettings.PrintFontSize, SharedValue(qint32(24)));
    EXPECT_EQ(window->statusPanels->panelText(1), "Date Function");

    // The menu and the side toolbar print the same way; a cancelled dialog passes in silence.
    fake.printer.results = {Printer::Result::Cancelled};
    window->printAction->trigger();
    window->leftToolbarButton(2)->trigger();
    EXPECT_EQ(fake.printer.jobs.size(), 3);
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
}

TEST_F(DateWindowTest, WithoutAPrinterThePrintoutGoesToAFileInTheSystemsSerif) {
    fake.printer.refusedFonts = {"Times New Roman"};
    QTemporaryDir folder;
    fake.printer.pdfFile = folder.filePath("date.pdf");
    chooseDate(QDate(2005, 7, 4));
    window->printButton->click();
    EXPECT_EQ(services.program.PrintSettings.PrintFontName, SharedValue(QString("DejaVu Serif")));
    PrintLayout expected;
    DatePrintout::build(expected, PageGeometry{}, "DejaVu Serif", QDate(2005, 7, 4),
                        QDate(2026, 3, 25));
    EXPECT_TRUE(PdfWords::printedAsLaidOut(fake.printer.pdfFile, expected.document()));
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());

    // A file that cannot be written is reported; the window goes on.
    fake.printer.pdfFile = folder.filePath("no such folder/date.pdf");
    window->printButton->click();
    EXPECT_EQ(fake.dialogs.shownTexts(), QStringList{"The document could not be printed."});
    EXPECT_EQ(window->statusPanels->panelText(1), "Date Function");
    EXPECT_TRUE(window->isVisible());
}

TEST_F(DateWindowTest, HelpShowsTopic2004) {
    window->helpAction->trigger();
    window->leftToolbarButton(3)->trigger();
    window->toolbar->button(19)->trigger();
    EXPECT_EQ(fake.help.topics, (QList<int>{2004, 2004, 2004}));
}

} // namespace
