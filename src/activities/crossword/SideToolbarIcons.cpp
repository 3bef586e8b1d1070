#include "SideToolbarIcons.h"

#include "ColorNumber.h"

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

void drawTick(QPainter& painter) {
    drawCell(painter, QRectF(2.5, 2.5, 19, 19), QString(), Qt::black);
    QPainterPath tick;
    tick.moveTo(6, 12);
    tick.lineTo(10, 17);
    tick.lineTo(18, 6);
    painter.setPen(QPen(ColorNumber::palette(2), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
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

void drawHelp(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColorNumber::palette(1));
    painter.drawEllipse(QRectF(2, 2, 20, 20));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, "?");
}

void drawExit(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ColorNumber::palette(6));
    painter.drawRect(QRectF(3.5, 2.5, 11, 19));
    QPainterPath arrow;
    arrow.moveTo(11, 12);
    arrow.lineTo(21, 12);
    arrow.moveTo(17, 8);
    arrow.lineTo(21, 12);
    arrow.lineTo(17, 16);
    painter.setPen(QPen(ColorNumber::palette(4), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow);
}

} // namespace

QIcon sideToolbarIcon(int button) {
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (button) {
    case 1:
        drawTick(painter);
        break;
    case 2:
        drawWordHelp(painter);
        break;
    case 3:
        drawWords(painter);
        break;
    case 4:
        drawHelp(painter);
        break;
    default:
        drawExit(painter);
        break;
    }
    return QIcon(picture);
}
