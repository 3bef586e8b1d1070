#include "ThoughtsToolbarPictures.h"

#include "ColorNumber.h"
#include "SideToolbarPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 24;

void drawFont(QPainter& painter) {
    QFont font("DejaVu Serif");
    font.setBold(true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(ColorNumber::palette(1));
    painter.drawText(QRectF(0, 0, 15, 22), Qt::AlignCenter, "A");
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(ColorNumber::palette(4));
    painter.drawText(QRectF(12, 6, 12, 16), Qt::AlignCenter, "a");
}

void drawSearch(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(200, 230, 255));
    painter.drawEllipse(QRectF(3, 3, 12, 12));
    painter.setPen(QPen(ColorNumber::palette(6), 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14, 14), QPointF(21, 21));
}

void drawPage(QPainter& painter, const QRectF& page) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    painter.setPen(QPen(ColorNumber::palette(8), 1));
    for (double y = page.top() + 3; y < page.bottom() - 2; y += 3) {
        painter.drawLine(QPointF(page.left() + 2, y), QPointF(page.right() - 2, y));
    }
}

void drawCopy(QPainter& painter) {
    drawPage(painter, QRectF(2.5, 2.5, 11, 14));
    drawPage(painter, QRectF(9.5, 7.5, 11, 14));
}

void drawPrint(QPainter& painter) {
    drawPage(painter, QRectF(6.5, 2.5, 11, 8));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ColorNumber::palette(7));
    painter.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 15.5, 11, 6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ColorNumber::palette(10));
    painter.drawEllipse(QRectF(17, 11, 2.5, 2.5));
}

} // namespace

QIcon thoughtsToolbarPicture(int button) {
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (button) {
    case 1:
        drawFont(painter);
        break;
    case 2:
        return sideToolbarPicture(SidePicture::PanelColor);
    case 3:
        drawSearch(painter);
        break;
    case 4:
        drawCopy(painter);
        break;
    case 5:
        drawPrint(painter);
        break;
    case 6:
        return sideToolbarPicture(SidePicture::Help);
    default:
        return sideToolbarPicture(SidePicture::Exit);
    }
    return QIcon(picture);
}
