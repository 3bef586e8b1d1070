#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window geometry is given in twips: 15 twips to a pixel at 96 dpi, scaled by the screen's logical
// dpi. Conversions round to the nearest pixel, half to even.
namespace Twips {

int toPixels(double twips);
double fromPixels(int pixels);
// Pixels to whole twips, rounded half away from zero.
int fromPixelsRounded(int pixels);
QRect toPixels(double left, double top, double width, double height);
QSize toPixels(double width, double height);

// Puts a control where the window design has it: twips, relative to its container.
template <typename Control>
Control* place(Control* control, double left, double top, double width, double height) {
    control->setGeometry(toPixels(left, top, width, height));
    return control;
}

} // namespace Twips
