#include "SideToolbarIcons.h"

#include "ColorNumber.h"
#include "SideToolbarPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 24;

// A white crossword cell with a letter in it.
void drawCell(QPainter& painter, const QRectF& cell, const QString& letter, const QColor& ink) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(cell);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(int(cell.height() * 0.75));
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(cell, Qt::AlignCenter, letter);
}

void drawWordHelp(QPainter& painter) {
    drawCell(painter, QRectF(1.5, 5.5, 14, 14), "A", ColorNumber::palette(1));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(ColorNumber::palette(4));
    painter.drawText(QRectF(13, 0, 11, 16), Qt::AlignCenter, "?");
}

void drawWords(QPainter& painter) {
    const QString word = "ABC";
    for (int i = 0; i < 3; ++i) {
        drawCell(painter, QRectF(0.5 + i * 7.5, 7.5, 7.5, 9), word.mid(i, 1),
                 ColorNumber::palette(1));
    }
}

} // namespace

QIcon sideToolbarIcon(int button) {
    switch (button) {
    case 1:
        return sideToolbarPicture(SidePicture::Check);
    case 4:
        return sideToolbarPicture(SidePicture::Help);
    case 5:
        return sideToolbarPicture(SidePicture::Exit);
    default:
        break;
    }
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (button == 2) {
        drawWordHelp(painter);
    } else {
        drawWords(painter);
    }
    return QIcon(picture);
}
