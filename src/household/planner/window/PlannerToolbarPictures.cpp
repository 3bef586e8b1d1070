#include "PlannerToolbarPictures.h"

#include "ColorNumber.h"
#include "SideToolbarPictures.h"

#include <QPainter>

namespace {

constexpr int kSize = 24;

// A calendar page: a red band on top, a grid of days below.
void drawCalendarPage(QPainter& painter, const QRectF& page, int columns, int rows) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    painter.fillRect(QRectF(page.left() + 0.5, page.top() + 0.5, page.width() - 0.5, 4),
                     ColorNumber::palette(12));
    const double cellWidth = page.width() / columns;
    const double cellHeight = (page.height() - 5) / rows;
    painter.setPen(QPen(Qt::gray, 1));
    for (int column = 1; column < columns; ++column) {
        const double x = page.left() + column * cellWidth;
        painter.drawLine(QPointF(x, page.top() + 5), QPointF(x, page.bottom()));
    }
    for (int row = 1; row < rows; ++row) {
        const double y = page.top() + 5 + row * cellHeight;
        painter.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    }
}

void drawSheet(QPainter& painter, const QRectF& sheet) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.setPen(QPen(Qt::darkGray, 1));
    for (double y = sheet.top() + 4; y < sheet.bottom() - 2; y += 3) {
        painter.drawLine(QPointF(sheet.left() + 2, y), QPointF(sheet.right() - 2, y));
    }
}

void draw(QPainter& painter, PlannerPicture picture) {
    switch (picture) {
    case PlannerPicture::GridBackground:
        for (int cell = 0; cell < 16; ++cell) {
            painter.fillRect(QRectF(2 + (cell % 4) * 5, 2 + (cell / 4) * 5, 5, 5),
                             ColorNumber::palette(cell % 2 == (cell / 4) % 2 ? 9 : 14));
        }
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(1.5, 1.5, 20, 20));
        break;
    case PlannerPicture::TextColor: {
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(16);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 0, kSize, 19), Qt::AlignCenter, "A");
        painter.fillRect(QRectF(3, 19, 18, 4), ColorNumber::palette(12));
        break;
    }
    case PlannerPicture::Month:
        drawCalendarPage(painter, QRectF(2.5, 2.5, 19, 19), 7, 5);
        break;
    case PlannerPicture::Clear:
        drawSheet(painter, QRectF(4.5, 2.5, 15, 19));
        painter.setPen(QPen(ColorNumber::palette(12), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(6, 6), QPointF(18, 18));
        painter.drawLine(QPointF(18, 6), QPointF(6, 18));
        break;
    case PlannerPicture::Copy:
        drawSheet(painter, QRectF(2.5, 2.5, 12, 15));
        drawSheet(painter, QRectF(9.5, 6.5, 12, 15));
        break;
    case PlannerPicture::Print:
        drawSheet(painter, QRectF(6.5, 1.5, 11, 9));
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::lightGray);
        painter.drawRect(QRectF(2.5, 9.5, 19, 9));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(6.5, 15.5, 11, 6));
        break;
    case PlannerPicture::CalendarOptions:
        drawCalendarPage(painter, QRectF(1.5, 1.5, 16, 16), 4, 3);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(ColorNumber::palette(9));
        painter.drawEllipse(QPointF(17.5, 17.5), 5, 5);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(17.5, 17.5), 2, 2);
        break;
    }
}

} // namespace

QIcon plannerToolbarPicture(PlannerPicture picture) {
    return drawnToolbarPicture([picture](QPainter& painter) { draw(painter, picture); });
}
