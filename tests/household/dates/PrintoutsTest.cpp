// Both printouts as laid out: the date printout's lines, the calendar page drawn as a picture.
#include "DateNames.h"
#include "DatePrintout.h"
#include "MonthCalendarPage.h"
#include "MonthGrid.h"
#include "PagePainter.h"
#include "PrintLayout.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The texts a document places, in order.
QStringList textsOf(const PrintDocument& document) {
    QStringList texts;
    for (const PrintPage& page : document.pages) {
        for (const PrintItem& item : page.items) {
            if (const auto* text = std::get_if<PrintText>(&item)) {
                texts.append(text->text);
            }
        }
    }
    return texts;
}

const PrintText* placedText(const PrintDocument& document, const QString& wanted) {
    for (const PrintItem& item : document.pages.at(0).items) {
        if (const auto* text = std::get_if<PrintText>(&item); text && text->text == wanted) {
            return text;
        }
    }
    return nullptr;
}

TEST(DatePrintout, ThePageAsLaidOut) {
    PrintLayout layout;
    const PageGeometry page; // letter with inch margins
    DatePrintout::build(layout, page, "Times New Roman", QDate(2004, 2, 29), QDate(2026, 3, 5));
    const PrintDocument& document = layout.document();
    ASSERT_EQ(document.pages.size(), 1u);
    EXPECT_EQ(textsOf(document),
              (QStringList{"Calandar Function Printout", "Sunday - February 29, 2004", "Korvane",
                           "Printed on 03-05-2026"}));

    const PrintText* title = placedText(document, "Calandar Function Printout");
    const PrintText* date = placedText(document, "Sunday - February 29, 2004");
    const PrintText* product = placedText(document, "Korvane");
    const PrintText* printedOn = placedText(document, "Printed on 03-05-2026");
    ASSERT_TRUE(title && date && product && printedOn);
    for (const PrintText* centred : {title, date}) {
        EXPECT_EQ(centred->font.size, 24);
        EXPECT_EQ(centred->font.name, "Times New Roman");
        PrintLayout measure;
        measure.setFont(centred->font);
        const double middle = centred->x + measure.textWidth(centred->text) / 2;
        EXPECT_NEAR(middle, page.left + (page.width - page.left - page.right) / 2, 1);
    }
    // One 6-point line below the top, then the title, an empty line, the date, an empty line.
    EXPECT_GT(title->y, page.top);
    EXPECT_LT(title->y, page.top + 6 * 20 * 1.5);
    EXPECT_GT(date->y, title->y + 2 * 24 * 20 * 0.9);
    EXPECT_EQ(product->font.size, 6);
    EXPECT_EQ(product->x, page.left);
    EXPECT_GT(product->y, date->y + 2 * 24 * 20 * 0.9);
    EXPECT_GT(printedOn->y, product->y);
}

// The calendar page drawn at 40 dots to the inch; colour at a point given in twips.
class CalendarPicture {
public:
    static constexpr double kDpi = 40;

    explicit CalendarPicture(const PrintDocument& document)
        : picture_(int(8.5 * kDpi), int(11 * kDpi), QImage::Format_RGB32) {
        picture_.fill(Qt::white);
        QPainter painter(&picture_);
        painter.scale(kDpi / 1440, kDpi / 1440);
        paintPrintPage(painter, document, 0);
    }

    QColor at(double x, double y) const {
        return picture_.pixelColor(int(x * kDpi / 1440), int(y * kDpi / 1440));
    }

private:
    QImage picture_;
};

constexpr double kColumn = 1.12 * 1440;
constexpr double kBodyRow = 1.55 * 1440;
constexpr double kHeaderRow = 0.5 * 1440;
constexpr double kLeft = 360; // the quarter-inch margin

// A point inside a cell away from its number: row 0 the header, body rows from 1.
QPointF insideCell(double tableTop, int row, int column) {
    const double top = row == 0 ? tableTop : tableTop + kHeaderRow + (row - 1) * kBodyRow;
    const double height = row == 0 ? kHeaderRow : kBodyRow;
    return {kLeft + column * kColumn + 0.5 * kColumn, top + 0.85 * height};
}

TEST(MonthCalendarPage, PagesOfKnownMonths) {
    const QColor sunday(255, 224, 192);
    const QColor header(255, 255, 192);
    const QColor chosen(192, 255, 192);
    const struct {
        QDate date;
        int bodyRows;
        double tableTop;
        int chosenRow;
        int chosenColumn;
    } cases[] = {
        {QDate(2005, 7, 4), 6, 1100, 2, 1},
        {QDate(2015, 2, 14), 4, 2000, 2, 6},
        {QDate(2004, 2, 29), 5, 2000, 5, 0},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.date.toString(Qt::ISODate).toStdString());
        PrintLayout layout;
        MonthCalendarPage::build(layout, entry.date, BuildMonthGrid(entry.date),
                                 MonthCalendarPage::AlignLeft);
        const PrintDocument& document = layout.document();
        ASSERT_EQ(document.pages.size(), 1u);
        EXPECT_EQ(textsOf(document).first(), DateNames::monthTitle(entry.date));
        const CalendarPicture picture(document);
        for (int column = 0; column < 7; ++column) {
            const QPointF point = insideCell(entry.tableTop, 0, column);
            EXPECT_EQ(picture.at(point.x(), point.y()), header) << "header " << column;
        }
        for (int row = 1; row <= entry.bodyRows; ++row) {
            for (int column = 0; column < 7; ++column) {
                const QPointF point = insideCell(entry.tableTop, row, column);
                const QColor expected = row == entry.chosenRow && column == entry.chosenColumn
                                            ? chosen
                                            : (column == 0 ? sunday : QColor(Qt::white));
                EXPECT_EQ(picture.at(point.x(), point.y()), expected) << row << ", " << column;
            }
        }
        // Nothing below the last week: the table ends there, inside the bottom margin.
        const double bottom = entry.tableTop + kHeaderRow + entry.bodyRows * kBodyRow;
        EXPECT_LE(bottom, 11 * 1440 - 360);
        const QPointF below = insideCell(bottom + 200 - kHeaderRow - kBodyRow, 1, 0);
        EXPECT_EQ(picture.at(below.x(), bottom + 100), QColor(Qt::white));
    }
}

TEST(MonthCalendarPage, NumbersAlignLeftOrRight) {
    for (int alignment : {MonthCalendarPage::AlignLeft, MonthCalendarPage::AlignRight}) {
        PrintLayout layout;
        MonthCalendarPage::build(layout, QDate(2005, 7, 4), BuildMonthGrid(QDate(2005, 7, 4)),
                                 alignment);
        const PrintText* four = placedText(layout.document(), "4");
        ASSERT_TRUE(four != nullptr);
        const double cellLeft = kLeft + kColumn; // Monday
        EXPECT_TRUE(four->font.bold);
        EXPECT_TRUE(four->font.italic);
        EXPECT_EQ(four->font.size, 24);
        if (alignment == MonthCalendarPage::AlignLeft) {
            EXPECT_LT(four->x, cellLeft + kColumn / 4);
        } else {
            EXPECT_GT(four->x, cellLeft + kColumn / 2);
        }
        const PrintText* sun = placedText(layout.document(), "Sun");
        ASSERT_TRUE(sun != nullptr);
        EXPECT_TRUE(sun->font.bold);
        EXPECT_FALSE(sun->font.italic);
    }
}

} // namespace
