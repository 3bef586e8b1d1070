#pragma once

#include <QColor>
#include <QtGlobal>

// Colours as the program stores them: a number with red in the lowest byte (0xFF0000 is blue),
// or a reference to a desktop colour (0x80000000 + index).
namespace ColorNumber {

constexpr qint64 kSystemFlag = 0x80000000LL;
constexpr qint64 kButtonFace = kSystemFlag + 15; // the colour of 3-D faces, the "default" colour
constexpr qint64 kBlue = 0xFF0000;
constexpr qint64 kLargest = 0xFFFFFF; // white: the largest number a colour of its own holds

QColor toColor(qint64 number);
qint64 fromColor(const QColor& color);

// One of the classic 16 colours: 0 black, 1 blue, ... 7 white (light grey), 8 grey, ... 15 white.
QColor palette(int code);

} // namespace ColorNumber
