#include "PrintLayout.h"
#include "TextMeasure.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The texts of a page in order.
std::vector<PrintText> textsOf(const PrintDocument& document, int page) {
    std::vector<PrintText> texts;
    for (const PrintItem& item : document.pages.at(page).items) {
        if (const auto* text = std::get_if<PrintText>(&item)) {
            texts.push_back(*text);
        }
    }
    return texts;
}

class PrintLayoutTest : public ::testing::Test {
protected:
    PrintLayoutTest() {
        font.name = "Serif";
        font.size = 12;
        layout.setFont(font);
        layout.startDocument();
    }

    double line() const { return TextMeasure::lineHeight(layout.font()); }
    double width(const QString& text) const { return TextMeasure::width(layout.font(), text); }

    PrintFont font;
    PrintLayout layout; // letter paper, margins of an inch
};

TEST_F(PrintLayoutTest, OutputMovesThePositionAsEachOperationSays) {
    struct Case {
        const char* name;
        std::function<void(PrintLayout&)> write;
        double x; // where the next output starts, relative to the left and top margins
        double lines;
        std::vector<std::pair<double, QString>> placed; // x from the left margin and text
    };
    const double a = width("Apple ");
    const Case cases[] = {
        {"paragraph", [](PrintLayout& l) { l.paragraph("Apple"); }, 0, 1, {{0, "Apple"}}},
        {"empty paragraph", [](PrintLayout& l) { l.paragraph(""); }, 0, 1, {}},
        {"text without line end", [](PrintLayout& l) { l.text("Apple "); }, a, 0, {{0, "Apple "}}},
        {"paragraph after a text",
         [](PrintLayout& l) {
             l.text("Apple ");
             l.paragraph("pie");
         },
         0,
         1,
         {{0, "Apple "}, {a, "pie"}}},
        {"paragraph at a set x",
         [](PrintLayout& l) {
             l.setCurrentX(3000);
             l.paragraph("Apple");
         },
         0,
         1,
         {{3000 - 1440, "Apple"}}},
        {"carriage returns",
         [](PrintLayout& l) { l.paragraph("one\rtwo\r\rthree"); },
         0,
         4,
         {{0, "one"}, {0, "two"}, {0, "three"}}},
        {"unwrapped line past the right margin",
         [](PrintLayout& l) {
             l.setCurrentX(1440 + 8000);
             l.unwrappedLine("Thursday - December 31, 26");
         },
         0,
         1,
         {{8000, "Thursday - December 31, 26"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        layout.startDocument();
        c.write(layout);
        EXPECT_DOUBLE_EQ(layout.currentX(), 1440 + c.x);
        EXPECT_DOUBLE_EQ(layout.currentY(), 1440 + c.lines * line());
        const auto texts = textsOf(layout.document(), 0);
        ASSERT_EQ(texts.size(), c.placed.size());
        for (size_t i = 0; i < texts.size(); ++i) {
            EXPECT_DOUBLE_EQ(texts[i].x, 1440 + c.placed[i].first);
            EXPECT_EQ(texts[i].text, c.placed[i].second);
        }
        EXPECT_EQ(layout.pageCount(), 1);
    }
}

TEST_F(PrintLayoutTest, AParagraphWrapsAtWordsWithinTheMargins) {
    QStringList words;
    for (int i = 0; i < 60; ++i) {
        words << QString("word%1").arg(i);
    }
    layout.setCurrentX(6000);
    layout.paragraph(words.join(' '));
    const auto texts = textsOf(layout.document(), 0);
    ASSERT_GT(texts.size(), 2u);
    QStringList joined;
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_DOUBLE_EQ(texts[i].x, i == 0 ? 6000 : 1440) << "only the first line starts at x";
        EXPECT_DOUBLE_EQ(texts[i].y, 1440 + i * line());
        EXPECT_LE(texts[i].x + width(texts[i].text), 12240 - 1440);
        joined << texts[i].text;
    }
    EXPECT_EQ(joined.join(' '), words.join(' ')) << "no word lost, none split";
    EXPECT_DOUBLE_EQ(layout.currentY(), 1440 + texts.size() * line());
}

TEST_F(PrintLayoutTest, AWordWiderThanTheMarginsBreaksBetweenLetters) {
    const QString word(400, 'm');
    layout.paragraph(word);
    QString joined;
    for (const PrintText& text : textsOf(layout.document(), 0)) {
        EXPECT_LE(width(text.text), 12240 - 2 * 1440);
        joined += text.text;
    }
    EXPECT_EQ(joined, word);
}

TEST_F(PrintLayoutTest, OutputCarriesOnOnANewPagePastTheBottomMargin) {
    const int perPage = static_cast<int>((15840 - 2 * 1440) / line());
    for (int i = 0; i < perPage + 1; ++i) {
        layout.paragraph(QString::number(i));
    }
    ASSERT_EQ(layout.pageCount(), 2);
    EXPECT_EQ(textsOf(layout.document(), 0).size(), static_cast<size_t>(perPage));
    const auto second = textsOf(layout.document(), 1);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].text, QString::number(perPage));
    EXPECT_DOUBLE_EQ(second[0].y, 1440);

    layout.newPage();
    EXPECT_EQ(layout.pageCount(), 3);
    EXPECT_DOUBLE_EQ(layout.currentY(), 1440);
    layout.setShownPage(9);
    EXPECT_EQ(layout.shownPage(), 3);
}

TEST_F(PrintLayoutTest, AFontTallerThanThePageStillEnds) {
    font.size = 999;
    layout.setFont(font);
    layout.setMargins(0, 0, 0, 0);
    layout.startDocument();
    ASSERT_GT(line(), 15840 / 2);
    layout.paragraph("a b c");
    EXPECT_EQ(layout.pageCount(), 3) << "one line per page";
}

TEST_F(PrintLayoutTest, StartingADocumentDiscardsThePreviousOne) {
    layout.paragraph("old");
    layout.newPage();
    layout.startDocument();
    EXPECT_EQ(layout.pageCount(), 1);
    EXPECT_TRUE(layout.document().pages[0].items.empty());
    layout.clear();
    EXPECT_EQ(layout.pageCount(), 0);
}

TEST_F(PrintLayoutTest, TextHeightCountsWrappedLinesButNotATrailingBreak) {
    EXPECT_DOUBLE_EQ(layout.textHeight("one"), line());
    EXPECT_DOUBLE_EQ(layout.textHeight("one\rtwo"), 2 * line());
    EXPECT_DOUBLE_EQ(layout.textHeight("one\rtwo\r"), 2 * line());
    EXPECT_DOUBLE_EQ(layout.textHeight("one\r\rtwo"), 3 * line());
    EXPECT_DOUBLE_EQ(layout.textHeight(""), 0);
    EXPECT_GT(layout.textHeight(QString(400, 'm')), 2 * line());
}

TEST_F(PrintLayoutTest, OrientationSwapsThePageAndMarginsStayAcrossDocuments) {
    layout.setOrientation(PrintLayout::Orientation::Landscape);
    layout.setMargins(0, 0, 0, 0);
    layout.startDocument();
    EXPECT_DOUBLE_EQ(layout.pageWidth(), 15840);
    EXPECT_DOUBLE_EQ(layout.pageHeight(), 12240);
    EXPECT_EQ(layout.document().page, layout.page());
    EXPECT_DOUBLE_EQ(layout.currentX(), 0);
    EXPECT_EQ(layout.orientation(), PrintLayout::Orientation::Landscape);
}

TEST_F(PrintLayoutTest, TableCellsTakeTheirPlaceAlignmentAndBackground) {
    PrintTable table({2000, 3000}, 2);
    table.setHeader({"Sun", "Mon"});
    table.setText(1, 0, "1");
    table.setText(2, 1, "9");
    table.setRowHeight(1, 1000);
    table.setRowHeight(2, 1500);
    table.setRowHeight(0, 700);
    table.setAlignment(table.all(), Qt::AlignRight | Qt::AlignTop);
    table.setAlignment({0, 0, 0, 1}, Qt::AlignCenter);
    table.setBackground({1, 0, 2, 0}, Qt::yellow);
    layout.setCurrentY(2000);
    layout.table(table);

    EXPECT_DOUBLE_EQ(layout.currentY(), 2000 + 700 + 1000 + 1500);
    std::vector<PrintBox> filled;
    int outlined = 0;
    for (const PrintItem& item : layout.document().pages[0].items) {
        if (const auto* box = std::get_if<PrintBox>(&item)) {
            box->fill ? filled.push_back(*box) : void(++outlined);
        }
    }
    EXPECT_EQ(outlined, 6);
    ASSERT_EQ(filled.size(), 2u);
    EXPECT_EQ(filled[0].rect, QRectF(1440, 2700, 2000, 1000));
    EXPECT_EQ(filled[1].rect, QRectF(1440, 3700, 2000, 1500));

    const auto texts = textsOf(layout.document(), 0);
    ASSERT_EQ(texts.size(), 4u);
    // Header centred both ways.
    EXPECT_DOUBLE_EQ(texts[0].x + width("Sun") / 2, 1440 + 1000);
    EXPECT_DOUBLE_EQ(texts[0].y + line() / 2, 2000 + 350);
    // Body right and top, inside the cell's padding.
    EXPECT_NEAR(texts[2].x + width("1"), 1440 + 2000, 100);
    EXPECT_LT(texts[2].x + width("1"), 1440 + 2000);
    EXPECT_NEAR(texts[2].y, 2700, 100);
    EXPECT_NEAR(texts[3].x + width("9"), 1440 + 5000, 100);
    EXPECT_NEAR(texts[3].y, 3700, 100);
}

TEST(TextMeasureTest, WidthGrowsWithSizeAndTextButNotWithTheScreen) {
    PrintFont font;
    font.name = "Serif";
    font.size = 10;
    const double ten = TextMeasure::width(font, "nnnn");
    font.size = 20;
    const double twenty = TextMeasure::width(font, "nnnn");
    EXPECT_NEAR(twenty, 2 * ten, ten * 0.05);
    EXPECT_NEAR(TextMeasure::width(font, "nnnnnnnn"), 2 * twenty, 1);
    EXPECT_EQ(TextMeasure::width(font, ""), 0);
    // Twips: a 20-point line is somewhat taller than 400 twips.
    EXPECT_GT(TextMeasure::lineHeight(font), 400);
    EXPECT_LT(TextMeasure::lineHeight(font), 800);
}

} // namespace
