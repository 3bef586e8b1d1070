#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

double pixelsPerTwip() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
    return dpi / 96.0 / 15.0;
}

} // namespace

int Twips::toPixels(double twips) {
    return static_cast<int>(std::nearbyint(twips * pixelsPerTwip()));
}

int Twips::fromPixelsRounded(int pixels) {
    return int(std::lround(fromPixels(pixels)));
}

double Twips::fromPixels(int pixels) {
    return pixels / pixelsPerTwip();
}

QRect Twips::toPixels(double left, double top, double width, double height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

QSize Twips::toPixels(double width, double height) {
    return {toPixels(width), toPixels(height)};
}
