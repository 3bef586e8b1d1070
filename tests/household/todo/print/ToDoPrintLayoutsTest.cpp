#include "ToDoPrintLayouts.h"
#include "PrintLayout.h"
#include "TextMeasure.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

std::vector<PrintText> textsOf(const PrintPage& page) {
    std::vector<PrintText> texts;
    for (const PrintItem& item : page.items) {
        if (const auto* text = std::get_if<PrintText>(&item)) {
            texts.push_back(*text);
        }
    }
    return texts;
}

int linesOf(const PrintDocument& document) {
    int lines = 0;
    for (const PrintPage& page : document.pages) {
        for (const PrintItem& item : page.items) {
            lines += std::holds_alternative<PrintLine>(item) ? 1 : 0;
        }
    }
    return lines;
}

// The printed text that starts with the given one, on a page.
std::optional<PrintText> find(const PrintPage& page, const QString& start) {
    for (const PrintText& text : textsOf(page)) {
        if (text.text.startsWith(start)) {
            return text;
        }
    }
    return std::nullopt;
}

class ToDoPrintLayoutsTest : public ::testing::Test {
protected:
    ToDoPrintLayoutsTest() {
        options.font.name = "Serif";
        options.font.size = 14;
        options.today = QDate(2026, 3, 5);
        rows.resize(500);
    }

    ToDoPrintLayouts::Options options;
    std::vector<ToDoRow> rows;
    PrintLayout layout; // letter paper, margins of an inch
};

TEST_F(ToDoPrintLayoutsTest, ItemRowsPrintOneUnderAnotherUnderThePageHeader) {
    rows[2] = {"Call the bank", "Thursday - Mar 5, 26", ""};
    rows[6] = {"Pay bills", "", "Friday - Mar 6, 26"};
    rows[8] = {"   ", "Saturday - Mar 7, 26", ""}; // dates without an item do not print
    ToDoPrintLayouts::buildList(layout, rows, options);

    ASSERT_EQ(layout.pageCount(), 1);
    const PrintPage& page = layout.document().pages[0];
    const auto first = find(page, "Call the bank");
    const auto second = find(page, "Pay bills");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text, QString("Call the bank").leftJustified(25));
    EXPECT_DOUBLE_EQ(first->x, 1440 + 360);
    EXPECT_NEAR(second->y - first->y, layout.textHeight("P"), 1); // rows start on whole twips
    EXPECT_FALSE(find(page, "Saturday"));
    const auto date = find(page, "Thursday - Mar 5, 26");
    ASSERT_TRUE(date);
    // Centred on its share of the width between the margins, on the row's baseline.
    EXPECT_NEAR(date->x + TextMeasure::width(date->font, date->text) / 2,
                1440 + (12240 - 2 * 1440) / 1.9, 1e-6);
    EXPECT_NEAR(date->y + TextMeasure::ascent(date->font),
                first->y + TextMeasure::ascent(first->font), 1e-6);
    EXPECT_TRUE(find(page, "As of  March 05, 2026"));
    for (const char* heading : {"To Do List", "To Do Item", "To Do Date", "Actual Date"}) {
        EXPECT_TRUE(find(page, heading)) << heading;
    }
}

TEST_F(ToDoPrintLayoutsTest, TheLongestItemNeverRunsIntoItsDate) {
    // The widest item of the 25 characters an item holds, beside a long date, in a wide serif.
    const QString widest(25, 'W');
    rows[0] = {widest, "Wednesday - Sep 30, 26", "Thursday - Oct 1, 26"};
    rows[1] = {"Call grandma", "Thursday", ""};
    rows[2] = {"Pay electric bill", "", ""};
    options.font.name = "DejaVu Serif";
    const struct {
        const char* page;
        PageGeometry geometry;
    } pages[] = {
        {"portrait, inch margins", PageGeometry{}},
        {"landscape", PageGeometry{15840, 12240, 1440, 1440, 1440, 1440}},
        {"no margins", PageGeometry{12240, 15840, 0, 0, 0, 0}},
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.page);
        layout.setPage(p.geometry);
        ToDoPrintLayouts::buildList(layout, rows, options);
        const PrintPage& page = layout.document().pages[0];
        const PageGeometry& g = p.geometry;
        const double separator = g.left + (g.width - g.left - g.right) / 2.7;
        const auto item = find(page, widest);
        const auto date = find(page, "Wednesday");
        ASSERT_TRUE(item && date);
        PrintLayout measure;
        measure.setFont(item->font);
        const double itemEnd = item->x + measure.textWidth(widest);
        EXPECT_LT(itemEnd, separator) << "inside its column";
        EXPECT_LT(itemEnd, date->x);
        // On the row's baseline, as the dates beside it.
        EXPECT_NEAR(item->y + TextMeasure::ascent(item->font),
                    date->y + TextMeasure::ascent(date->font), 1);
        // An item that fits keeps the print font.
        const auto call = find(page, "Call grandma");
        ASSERT_TRUE(call);
        EXPECT_EQ(call->font.size, 14);
        EXPECT_EQ(find(page, "Pay electric bill")->font.size, 14);
    }
}

TEST_F(ToDoPrintLayoutsTest, OptionsLeaveEveryTextWhereItWas) {
    rows[0] = {"Call the bank", "", ""};
    ToDoPrintLayouts::buildList(layout, rows, options);
    const auto withAll = textsOf(layout.document().pages[0]);
    EXPECT_GT(linesOf(layout.document()), 0);

    options.asOfDateOff = true;
    options.gridLinesOff = true;
    ToDoPrintLayouts::buildList(layout, rows, options);
    EXPECT_EQ(linesOf(layout.document()), 0);
    EXPECT_FALSE(find(layout.document().pages[0], "As of"));
    const auto item = find(layout.document().pages[0], "Call the bank");
    ASSERT_TRUE(item);
    for (const PrintText& before : withAll) {
        if (before.text.startsWith("Call")) {
            EXPECT_DOUBLE_EQ(before.y, item->y);
        }
    }
}

TEST_F(ToDoPrintLayoutsTest, ManyItemsBreakPagesWithNoneLostOrDoubled) {
    for (int row = 0; row < 200; ++row) {
        rows[row] = {QString("Item %1").arg(row + 1), "", ""};
    }
    options.font.size = 20;
    ToDoPrintLayouts::buildList(layout, rows, options);

    ASSERT_GT(layout.pageCount(), 2);
    QStringList printed;
    for (const PrintPage& page : layout.document().pages) {
        EXPECT_TRUE(find(page, "To Do List"));
        EXPECT_TRUE(find(page, "Actual Date"));
        for (const PrintText& text : textsOf(page)) {
            if (text.text.startsWith("Item ")) {
                printed.append(text.text.trimmed());
                // The whole row above the bottom margin.
                EXPECT_LE(text.y + TextMeasure::lineHeight(text.font), layout.pageHeight() - 1440);
            }
        }
    }
    ASSERT_EQ(printed.size(), 200);
    for (int row = 0; row < 200; ++row) {
        EXPECT_EQ(printed[row], QString("Item %1").arg(row + 1));
    }
}

// A row's item and dates print on one page and one line, however the rows meet the bottom
// margin: a row goes on the next page exactly when the whole of it would pass the margin.
TEST_F(ToDoPrintLayoutsTest, NoRowSplitsOverPages) {
    for (int row = 0; row < 500; ++row) {
        rows[row] = {QString("Item %1").arg(row + 1), "Wednesday - Mar 25, 26",
                     "Friday - Mar 27, 26"};
    }
    layout.setMargins(0, 0, 0, 0);
    for (const double size : {16.0, 20.0, 24.0, 72.0}) {
        SCOPED_TRACE(size);
        options.font.size = size;
        ToDoPrintLayouts::buildList(layout, rows, options);
        const auto& pages = layout.document().pages;
        int items = 0;
        for (std::size_t number = 0; number < pages.size(); ++number) {
            const auto texts = textsOf(pages[number]);
            std::optional<PrintText> last;
            for (std::size_t at = 0; at < texts.size(); ++at) {
                if (!texts[at].text.startsWith("Item ")) {
                    continue;
                }
                ++items;
                last = texts[at];
                ASSERT_LT(at + 2, texts.size()) << texts[at].text.toStdString();
                for (const PrintText& date : {texts[at + 1], texts[at + 2]}) {
                    EXPECT_TRUE(date.text.contains(" - Mar 2")) << texts[at].text.toStdString();
                    EXPECT_NEAR(date.y + TextMeasure::ascent(date.font),
                                texts[at].y + TextMeasure::ascent(texts[at].font), 1e-6);
                }
            }
            ASSERT_TRUE(last) << "page " << number + 1;
            const double line = TextMeasure::lineHeight(last->font);
            EXPECT_LE(last->y + line, layout.pageHeight()) << last->text.toStdString();
            if (number + 1 < pages.size()) {
                EXPECT_GT(last->y + 2 * line, layout.pageHeight())
                    << "page " << number + 1 << " had room for the row after "
                    << last->text.toStdString();
            }
        }
        EXPECT_EQ(items, 500);
    }
}

// With wide margins the columns keep their shares of the width between them: the widest item
// fills its column to the first separator, a short one keeps the print font.
TEST_F(ToDoPrintLayoutsTest, ColumnsAreSharesOfTheWidthBetweenTheMargins) {
    const double a4Width = 210 * 1440 / 25.4;
    const double a4Height = 297 * 1440 / 25.4;
    const double wide = 60 * 1440 / 25.4;
    rows[0] = {QString(25, 'W'), "", ""};
    rows[1] = {"Tea", "", ""};
    for (const PageGeometry& page : {PageGeometry{a4Width, a4Height, wide, wide, wide, wide},
                                     PageGeometry{12240, 15840, 0, 0, 0, 0}}) {
        SCOPED_TRACE(page.left);
        layout.setPage(page);
        ToDoPrintLayouts::buildList(layout, rows, options);
        const PrintPage& printed = layout.document().pages[0];
        const double width = page.width - page.left - page.right;
        const auto widest = find(printed, "WWW");
        ASSERT_TRUE(widest);
        EXPECT_DOUBLE_EQ(widest->x, page.left + 360);
        EXPECT_NEAR(widest->x + TextMeasure::width(widest->font, QString(25, 'W')),
                    page.left + width / 2.7 - 60, 1e-6);
        EXPECT_EQ(find(printed, "Tea")->font.size, 14);
        const auto heading = find(printed, "Actual Date");
        ASSERT_TRUE(heading);
        EXPECT_NEAR(heading->x + TextMeasure::width(heading->font, heading->text) / 2,
                    page.left + width / 1.2, 1e-6);
    }
}

TEST_F(ToDoPrintLayoutsTest, AHugeFontStillPrintsEveryRowOnce) {
    for (int row = 0; row < 12; ++row) {
        rows[row] = {QString("Item %1").arg(row + 1), "", ""};
    }
    options.font.size = 72;
    ToDoPrintLayouts::buildList(layout, rows, options);
    int printed = 0;
    for (const PrintPage& page : layout.document().pages) {
        for (const PrintText& text : textsOf(page)) {
            printed += text.text.startsWith("Item ") ? 1 : 0;
        }
    }
    EXPECT_EQ(printed, 12);
}

TEST_F(ToDoPrintLayoutsTest, WithoutMarginsTheListStartsAtItsFixedOffsets) {
    layout.setMargins(0, 0, 0, 0);
    rows[0] = {"Call the bank", "", ""};
    rows[1] = {"An item longer than twenty-five characters", "", ""};
    ToDoPrintLayouts::buildList(layout, rows, options);
    const PrintPage& page = layout.document().pages[0];
    EXPECT_DOUBLE_EQ(find(page, "To Do List")->y, 300);
    EXPECT_DOUBLE_EQ(find(page, "Call the bank")->x, 360);
    EXPECT_TRUE(find(page, "An item longer than twenty-five characters"));
}

TEST_F(ToDoPrintLayoutsTest, TheWorksheetIsOneRuledPage) {
    ToDoPrintLayouts::buildWorksheet(layout, options);
    EXPECT_EQ(layout.pageCount(), 1);
    EXPECT_EQ(layout.shownPage(), 1);
    const PrintPage& page = layout.document().pages[0];
    for (const char* heading :
         {"To Do Item Worksheet", "Priority", "To Do Item", "To Do Date", "Actual Date"}) {
        EXPECT_TRUE(find(page, heading)) << heading;
    }
    EXPECT_EQ(find(page, "Priority")->font.size, 10);
    EXPECT_GT(linesOf(layout.document()), 6 * 10); // six lines to a row, many rows

    options.gridLinesOff = true;
    ToDoPrintLayouts::buildWorksheet(layout, options);
    EXPECT_EQ(layout.pageCount(), 1);
    EXPECT_EQ(linesOf(layout.document()), 0);
}

} // namespace
