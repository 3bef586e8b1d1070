#include "FormBackground.h"

#include "ColorNumber.h"

#include <QPalette>
#include <QWidget>

void FormBackground::applyColour(QWidget& window, const QColor& colour) {
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, colour);
    window.setAutoFillBackground(true);
    window.setPalette(palette);
}

void FormBackground::applyColourOf(QWidget& window, const StoredVariant& background) {
    if (const auto* number = std::get_if<qint32>(&background)) {
        applyColour(window, ColorNumber::toColor(quint32(*number)));
    }
}
