#include "MatchingLayout.h"

namespace MatchingLayout {

double cardAreaWidth(double mainPanelWidth) {
    return mainPanelWidth * 0.953;
}

Box levelTwoCommandPanel(double cardAreaWidth, double cardAreaHeight) {
    return {cardAreaWidth * 0.361, cardAreaHeight * 0.311, 0, 0};
}

LevelOne levelOne(double mainPanelWidth, double mainPanelHeight, double cardAreaLeft,
                  double card0Left, double card0Top, double cardHeight) {
    LevelOne l;
    const double w1 = cardAreaWidth(mainPanelWidth);
    const double hm = mainPanelHeight;
    l.cardArea = {cardAreaLeft, hm * 0.04, w1, hm * 0.52};
    // The command panel overlaps the card area's lower edge by its border.
    l.commandPanel = {cardAreaLeft, l.cardArea.top + l.cardArea.height - 15, w1, hm * 0.4};
    const double w10 = l.commandPanel.width;
    const double h10 = l.commandPanel.height;
    l.players = {w1 * 0.02, h10 * 0.38};
    l.playersCount = {w1 * 0.655, h10 * 0.08};
    l.exchange = {w1 * 0.36, l.playersCount.top, w10 * 0.27, h10 * 0.42};
    l.frames = {0, 0, l.exchange.width - 160, l.exchange.height - 160};
    l.files = {l.exchange.left, h10 * 0.54, l.exchange.width, l.exchange.height};
    l.message = {l.players.left, l.playersCount.top};
    l.exit = {w10 * 0.82, h10 * 0.65, w10 * 0.15};
    l.start = {w10 * 0.65, l.exit.top, l.exit.width};
    l.report = {w10 * 0.673, h10 * 0.4, w10 * 0.28};
    const double cardWidth = w10 * 0.17;
    const double columnStep = cardWidth + w10 * 0.025;
    const double rowStep = cardHeight + h10 * 0.05;
    for (int i = 0; i < 20; ++i) {
        l.cards[std::size_t(i)] = {card0Left + (i % 5) * columnStep, card0Top + (i / 5) * rowStep,
                                   cardWidth, cardHeight};
    }
    l.cardButtonWidth = cardWidth - 150;
    return l;
}

} // namespace MatchingLayout
