#pragma once

#include <QIcon>

#include <functional>

class QPainter;

// The side-toolbar pictures that several activity windows share, drawn when a window is made.
enum class SidePicture { Check, Help, Exit, PanelColor, Sound };

QIcon sideToolbarPicture(SidePicture picture);

// A 24-pixel toolbar picture that draw paints on a transparent, smoothed ground.
QIcon drawnToolbarPicture(const std::function<void(QPainter&)>& draw);
