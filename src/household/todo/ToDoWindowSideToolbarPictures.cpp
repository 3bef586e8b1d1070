#include "ToDoWindowSideToolbarPictures.h"

#include "ColorNumber.h"
#include "SideToolbarPictures.h"

#include <QPainter>

namespace {

// A sheet of paper with ruled lines, and a tick box on each line when ticked is set.
void drawList(QPainter& painter, const QRectF& sheet, bool ticked) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    for (double y = sheet.top() + 4; y < sheet.bottom() - 2; y += 4) {
        if (ticked) {
            painter.setPen(QPen(ColorNumber::palette(9), 1));
            painter.drawRect(QRectF(sheet.left() + 2, y - 1.5, 2, 2));
        }
        painter.setPen(QPen(Qt::darkGray, 1));
        painter.drawLine(QPointF(sheet.left() + (ticked ? 6 : 2), y),
                         QPointF(sheet.right() - 2, y));
    }
}

void draw(QPainter& painter, ToDoPicture picture) {
    switch (picture) {
    case ToDoPicture::GridBackground:
        // A grid over a landscape: sky, a green hill and the cell lines.
        painter.fillRect(QRectF(2, 2, 20, 20), ColorNumber::palette(11));
        painter.setPen(Qt::NoPen);
        painter.setBrush(ColorNumber::palette(10));
        painter.drawEllipse(QRectF(-4, 12, 30, 20));
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        for (double at = 1.5; at <= 22; at += 5) {
            painter.drawLine(QPointF(at, 1.5), QPointF(at, 21.5));
            painter.drawLine(QPointF(1.5, at), QPointF(21.5, at));
        }
        break;
    case ToDoPicture::TextColor: {
        QFont font = painter.font();
        font.setItalic(true);
        font.setBold(true);
        font.setPixelSize(15);
        painter.setFont(font);
        painter.setPen(ColorNumber::palette(9));
        painter.drawText(QRectF(0, 0, 24, 18), Qt::AlignCenter, "Ab");
        for (int band = 0; band < 3; ++band) {
            painter.fillRect(QRectF(3 + band * 6, 19, 6, 3), ColorNumber::palette(12 + band));
        }
        break;
    }
    case ToDoPicture::InsertRow:
        drawList(painter, QRectF(2.5, 2.5, 15, 19), false);
        painter.setPen(QPen(ColorNumber::palette(10), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(18, 8), QPointF(18, 18));
        painter.drawLine(QPointF(13, 13), QPointF(23, 13));
        break;
    case ToDoPicture::Copy:
        drawList(painter, QRectF(1.5, 1.5, 13, 16), true);
        drawList(painter, QRectF(9.5, 6.5, 13, 16), true);
        break;
    case ToDoPicture::Worksheet:
        drawList(painter, QRectF(4.5, 1.5, 15, 21), false);
        painter.setPen(QPen(ColorNumber::palette(12), 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(12, 19), QPointF(21, 8));
        break;
    case ToDoPicture::Print:
        drawList(painter, QRectF(6.5, 1.5, 11, 10), true);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::gray);
        painter.drawRoundedRect(QRectF(1.5, 10.5, 21, 8), 2, 2);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(5.5, 16.5, 13, 6));
        break;
    }
}

} // namespace

QIcon toDoToolbarPicture(ToDoPicture picture) {
    return drawnToolbarPicture([picture](QPainter& painter) { draw(painter, picture); });
}
