#pragma once

#include <QIcon>

// The pictures of the side toolbar's seven buttons, drawn when the window is made: 1 Display
// Font, 2 Display Area Color, 3 Search, 4 Copy, 5 Print, 6 Help, 7 Exit.
QIcon thoughtsToolbarPicture(int button);
