#pragma once

#include <QIcon>

// The side-toolbar pictures that several activity windows share, drawn when a window is made.
enum class SidePicture { Check, Help, Exit, PanelColor, Sound };

QIcon sideToolbarPicture(SidePicture picture);
