#pragma once

#include <QIcon>

// The pictures of the side toolbar's five buttons, drawn when the window is made: 1 Check, 2 Word
// Help, 3 View Puzzle Words, 4 Help, 5 Exit.
QIcon sideToolbarIcon(int button);
