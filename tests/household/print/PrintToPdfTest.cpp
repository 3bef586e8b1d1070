// Every printout printed through the real printer path to a PDF file, its text read back with
// its positions: each text lands where the document's layout placed it, within a point.
#include "DatePrintout.h"
#include "MonthCalendarPage.h"
#include "PdfWords.h"
#include "PlainPrintSettings.h"
#include "PlannerPrintouts.h"
#include "PrintJob.h"
#include "PrintLayout.h"
#include "QtPrinter.h"
#include "ThoughtPrintout.h"
#include "ToDoPrintLayouts.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Letter paper with margins of different widths, so that a printout shifted by any of them
// shows.
PageGeometry pageOf(PrintLayout::Orientation orientation) {
    const PageGeometry portrait{12240, 15840, 1080, 720, 1800, 1260};
    if (orientation == PrintLayout::Orientation::Portrait) {
        return portrait;
    }
    return PageGeometry{portrait.height, portrait.width, 1080, 720, 1800, 1260};
}

// The print font as a window's preview fills it where the desktop has no "Times New Roman".
PrintSettings serifSettings(double size) {
    return plainPrintSettings(QtPrinter().substituteFor("Times New Roman"), size);
}

PrintFont serifFont(double size) {
    PrintFont font;
    font.name = QtPrinter().substituteFor("Times New Roman");
    font.size = size;
    return font;
}

DayPrint dayPrint() {
    DayPrint day{QDate(2025, 3, 7), {}, {}};
    day.times[0] = "8:00 AM";
    day.activities[0] = "Dentist with Anna";
    day.times[5] = "1:30 PM";
    day.activities[5] = "Library books due";
    day.times[9] = "6:00 PM";
    day.activities[9] = "Soccer practice";
    return day;
}

MonthPrint monthPrint(int entries) {
    MonthPrint month{3, 2025, QDate(2025, 3, 7), {}, true};
    for (int i = 0; i < entries; ++i) {
        month.rows.push_back({i % 2 == 0 ? QString(" %1th").arg(4 + i / 2) : QString(),
                              QString("%1:00 AM").arg(8 + i % 4),
                              QString("Errand number %1").arg(i)});
    }
    return month;
}

std::vector<ToDoRow> toDoRows() {
    return {{"Pay electric bill", "03/27/2026", ""},
            {"Renew library card", "04/02/2026", "03/30/2026"},
            {"Call grandma", "", ""}};
}

ToDoPrintLayouts::Options toDoOptions(double size) {
    return {serifFont(size), Qt::black, false, false, QDate(2026, 3, 25)};
}

struct Printout {
    const char* name;
    std::function<void(PrintLayout&)> build;
    bool turns = true; // laid out on the page it is given, in either orientation
};

const Printout kPrintouts[] = {
    {"thought",
     [](PrintLayout& layout) {
         RenderThoughtPage(layout, "A kind word\rgoes a long way.", serifSettings(24));
     }},
    {"date printout",
     [](PrintLayout& layout) {
         const PageGeometry page = layout.page();
         DatePrintout::build(layout, page, serifFont(24).name, QDate(2005, 7, 4),
                             QDate(2026, 3, 25));
     }},
    {"month calendar",
     [](PrintLayout& layout) {
         MonthCalendarPage::build(layout, QDate(2005, 7, 4), BuildMonthGrid(QDate(2005, 7, 4)),
                                  MonthCalendarPage::AlignLeft);
     },
     false},
    {"planner day, one column",
     [](PrintLayout& layout) { BuildDayPrintOneColumn(layout, dayPrint(), serifSettings(10)); }},
    {"planner day, two columns",
     [](PrintLayout& layout) { BuildDayPrintTwoColumns(layout, dayPrint(), serifSettings(10)); }},
    {"planner month over two pages",
     [](PrintLayout& layout) { BuildMonthPrint(layout, monthPrint(60), serifSettings(14)); }},
    {"to-do list",
     [](PrintLayout& layout) { ToDoPrintLayouts::buildList(layout, toDoRows(), toDoOptions(14)); }},
    {"to-do worksheet",
     [](PrintLayout& layout) { ToDoPrintLayouts::buildWorksheet(layout, toDoOptions(18)); }},
};

TEST(PrintToPdfTest, EveryPrintoutLandsWhereItsLayoutPlacedIt) {
    QTemporaryDir folder;
    for (const Printout& printout : kPrintouts) {
        for (const auto orientation :
             {PrintLayout::Orientation::Portrait, PrintLayout::Orientation::Landscape}) {
            const bool landscape = orientation == PrintLayout::Orientation::Landscape;
            if (landscape && !printout.turns) {
                continue;
            }
            SCOPED_TRACE(std::string(printout.name) + (landscape ? ", landscape" : ", portrait"));
            PrintLayout layout;
            layout.setPage(pageOf(orientation));
            printout.build(layout);
            const PrintDocument& document = layout.document();
            ASSERT_FALSE(document.pages.empty());

            const QString path = folder.filePath("printout.pdf");
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            ASSERT_EQ(printJob(printer, printJobOf(document, printout.name)),
                      Printer::Result::Printed);
            EXPECT_TRUE(PdfWords::printedAsLaidOut(path, document));
        }
    }
}

TEST(PrintToPdfTest, ThePaperIsTheDocumentsInEitherOrientation) {
    QTemporaryDir folder;
    for (const auto orientation :
         {PrintLayout::Orientation::Portrait, PrintLayout::Orientation::Landscape}) {
        PrintLayout layout;
        layout.setPage(pageOf(orientation));
        layout.startDocument();
        layout.paragraph("First page");
        layout.newPage();
        layout.filledBox(2000, 2000, 1000, 1000, Qt::yellow);
        layout.endDocument();
        const QString path = folder.filePath("pages.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        ASSERT_EQ(printJob(printer, printJobOf(layout.document(), "Pages")),
                  Printer::Result::Printed);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString content = QString::fromLatin1(file.readAll());
        EXPECT_EQ(content.count(QRegularExpression("/Type\\s*/Page\\b(?!s)")), 2);
        const QString box = orientation == PrintLayout::Orientation::Portrait
                                ? "/MediaBox\\s*\\[0 0 612(\\.0+)? 792(\\.0+)?\\]"
                                : "/MediaBox\\s*\\[0 0 792(\\.0+)? 612(\\.0+)?\\]";
        EXPECT_TRUE(content.contains(QRegularExpression(box))) << box.toStdString();
    }
}

// The pages, copies, collation and page order chosen in the print dialog, on a printer (a PDF
// file) that makes no copies of its own.
TEST(PrintToPdfTest, TheDialogsPagesCopiesAndOrderComeOutOfTheFile) {
    PrintLayout layout;
    layout.startDocument();
    layout.paragraph("First");
    layout.newPage();
    layout.paragraph("Second");
    layout.newPage();
    layout.paragraph("Third");
    layout.endDocument();
    const struct {
        const char* name;
        int from, to; // 0 for all pages
        int copies;
        bool collate;
        QPrinter::PageOrder order;
        QStringList pages;
    } cases[] = {
        {"a page range", 2, 3, 1, true, QPrinter::FirstPageFirst, {"Second", "Third"}},
        {"a page range, last first", 2, 3, 1, true, QPrinter::LastPageFirst, {"Third", "Second"}},
        {"two collated copies",
         0,
         0,
         2,
         true,
         QPrinter::FirstPageFirst,
         {"First", "Second", "Third", "First", "Second", "Third"}},
        {"two collated copies, last first",
         0,
         0,
         2,
         true,
         QPrinter::LastPageFirst,
         {"Third", "Second", "First", "Third", "Second", "First"}},
        {"two copies not collated, last first",
         0,
         0,
         2,
         false,
         QPrinter::LastPageFirst,
         {"Third", "Third", "Second", "Second", "First", "First"}},
        {"three copies of a range, not collated",
         1,
         2,
         3,
         false,
         QPrinter::FirstPageFirst,
         {"First", "First", "First", "Second", "Second", "Second"}},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath("copies.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        ASSERT_FALSE(printer.supportsMultipleCopies());
        if (c.from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(c.from, c.to);
        }
        printer.setCopyCount(c.copies);
        printer.setCollateCopies(c.collate);
        printer.setPageOrder(c.order);
        ASSERT_EQ(printJob(printer, printJobOf(layout.document(), "Copies")),
                  Printer::Result::Printed);
        EXPECT_EQ(PdfWords::pageTexts(path), c.pages);
    }
}

TEST(PrintJobTest, PageLayoutsRoundTripInTwips) {
    const PageGeometry a4landscape{16838, 11906, 720, 1440, 720, 1440};
    const PageGeometry back = pageGeometryOf(pageLayoutOf(a4landscape));
    EXPECT_NEAR(back.width, a4landscape.width, 20);
    EXPECT_NEAR(back.height, a4landscape.height, 20);
    EXPECT_NEAR(back.left, 720, 1);
    EXPECT_NEAR(back.bottom, 1440, 1);
    EXPECT_EQ(pageGeometryOf(letterPageLayout()), PageGeometry{});
}

} // namespace
