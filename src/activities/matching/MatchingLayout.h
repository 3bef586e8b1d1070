#pragma once

#include <array>

// Where the matching window's activation puts its panels, in twips, computed from the main
// panel's present size, so that every activation gives the same places. Level 2 only moves the
// command panel into the hole of the card grid; level 1 lays out a 4 by 5 card grid with the
// command panel as a band below it.
namespace MatchingLayout {

struct Box {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The card area's width in either level: a share of the main panel's.
double cardAreaWidth(double mainPanelWidth);

// Level 2: the command panel's left and top, from the card area's size.
Box levelTwoCommandPanel(double cardAreaWidth, double cardAreaHeight);

struct LevelOne {
    Box cardArea;
    Box commandPanel;
    Box players;      // left and top
    Box playersCount; // left and top
    Box message;      // left and top
    Box exchange;
    Box files;
    Box frames;                  // width and height of both option frames
    Box exit, start, report;     // left, top and width
    std::array<Box, 20> cards{}; // left, top and width
    double cardButtonWidth = 0;
};

// Level 1, from the main panel's size, the card area's left, card 0's place (the load's) and the
// cards' height.
LevelOne levelOne(double mainPanelWidth, double mainPanelHeight, double cardAreaLeft,
                  double card0Left, double card0Top, double cardHeight);

} // namespace MatchingLayout
