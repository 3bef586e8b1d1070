#pragma once

#include <QFont>
#include <QString>

// The font of printed text. Sizes are points, fractions allowed.
struct PrintFont {
    QString name = QStringLiteral("Courier");
    double size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    bool operator==(const PrintFont&) const = default;
};

// Printed pages are laid out in twips: 1440 to the inch, 20 to the point.
namespace PrintUnits {
constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;
} // namespace PrintUnits

// Text is measured and drawn with the font at one reference size in pixels, scaled to the size
// wanted in twips: a pixel-sized font measures the same on every device, so a layout is the same
// in the preview, on paper and without a screen, and very large sizes never reach the font engine.
QFont referenceFont(const PrintFont& font);
// What the reference font's sizes are multiplied by to give twips.
double referenceScale(const PrintFont& font);
