#pragma once

#include <QIcon>

// The pictures of the planner's own side-toolbar buttons, drawn when the window is made.
enum class PlannerPicture { GridBackground, TextColor, Month, Clear, Copy, Print, CalendarOptions };

QIcon plannerToolbarPicture(PlannerPicture picture);
