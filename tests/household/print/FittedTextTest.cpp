#include "FittedText.h"
#include "PrintLayout.h"
#include "TextMeasure.h"

#include <gtest/gtest.h>

// Its own namespace: the tests of this folder are compiled together.
namespace fitted_text {
namespace {

PrintFont serif(double size) {
    PrintFont font;
    font.name = "DejaVu Serif";
    font.size = size;
    return font;
}

const PrintText& onlyText(const PrintLayout& layout) {
    const auto& items = layout.document().pages.at(0).items;
    EXPECT_EQ(items.size(), 1U);
    return std::get<PrintText>(items.at(0));
}

// A text prints in its own size where it fits, and otherwise in the size at which it is as wide as
// its room; a room of nothing or less than nothing still shrinks it, to a twip.
TEST(FittedTextTest, ATextPrintsInTheSizeItsRoomHolds) {
    const QString text = "Renew library card   "; // the blanks at its end take no room
    const double width = TextMeasure::width(serif(20), "Renew library card");
    const struct {
        const char* name;
        double room;
        double printed; // the width it prints in
    } cases[] = {
        {"room to spare", width * 2, width},
        {"just enough room", width, width},
        {"half the room", width / 2, width / 2},
        {"a twip", 1, 1},
        {"no room", 0, 1},
        {"less than none", -5000, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(FittedText::printedWidth(serif(20), text, c.room), c.printed, 1e-6);
        PrintLayout layout;
        layout.setFont(serif(20));
        layout.startDocument();
        layout.setCurrentX(700);
        layout.setCurrentY(900);
        EXPECT_NEAR(FittedText::within(layout, text, 1000, 2000, c.room), c.printed, 1e-6);
        const PrintText& placed = onlyText(layout);
        EXPECT_EQ(placed.x, 1000);
        EXPECT_NEAR(TextMeasure::width(placed.font, "Renew library card"), c.printed, 1e-6);
        EXPECT_LE(placed.font.size, 20);
        // On the line's baseline; the layout's font and position as they were.
        EXPECT_NEAR(placed.y + TextMeasure::ascent(placed.font),
                    2000 + TextMeasure::ascent(serif(20)), 1e-6);
        EXPECT_EQ(layout.font(), serif(20));
        EXPECT_EQ(layout.currentX(), 700);
        EXPECT_EQ(layout.currentY(), 900);
    }
}

TEST(FittedTextTest, ACentredTextStaysBetweenItsEdges) {
    PrintLayout layout;
    layout.setFont(serif(72));
    layout.startDocument();
    // Centred near the left edge: its room is twice the way to that edge.
    const double width = FittedText::centred(layout, "Actual Date", 1100, 0, 1000, 9000);
    EXPECT_NEAR(width, 200, 1e-6);
    EXPECT_NEAR(onlyText(layout).x, 1000, 1e-6);
}

TEST(FittedTextTest, FittingSizeIsTheLargestThatFits) {
    const auto heightAt = [](double size) { return size * 30; };
    EXPECT_EQ(FittedText::fittingSize(14, 1000, heightAt), 14) << "fits as asked";
    EXPECT_NEAR(FittedText::fittingSize(999, 1500, heightAt), 50, 1e-6);
    EXPECT_EQ(FittedText::fittingSize(999, 0, heightAt), 999) << "no room has nothing to fit";
    EXPECT_GT(FittedText::fittingSize(999, 1e-3, heightAt), 0);
}

} // namespace
} // namespace fitted_text
