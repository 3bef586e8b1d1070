#include "ThoughtPrintout.h"
#include "PlainPrintSettings.h"
#include "TextMeasure.h"

#include <gtest/gtest.h>

namespace {

struct Placed {
    double x;
    double y;
    QString text;
};

std::vector<Placed> placedTexts(const PrintLayout& layout) {
    std::vector<Placed> placed;
    for (const PrintItem& item : layout.document().pages.at(0).items) {
        if (const auto* text = std::get_if<PrintText>(&item)) {
            placed.push_back({text->x, text->y, text->text});
        }
    }
    return placed;
}

PrintSettings settingsAt(double size) {
    return plainPrintSettings("Serif", size);
}

TEST(ThoughtPrintoutTest, EachLineIsCentredAndTheBlockCentredOnThePage) {
    const QString wide = QString("word ").repeated(40).trimmed();
    const struct {
        const char* name;
        QString thought;
        bool noMargins;
        QStringList lines; // the lines as laid out; "" an empty paragraph
        QStringList texts; // the texts placed
    } cases[] = {
        {"one line", "Be kind.", false, {"Be kind."}, {"Be kind."}},
        {"three lines",
         "Kindness\rcosts nothing\rat all.",
         false,
         {"Kindness", "costs nothing", "at all."},
         {"Kindness", "costs nothing", "at all."}},
        {"trailing break", "Be kind.\r", false, {"Be kind."}, {"Be kind."}},
        {"two breaks", "Be\r\rkind.", false, {"Be", "", "kind."}, {"Be", "kind."}},
        {"margins 0", "Be kind.", true, {"Be kind."}, {"Be kind."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrintLayout layout;
        if (c.noMargins) {
            layout.setMargins(0, 0, 0, 0);
        }
        const PageGeometry page = layout.page();
        RenderThoughtPage(layout, c.thought, settingsAt(24));
        const double line = TextMeasure::lineHeight(layout.font());
        const double top = (page.height + page.top - page.bottom) / 2 - c.lines.size() * line / 2;
        const auto placed = placedTexts(layout);
        ASSERT_EQ(placed.size(), static_cast<size_t>(c.texts.size()));
        size_t next = 0;
        for (qsizetype row = 0; row < c.lines.size(); ++row) {
            if (c.lines[row].isEmpty()) {
                continue;
            }
            const Placed& text = placed.at(next++);
            EXPECT_EQ(text.text, c.lines[row]);
            EXPECT_NEAR(text.x + layout.textWidth(text.text) / 2,
                        (page.width + page.left - page.right) / 2, 0.01);
            EXPECT_NEAR(text.y, top + row * line, 0.01);
        }
        EXPECT_EQ(layout.pageCount(), 1);
        EXPECT_FALSE(layout.inDocument());
    }
}

TEST(ThoughtPrintoutTest, ALineWiderThanTheMarginsStartsAtTheLeftMargin) {
    PrintLayout layout;
    const QString wide = QString("kindness ").repeated(30).trimmed();
    RenderThoughtPage(layout, wide, settingsAt(24));
    const auto placed = placedTexts(layout);
    ASSERT_GT(placed.size(), 1u) << "wrapped";
    EXPECT_EQ(placed[0].x, 1440);
    const double height = layout.textHeight(wide);
    EXPECT_NEAR(placed[0].y, 15840 / 2 - height / 2, 0.01);
}

// A thought taller than the room between the margins prints smaller, in the largest size at which
// it fits, on one page, centred between the margins and with every line.
TEST(ThoughtPrintoutTest, AThoughtTallerThanThePagePrintsSmallerOnOnePage) {
    QStringList lines;
    for (int i = 0; i < 60; ++i) {
        lines << QString("Line %1").arg(i);
    }
    const QString thought = lines.join(QChar(13));
    for (const double size : {24.0, 999.0}) {
        SCOPED_TRACE(size);
        PrintLayout layout;
        RenderThoughtPage(layout, thought, settingsAt(size));
        ASSERT_EQ(layout.pageCount(), 1);
        const auto placed = placedTexts(layout);
        ASSERT_EQ(placed.size(), 60U);
        const PrintFont font = layout.font();
        EXPECT_LT(font.size, 24);
        const double room = 15840 - 2 * 1440;
        const double line = TextMeasure::lineHeight(font);
        EXPECT_LE(60 * line, room);
        PrintFont larger = font;
        larger.size += 0.01;
        EXPECT_GT(60 * TextMeasure::lineHeight(larger), room) << "the largest size that fits";
        EXPECT_NEAR(placed.front().y, 1440 + (room - 60 * line) / 2, 0.01);
    }
}

TEST(ThoughtPrintoutTest, AnEmptyThoughtIsAnEmptyPage) {
    PrintLayout layout;
    RenderThoughtPage(layout, "", settingsAt(24));
    EXPECT_EQ(layout.pageCount(), 1);
    EXPECT_TRUE(layout.document().pages[0].items.empty());
}

TEST(ThoughtPrintoutTest, ASizeThatCannotBeReadKeepsThePreviousPage) {
    PrintLayout layout;
    RenderThoughtPage(layout, "Be kind.", settingsAt(24));
    PrintSettings broken = settingsAt(24);
    broken.PrintFontSize = QString();
    RenderThoughtPage(layout, "Other", broken);
    ASSERT_EQ(placedTexts(layout).size(), 1u);
    EXPECT_EQ(placedTexts(layout)[0].text, "Be kind.");
}

} // namespace
