#include "ColorNumber.h"

#include <QApplication>
#include <QPalette>

#include <array>

namespace {

// The desktop colours that system-colour indexes name, as far as the program uses them.
QColor systemColor(int index) {
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 8:  // window text
    case 18: // button text
        return palette.color(QPalette::Text);
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 14: // highlighted text
        return palette.color(QPalette::HighlightedText);
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    default: // 15, the 3-D face, and every other surface
        return palette.color(QPalette::Button);
    }
}

} // namespace

QColor ColorNumber::toColor(qint64 number) {
    if ((number & kSystemFlag) != 0) {
        return systemColor(static_cast<int>(number & 0xFF));
    }
    return {static_cast<int>(number & 0xFF), static_cast<int>((number >> 8) & 0xFF),
            static_cast<int>((number >> 16) & 0xFF)};
}

qint64 ColorNumber::fromColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (qint64(color.blue()) << 16);
}

QColor ColorNumber::palette(int code) {
    static constexpr std::array<unsigned, 16> kClassic = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return toColor(kClassic[static_cast<std::size_t>(code) & 15u]);
}
