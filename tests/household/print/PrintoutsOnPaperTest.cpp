// The to-do list, the to-do worksheet and the thought printed to PDF files at small to the largest
// sizes, with no margins and wide ones, on Letter and A4 paper, their words read back with their
// places: every word on the paper and inside its column, no row split, one page where the
// printout is one page.
#include "PdfWords.h"
#include "PlainPrintSettings.h"
#include "PrintJob.h"
#include "PrintLayout.h"
#include "QtPrinter.h"
#include "ThoughtPrintout.h"
#include "ToDoPrintLayouts.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

// Its own namespace: the tests of this folder are compiled together.
namespace on_paper {
namespace {

constexpr double kMillimetre = 1440 / 25.4;

struct Paper {
    const char* name;
    double width;
    double height;
};

const Paper kPapers[] = {{"Letter", 12240, 15840}, {"A4", 210 * kMillimetre, 297 * kMillimetre}};
const double kMargins[] = {0, 60 * kMillimetre};
const double kSizes[] = {10, 20, 24, 72, 999};

// Each case of paper, margins and size, its name for the failure messages.
void forEveryCase(const std::function<void(const PageGeometry&, double)>& check) {
    for (const Paper& paper : kPapers) {
        for (const double margin : kMargins) {
            for (const double size : kSizes) {
                SCOPED_TRACE(QString("%1, margins %2 mm, %3 pt")
                                 .arg(paper.name)
                                 .arg(qRound(margin / kMillimetre))
                                 .arg(size)
                                 .toStdString());
                check({paper.width, paper.height, margin, margin, margin, margin}, size);
            }
        }
    }
}

// The words of the document printed to a PDF file, in points; nothing when it could not print.
std::optional<QList<PdfWords::Word>> printed(const PrintLayout& layout) {
    QTemporaryDir folder;
    const QString path = folder.filePath("printout.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (printJob(printer, printJobOf(layout.document(), "printout")) != Printer::Result::Printed) {
        return std::nullopt;
    }
    return PdfWords::read(path);
}

QString serif() {
    return QtPrinter().substituteFor("Times New Roman");
}

double points(double twips) {
    return twips / PrintUnits::kTwipsPerPoint;
}

// Whether the word lies between left and right, in twips.
bool between(const PdfWords::Word& word, double left, double right) {
    return word.box.left() >= points(left) && word.box.right() <= points(right);
}

testing::AssertionResult onThePaper(const QList<PdfWords::Word>& words, const PageGeometry& page) {
    // The file's numbers have six decimals.
    const QRectF paper =
        QRectF(0, 0, points(page.width), points(page.height)).adjusted(-1e-3, -1e-3, 1e-3, 1e-3);
    for (const PdfWords::Word& word : words) {
        if (!paper.contains(word.box)) {
            return testing::AssertionFailure() << "'" << word.text.toStdString() << "' on page "
                                               << word.page + 1 << " leaves the paper";
        }
    }
    return testing::AssertionSuccess();
}

// The column of the word among columns (each from its edge to the next), or -1 when it crosses
// an edge or lies outside them.
int columnOf(const PdfWords::Word& word, const std::vector<double>& edges) {
    for (std::size_t column = 0; column + 1 < edges.size(); ++column) {
        if (between(word, edges[column], edges[column + 1])) {
            return int(column);
        }
    }
    return -1;
}

// Whether two words stand on one line: the middle of one lies within the other's height.
bool onOneLine(const PdfWords::Word& a, const PdfWords::Word& b) {
    const auto within = [](const QRectF& box, double y) {
        return y > box.top() && y < box.bottom();
    };
    return a.page == b.page &&
           (within(a.box, b.box.center().y()) || within(b.box, a.box.center().y()));
}

// The words as a person reads the paper, whatever order the file keeps them in (which the face's
// measures change): page by page, line by line from the top, each line from the left; a line is the
// words standing on one line with its first word, whatever their sizes.
QList<PdfWords::Word> asRead(QList<PdfWords::Word> words) {
    std::stable_sort(words.begin(), words.end(), [](const auto& a, const auto& b) {
        return std::pair(a.page, a.box.center().y()) < std::pair(b.page, b.box.center().y());
    });
    QList<PdfWords::Word> read;
    for (qsizetype first = 0; first < words.size();) {
        qsizetype end = first + 1;
        while (end < words.size() && onOneLine(words[first], words[end])) {
            ++end;
        }
        QList<PdfWords::Word> line = words.mid(first, end - first);
        std::stable_sort(line.begin(), line.end(),
                         [](const auto& a, const auto& b) { return a.box.left() < b.box.left(); });
        read.append(line);
        first = end;
    }
    return read;
}

constexpr int kRows = 30;

// The longest rows an item of 25 characters makes, in the widest capitals, beside two long dates:
// each row's first word names it.
std::vector<ToDoRow> longestRows() {
    std::vector<ToDoRow> rows;
    for (int row = 1; row <= kRows; ++row) {
        const QString item = QString("Row%1 ").arg(row);
        rows.push_back({item + QString(25 - item.size(), 'W'), "Wednesday - Sep 30, 26",
                        "Thursday - Oct 1, 26"});
    }
    return rows;
}

ToDoPrintLayouts::Options toDoOptions(double size) {
    ToDoPrintLayouts::Options options;
    options.font.name = serif();
    options.font.size = size;
    options.today = QDate(2026, 9, 30);
    return options;
}

TEST(PrintoutsOnPaperTest, EveryWordOfTheToDoListKeepsItsColumnAndNoRowSplits) {
    forEveryCase([](const PageGeometry& page, double size) {
        PrintLayout layout;
        layout.setPage(page);
        ToDoPrintLayouts::buildList(layout, longestRows(), toDoOptions(size));
        const auto printedWords = printed(layout);
        ASSERT_TRUE(printedWords);
        const QList<PdfWords::Word> words = asRead(*printedWords);
        EXPECT_TRUE(onThePaper(words, page));

        // The frame and the separators as shares of the width between the margins.
        const double width = page.width - page.left - page.right;
        const std::vector<double> columns{page.left + 100, page.left + width / 2.7,
                                          page.left + width / 1.47, page.width - page.right - 100};
        QList<PdfWords::Word> rowNames;
        for (const PdfWords::Word& word : words) {
            // The title and the "As of" line lie above the page's column headings.
            const auto heading = std::find_if(words.begin(), words.end(), [&](const auto& w) {
                return w.page == word.page && w.text == "Item";
            });
            ASSERT_NE(heading, words.end()) << "page " << word.page + 1 << " has its headings";
            if (word.box.bottom() <= heading->box.top()) {
                EXPECT_TRUE(between(word, columns.front(), columns.back()))
                    << word.text.toStdString() << " crosses the frame";
                continue;
            }
            const int column = columnOf(word, columns);
            EXPECT_NE(column, -1) << word.text.toStdString() << " on page " << word.page + 1
                                  << " crosses a column line";
            if (word.text.startsWith("Row") || word.text.startsWith("WW")) {
                EXPECT_EQ(column, 0) << word.text.toStdString();
                EXPECT_GE(word.box.left(), points(page.left + 360) - 0.01);
            } else if (word.text == "Wednesday") {
                EXPECT_EQ(column, 1);
            } else if (word.text == "Thursday") {
                EXPECT_EQ(column, 2);
            }
            if (word.text.startsWith("Row")) {
                rowNames.append(word);
            }
        }
        // Every row once, its two dates on its line.
        ASSERT_EQ(rowNames.size(), kRows);
        for (int row = 0; row < kRows; ++row) {
            const PdfWords::Word& name = rowNames[row];
            EXPECT_EQ(name.text, QString("Row%1").arg(row + 1));
            for (const char* date : {"Wednesday", "Thursday"}) {
                const auto beside = std::count_if(words.begin(), words.end(), [&](const auto& w) {
                    return w.text == date && onOneLine(w, name);
                });
                EXPECT_EQ(beside, 1) << name.text.toStdString() << " on page " << name.page + 1
                                     << " has its " << date << " beside it";
            }
        }
    });
}

TEST(PrintoutsOnPaperTest, TheToDoWorksheetIsOnePageWithEveryHeadingWholeInItsColumn) {
    forEveryCase([](const PageGeometry& page, double size) {
        PrintLayout layout;
        layout.setPage(page);
        ToDoPrintLayouts::buildWorksheet(layout, toDoOptions(size));
        EXPECT_EQ(layout.pageCount(), 1);
        const auto printedWords = printed(layout);
        ASSERT_TRUE(printedWords);
        const QList<PdfWords::Word> words = asRead(*printedWords);
        EXPECT_TRUE(onThePaper(words, page));
        QStringList texts;
        for (const PdfWords::Word& word : words) {
            EXPECT_EQ(word.page, 0) << word.text.toStdString();
            texts.append(word.text);
        }
        EXPECT_EQ(texts.join(' '),
                  "To Do Item Worksheet Priority To Do Item To Do Date Actual Date");

        // The sheet's columns run from edge to edge of the paper.
        const double w = page.width;
        const std::vector<double> columns{2, w / 10, w / 1.65, w / 1.25, w - 10};
        const int expected[] = {-2, -2, -2, -2, 0, 1, 1, 1, 2, 2, 2, 3, 3}; // -2: the title
        for (qsizetype index = 0; index < std::min<qsizetype>(words.size(), 13); ++index) {
            const PdfWords::Word& word = words.at(index);
            if (expected[index] == -2) {
                EXPECT_TRUE(between(word, 2, w - 8)) << word.text.toStdString();
            } else {
                EXPECT_EQ(columnOf(word, columns), expected[index])
                    << word.text.toStdString() << " (word " << index + 1 << ")";
            }
        }
    });
}

QString longThought() {
    QStringList lines;
    for (int line = 1; line <= 12; ++line) {
        lines << QString("Line%1 of a thought that runs on and on, longer than the paper is wide")
                     .arg(line);
    }
    return lines.join(QChar(13));
}

TEST(PrintoutsOnPaperTest, TheThoughtPrintsOnOnePageBetweenItsMargins) {
    forEveryCase([](const PageGeometry& page, double size) {
        PrintLayout layout;
        layout.setPage(page);
        RenderThoughtPage(layout, longThought(), plainPrintSettings(serif(), size));
        EXPECT_EQ(layout.pageCount(), 1);
        const auto words = printed(layout);
        ASSERT_TRUE(words);
        const QRectF margins(points(page.left), points(page.top),
                             points(page.width - page.left - page.right),
                             points(page.height - page.top - page.bottom));
        int lines = 0;
        for (const PdfWords::Word& word : *words) {
            EXPECT_EQ(word.page, 0) << word.text.toStdString();
            EXPECT_TRUE(margins.adjusted(-0.01, -0.01, 0.01, 0.01).contains(word.box))
                << word.text.toStdString() << " leaves the margins";
            lines += word.text.startsWith("Line") ? 1 : 0;
        }
        EXPECT_EQ(lines, 12) << "every line printed";
    });
}

} // namespace
} // namespace on_paper
