#include "FormBackground.h"

#include "ColorNumber.h"

#include <QApplication>
#include <QBrush>
#include <QImage>
#include <QPalette>
#include <QWidget>

void FormBackground::applyColour(QWidget& window, const QColor& colour) {
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, colour);
    window.setAutoFillBackground(true);
    window.setPalette(palette);
}

void FormBackground::apply(QWidget& window, const StoredVariant& background,
                           const ProgramFolder& folder) {
    QPalette palette = window.palette();
    if (const auto* number = std::get_if<qint32>(&background)) {
        palette.setBrush(QPalette::Window, ColorNumber::toColor(quint32(*number)));
    } else if (const auto* text = std::get_if<QString>(&background);
               text != nullptr && text->startsWith("WP")) {
        const QImage picture(folder.file(*text + ".jpg"));
        palette.setBrush(QPalette::Window, picture.isNull()
                                               ? QApplication::palette().brush(QPalette::Button)
                                               : QBrush(picture));
    } else {
        return;
    }
    window.setAutoFillBackground(true);
    window.setPalette(palette);
}
