#include "MatchingLayout.h"

#include <gtest/gtest.h>

namespace {

// The main panel at its design size, 9825 by 7315, with the load's card 0 at 275, 275.
TEST(MatchingLayoutTest, LevelOneFollowsTheWorkedExample) {
    const MatchingLayout::LevelOne l = MatchingLayout::levelOne(9825, 7315, 230, 275, 275, 692);
    EXPECT_NEAR(l.cardArea.width, 9363, 0.5);
    EXPECT_NEAR(l.cardArea.height, 3804, 0.5);
    EXPECT_NEAR(l.cardArea.top, 293, 0.5);
    EXPECT_NEAR(l.commandPanel.height, 2926, 0.5);
    EXPECT_NEAR(l.commandPanel.top, 4081, 0.5);
    EXPECT_NEAR(l.cards[0].width, 1592, 0.5);
    const double columns[] = {275, 2101, 3927, 5752, 7578};
    const double rows[] = {275, 1113, 1952, 2790};
    for (int i = 0; i < 20; ++i) {
        EXPECT_NEAR(l.cards[std::size_t(i)].left, columns[i % 5], 0.5) << i;
        EXPECT_NEAR(l.cards[std::size_t(i)].top, rows[i / 5], 0.5) << i;
    }
    EXPECT_NEAR(l.cardButtonWidth, 1442, 0.5);
}

TEST(MatchingLayoutTest, LevelTwoPutsTheCommandPanelIntoTheHoleOfTheGrid) {
    const MatchingLayout::Box panel =
        MatchingLayout::levelTwoCommandPanel(MatchingLayout::cardAreaWidth(9825), 7140);
    EXPECT_NEAR(panel.left, 3380, 1);
    EXPECT_NEAR(panel.top, 2220, 1);
}

} // namespace
