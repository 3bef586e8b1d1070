#pragma once

#include <QIcon>

// The pictures of the crossword's five side-toolbar buttons: 1 Check, 2 Word Help, 3 View Puzzle
// Words, 4 Help, 5 Exit (1, 4 and 5 are the pictures the windows share).
QIcon sideToolbarIcon(int button);
