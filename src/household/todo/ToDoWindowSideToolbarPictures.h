#pragma once

#include <QIcon>

// The pictures of the to-do window's own side-toolbar buttons, drawn when the window is made.
enum class ToDoPicture { GridBackground, TextColor, InsertRow, Copy, Worksheet, Print };

QIcon toDoToolbarPicture(ToDoPicture picture);
