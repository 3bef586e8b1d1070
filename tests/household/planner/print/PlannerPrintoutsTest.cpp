#include "PlannerPrintouts.h"
#include "PdfWords.h"
#include "PlainPrintSettings.h"
#include "PrintJob.h"
#include "QtPrinter.h"

#include "TextMeasure.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

PrintSettings settingsAt(double size, bool underline = false) {
    PrintSettings settings = plainPrintSettings("Serif", size);
    settings.PrintFontUnderline = underline;
    settings.PrintFontColour = qint32(0x800000);
    return settings;
}

std::vector<PrintText> texts(const PrintPage& page) {
    std::vector<PrintText> found;
    for (const PrintItem& item : page.items) {
        if (const auto* text = std::get_if<PrintText>(&item)) {
            found.push_back(*text);
        }
    }
    return found;
}

std::vector<PrintLine> lines(const PrintPage& page) {
    std::vector<PrintLine> found;
    for (const PrintItem& item : page.items) {
        if (const auto* line = std::get_if<PrintLine>(&item)) {
            found.push_back(*line);
        }
    }
    return found;
}

const PrintText* find(const std::vector<PrintText>& placed, const QString& text, int nth = 0) {
    for (const PrintText& item : placed) {
        if (item.text == text && nth-- == 0) {
            return &item;
        }
    }
    return nullptr;
}

// Where a text's centre or left edge stands, as a fraction of the page width.
double centreOf(const PrintText& text, double width) {
    return (text.x + TextMeasure::width(text.font, text.text) / 2) / width;
}

DayPrint rows0_5_13() {
    DayPrint day;
    day.date = QDate(2025, 3, 7);
    day.times[0] = "9:00 AM";
    day.activities[0] = "Dentist";
    day.activities[5] = "Shopping";
    day.times[13] = "11:00 PM";
    return day;
}

TEST(PlannerPrintoutsTest, OneColumnPutsTheFilledRowsUnderTheHeadingsWithoutGaps) {
    PrintLayout layout;
    BuildDayPrintOneColumn(layout, rows0_5_13(), settingsAt(10));
    ASSERT_EQ(layout.pageCount(), 1);
    const auto placed = texts(layout.document().pages.at(0));
    const double w = layout.pageWidth();

    const PrintText* title = find(placed, "Appointments/Activities For March 7, 2025");
    ASSERT_NE(title, nullptr);
    EXPECT_NEAR(centreOf(*title, w), 0.5, 1e-9);
    EXPECT_EQ(title->font.size, 12);
    EXPECT_EQ(title->colour, QColor(0, 0, 128));
    const PrintText* time = find(placed, "Time");
    const PrintText* activity = find(placed, "Appointment/Activity");
    ASSERT_TRUE(time && activity);
    EXPECT_NEAR(centreOf(*time, w), 1 / 10.0, 1e-9);
    EXPECT_NEAR(centreOf(*activity, w), 1 / 3.0, 1e-9);
    EXPECT_TRUE(time->font.underline);
    EXPECT_EQ(time->y, activity->y);

    const double step = TextMeasure::lineHeight(time->font);
    const struct {
        const char* text;
        double line; // lines under the headings
        bool centred;
        double at;
    } rows[] = {{"9:00 AM", 1, true, 1 / 10.0},
                {"Dentist", 1, false, 1 / 6.0},
                {"Shopping", 2, false, 1 / 6.0},
                {"11:00 PM", 3, true, 1 / 10.0}};
    for (const auto& row : rows) {
        const PrintText* item = find(placed, row.text);
        ASSERT_NE(item, nullptr) << row.text;
        EXPECT_NEAR(item->y, time->y + 10 + row.line * step, 1e-6) << row.text;
        EXPECT_NEAR(row.centred ? centreOf(*item, w) : item->x / w, row.at, 1e-9) << row.text;
        EXPECT_EQ(item->font.size, 10);
        EXPECT_FALSE(item->font.underline) << row.text;
    }
}

TEST(PlannerPrintoutsTest, TwoColumnsPairRowsAndLeaveEmptyLinesOut) {
    DayPrint day = rows0_5_13();
    day.activities[9] = "Library";
    PrintLayout layout;
    BuildDayPrintTwoColumns(layout, day, settingsAt(10, true));
    const auto placed = texts(layout.document().pages.at(0));
    const double w = layout.pageWidth();

    const struct {
        const char* text;
        int nth;
        double centre;
    } headings[] = {{"Time", 0, 1 / 20.0},
                    {"Appointment/Activity", 0, 1 / 3.55},
                    {"Time", 1, 1 / 1.85},
                    {"Appointment/Activity", 1, 1 / 1.3}};
    for (const auto& heading : headings) {
        const PrintText* item = find(placed, heading.text, heading.nth);
        ASSERT_NE(item, nullptr);
        EXPECT_NEAR(centreOf(*item, w), heading.centre, 1e-9);
    }
    // Lines: rows 0/7, 2/9, 5/12 and 6/13; lines 1, 3 and 4 are left out.
    const PrintText* first = find(placed, "Dentist");
    const PrintText* second = find(placed, "Library");
    const PrintText* third = find(placed, "Shopping");
    const PrintText* fourth = find(placed, "11:00 PM");
    ASSERT_TRUE(first && second && third && fourth);
    const double step = TextMeasure::lineHeight(first->font);
    EXPECT_NEAR(second->y - first->y, step, 1e-6);
    EXPECT_NEAR(third->y - second->y, step, 1e-6);
    EXPECT_NEAR(fourth->y - third->y, step, 1e-6);
    EXPECT_NEAR(first->x / w, 1 / 9.0, 1e-9);
    EXPECT_NEAR(second->x / w, 1 / 1.65, 1e-9);
    EXPECT_NEAR(centreOf(*fourth, w), 1 / 1.85, 1e-9);
    // The print font's own underline reaches title and entries.
    EXPECT_TRUE(first->font.underline);
    EXPECT_TRUE(find(placed, "Appointments/Activities For March 7, 2025")->font.underline);
}

std::vector<MonthListing::Entry> monthRows(int count) {
    std::vector<MonthListing::Entry> rows;
    for (int index = 0; index < count; ++index) {
        rows.push_back({index % 3 == 0 ? MonthListing::dayLabel(index / 3 + 1) : QString(),
                        "9:00 AM", QString("Entry %1").arg(index + 1)});
    }
    return rows;
}

MonthPrint march2025(std::vector<MonthListing::Entry> rows, bool gridLines = true) {
    MonthPrint month;
    month.month = 3;
    month.year = 2025;
    month.today = QDate(2026, 1, 7);
    month.rows = std::move(rows);
    month.gridLines = gridLines;
    return month;
}

TEST(PlannerPrintoutsTest, EveryMonthPageCarriesTheHeadingAndEveryRowPrintsOnce) {
    PrintLayout layout;
    BuildMonthPrint(layout, march2025(monthRows(84)), settingsAt(14));
    ASSERT_GT(layout.pageCount(), 1);
    const PageGeometry& page = layout.page();
    const double w = page.width;
    int printed = 0;
    for (const PrintPage& sheet : layout.document().pages) {
        const auto placed = texts(sheet);
        const PrintText* title = find(placed, "Monthly Calendar For March, 2025");
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->y, page.top + 300);
        EXPECT_EQ(title->font.size, 16);
        const PrintText* asOf = find(placed, "As of  January 07, 2026");
        ASSERT_NE(asOf, nullptr);
        EXPECT_EQ(asOf->font.size, 12);
        for (const auto& [heading, centre] :
             {std::pair{"Day", 1 / 17.0}, {"Time", 1 / 5.0}, {"Appointment/Activity", 1 / 1.6}}) {
            const PrintText* item = find(placed, heading);
            ASSERT_NE(item, nullptr) << heading;
            EXPECT_NEAR(centreOf(*item, w), centre, 1e-9);
        }
        const double limit =
            page.height - page.bottom - 2 * TextMeasure::width(title->font, "P") * 14 / 16;
        for (const PrintText& item : placed) {
            if (item.text.startsWith("Entry")) {
                ++printed;
                EXPECT_NEAR(item.x / w, 1 / 3.3, 1e-9);
                EXPECT_LT(item.y, limit);
            }
        }
        EXPECT_EQ(lines(sheet).size(), 8U);
    }
    EXPECT_EQ(printed, 84);
    const auto first = texts(layout.document().pages.at(0));
    const PrintText* label = find(first, MonthListing::dayLabel(1).leftJustified(25));
    ASSERT_NE(label, nullptr);
    EXPECT_NEAR(label->x / w, 1 / 30.0, 1e-9);
}

TEST(PlannerPrintoutsTest, GridLinesFrameThePageAndOffLeaveTheSameText) {
    PrintLayout on;
    BuildMonthPrint(on, march2025(monthRows(3)), settingsAt(14));
    PrintLayout off;
    BuildMonthPrint(off, march2025(monthRows(3), false), settingsAt(14));
    const PrintPage& framed = on.document().pages.at(0);
    const PageGeometry& page = on.page();
    const double w = page.width;
    const double bottom = page.height - page.bottom;
    const double top = page.top + 300;
    const auto drawn = lines(framed);
    ASSERT_EQ(drawn.size(), 8U);
    const auto has = [&](double x1, double y1, double x2, double y2) {
        return std::any_of(drawn.begin(), drawn.end(), [&](const PrintLine& l) {
            return std::abs(l.x1 - x1) < 1e-6 && std::abs(l.y1 - y1) < 1e-6 &&
                   std::abs(l.x2 - x2) < 1e-6 && std::abs(l.y2 - y2) < 1e-6;
        });
    };
    EXPECT_TRUE(has(100, top, w - 100, top));
    EXPECT_TRUE(has(100, top, 100, bottom));
    EXPECT_TRUE(has(w - 100, top, w - 100, bottom));
    EXPECT_TRUE(has(100, bottom, w - 100, bottom));
    const auto withLines = texts(framed);
    const PrintText* asOf = find(withLines, "As of  January 07, 2026");
    ASSERT_NE(asOf, nullptr);
    const double underDate = asOf->y + TextMeasure::lineHeight(asOf->font);
    EXPECT_TRUE(has(w / 8.5, underDate, w / 8.5, bottom));
    EXPECT_TRUE(has(w / 3.5, underDate, w / 3.5, bottom));

    EXPECT_TRUE(lines(off.document().pages.at(0)).empty());
    const auto withoutLines = texts(off.document().pages.at(0));
    ASSERT_EQ(withLines.size(), withoutLines.size());
    for (std::size_t index = 0; index < withLines.size(); ++index) {
        EXPECT_EQ(withLines[index].text, withoutLines[index].text);
        EXPECT_EQ(withLines[index].y, withoutLines[index].y);
    }
}

TEST(PlannerPrintoutsTest, HugeFontsEndWithEveryRowPrintedOnce) {
    // At 200 points the heading alone reaches the page's limit: one row goes under each heading.
    for (const auto& [size, pages] : {std::pair{72.0, 0}, {200.0, 20}}) {
        PrintLayout layout;
        layout.setMargins(0, 0, 0, 0);
        BuildMonthPrint(layout, march2025(monthRows(20)), settingsAt(size));
        int printed = 0;
        for (const PrintPage& page : layout.document().pages) {
            for (const PrintText& item : texts(page)) {
                printed += item.text.startsWith("Entry") ? 1 : 0;
            }
        }
        EXPECT_EQ(printed, 20) << size;
        EXPECT_GT(layout.pageCount(), 1) << size;
        if (pages != 0) {
            EXPECT_EQ(layout.pageCount(), pages);
        }
    }
}

TEST(PlannerPrintoutsTest, AnEmptyMonthPrintsOnePageWithItsHeading) {
    PrintLayout layout;
    BuildMonthPrint(layout, march2025({{}}), settingsAt(14));
    ASSERT_EQ(layout.pageCount(), 1);
    EXPECT_NE(find(texts(layout.document().pages.at(0)), "Appointment/Activity"), nullptr);
}

// The longest entries a day page holds: every time 8 characters, every activity 45, the widest
// letters in capitals.
DayPrint longestDay() {
    DayPrint day;
    day.date = QDate(2025, 9, 30);
    for (std::size_t row = 0; row < day.times.size(); ++row) {
        day.times[row] = "10:45 PM";
        day.activities[row] = row % 2 == 0 ? "MEET MOM AND DAD AT THE MUSEUM OF MODERN ART"
                                           : "Take the car in for its oil change and walk down";
        day.activities[row].truncate(45);
    }
    return day;
}

std::vector<MonthListing::Entry> longestMonthRows() {
    std::vector<MonthListing::Entry> rows;
    for (int day = 1; day <= 3; ++day) {
        rows.push_back({MonthListing::dayLabel(day + 20), "10:45 PM",
                        "MEET MOM AND DAD AT THE MUSEUM OF MODERN ART"});
    }
    return rows;
}

// Where a placed text's ink may reach: from its x to its width without the blanks at its end,
// and one line high.
QRectF extentOf(const PrintText& text) {
    QString shown = text.text;
    while (shown.endsWith(' ')) {
        shown.chop(1);
    }
    return QRectF(text.x, text.y, TextMeasure::width(text.font, shown),
                  TextMeasure::lineHeight(text.font));
}

// Every text of the document on the paper, inside the margins from top to bottom, clear of
// every other text beside it on its line and of the column lines beside it; on the month page
// also inside the frame.
testing::AssertionResult keepsItsColumns(const PrintLayout& layout, bool monthPage) {
    const PageGeometry& page = layout.page();
    const double w = page.width;
    for (const PrintPage& sheet : layout.document().pages) {
        const auto placed = texts(sheet);
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const QRectF box = extentOf(placed[i]);
            const std::string what = placed[i].text.toStdString();
            if (box.left() < 0 || box.right() > w || box.top() < page.top - 1e-6 ||
                box.bottom() > page.height - page.bottom + 1e-6) {
                return testing::AssertionFailure() << "'" << what << "' leaves the page";
            }
            if (monthPage && (box.left() < 100 || box.right() > w - 100)) {
                return testing::AssertionFailure() << "'" << what << "' crosses the frame";
            }
            for (const PrintLine& line : lines(sheet)) {
                const bool beside = line.x1 == line.x2 && box.top() < std::max(line.y1, line.y2) &&
                                    box.bottom() > std::min(line.y1, line.y2);
                if (beside && box.left() < line.x1 && box.right() > line.x1) {
                    return testing::AssertionFailure() << "'" << what << "' crosses a column line";
                }
            }
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                const QRectF other = extentOf(placed[j]);
                const bool sameLine =
                    std::min(box.bottom(), other.bottom()) - std::max(box.top(), other.top()) >
                    box.height() / 2;
                if (sameLine && box.intersects(other) && !placed[j].text.trimmed().isEmpty() &&
                    !placed[i].text.trimmed().isEmpty()) {
                    return testing::AssertionFailure()
                           << "'" << what << "' runs into '" << placed[j].text.toStdString() << "'";
                }
            }
        }
    }
    return testing::AssertionSuccess();
}

struct Printout {
    const char* name;
    bool monthPage;
    std::function<void(PrintLayout&, const PrintSettings&)> build;
};

const Printout kPrintouts[] = {
    {"day, one column", false,
     [](PrintLayout& layout, const PrintSettings& settings) {
         BuildDayPrintOneColumn(layout, longestDay(), settings);
     }},
    {"day, two columns", false,
     [](PrintLayout& layout, const PrintSettings& settings) {
         BuildDayPrintTwoColumns(layout, longestDay(), settings);
     }},
    {"month", true,
     [](PrintLayout& layout, const PrintSettings& settings) {
         BuildMonthPrint(layout, march2025(longestMonthRows()), settings);
     }},
};

// The face printouts take where the desktop has no "Times New Roman", and the widest face the
// font dialog offers here.
QStringList faces() {
    return {QtPrinter().substituteFor("Times New Roman"), "DejaVu Sans Mono"};
}

TEST(PlannerPrintoutsTest, TheLongestEntriesKeepTheirColumnsAndThePaperAtEverySize) {
    for (const Printout& printout : kPrintouts) {
        for (const QString& face : faces()) {
            for (const double size : {10.0, 14.0, 24.0, 72.0, 999.0}) {
                for (const bool marginless : {false, true}) {
                    SCOPED_TRACE(QString("%1, %2 at %3%4")
                                     .arg(printout.name, face)
                                     .arg(size)
                                     .arg(marginless ? ", margins 0" : "")
                                     .toStdString());
                    PrintLayout layout;
                    if (marginless) {
                        layout.setMargins(0, 0, 0, 0);
                    }
                    printout.build(layout, plainPrintSettings(face, size));
                    EXPECT_TRUE(keepsItsColumns(layout, printout.monthPage));
                }
            }
        }
    }
}

TEST(PlannerPrintoutsTest, EntriesThatFitKeepTheSizeAsked) {
    PrintLayout layout;
    BuildDayPrintTwoColumns(layout, rows0_5_13(), settingsAt(10));
    const auto placed = texts(layout.document().pages.at(0));
    EXPECT_EQ(find(placed, "Dentist")->font.size, 10);
    EXPECT_EQ(find(placed, "11:00 PM")->font.size, 10);
}

// On paper: the words of the longest entries as the PDF file holds them, each on the paper and
// none running into the word beside it.
TEST(PlannerPrintoutsTest, TheLongestEntriesPrintInsideTheirColumnsAndThePaperInAFile) {
    QTemporaryDir folder;
    for (const Printout& printout : kPrintouts) {
        for (const double size : {10.0, 14.0, 999.0}) {
            SCOPED_TRACE(QString("%1 at %2").arg(printout.name).arg(size).toStdString());
            PrintLayout layout;
            printout.build(layout, plainPrintSettings(faces().front(), size));
            const QString path = folder.filePath("planner.pdf");
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            ASSERT_EQ(printJob(printer, printJobOf(layout.document(), printout.name)),
                      Printer::Result::Printed);
            const auto words = PdfWords::read(path);
            ASSERT_TRUE(words);
            const QRectF paper(0, 0, layout.pageWidth() / 20, layout.pageHeight() / 20);
            int museums = 0;
            int arts = 0;
            for (const PdfWords::Word& word : *words) {
                EXPECT_TRUE(paper.contains(word.box)) << word.text.toStdString();
                EXPECT_FALSE(word.text.contains(QRegularExpression("[a-zA-Z]\\d")))
                    << word.text.toStdString() << " runs into a time";
                museums += word.text == "MUSEUM" ? 1 : 0;
                arts += word.text == "ART" ? 1 : 0;
            }
            EXPECT_GT(museums, 0);
            EXPECT_EQ(arts, museums) << "every activity printed to its last word";
        }
    }
}

} // namespace
