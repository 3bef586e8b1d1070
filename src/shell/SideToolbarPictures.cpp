#include "SideToolbarPictures.h"

#include "ColorNumber.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 24;

void drawTick(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(2.5, 2.5, 19, 19));
    QPainterPath tick;
    tick.moveTo(6, 12);
    tick.lineTo(10, 17);
    tick.lineTo(18, 6);
    painter.setPen(QPen(ColorNumber::palette(2), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
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

// A painter's palette: an oval board with four dabs of colour.
void drawPanelColor(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(222, 184, 135));
    painter.drawEllipse(QRectF(1.5, 4.5, 21, 15));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(14, 12, 4, 4));
    const int dabs[][3] = {{4, 7, 4}, {8, 5, 2}, {13, 6, 1}, {6, 12, 14}};
    painter.setPen(Qt::NoPen);
    for (const auto& dab : dabs) {
        painter.setBrush(ColorNumber::palette(dab[2]));
        painter.drawEllipse(QRectF(dab[0], dab[1], 4.5, 4.5));
    }
}

// A loudspeaker with two sound waves.
void drawSound(QPainter& painter) {
    QPainterPath speaker;
    speaker.moveTo(3, 9);
    speaker.lineTo(7, 9);
    speaker.lineTo(12, 4);
    speaker.lineTo(12, 20);
    speaker.lineTo(7, 15);
    speaker.lineTo(3, 15);
    speaker.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ColorNumber::palette(8));
    painter.drawPath(speaker);
    painter.setPen(QPen(ColorNumber::palette(1), 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(9, 7, 8, 10), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(8, 3, 14, 18), -50 * 16, 100 * 16);
}

} // namespace

QIcon sideToolbarPicture(SidePicture picture) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case SidePicture::Check:
        drawTick(painter);
        break;
    case SidePicture::Help:
        drawHelp(painter);
        break;
    case SidePicture::Exit:
        drawExit(painter);
        break;
    case SidePicture::PanelColor:
        drawPanelColor(painter);
        break;
    case SidePicture::Sound:
        drawSound(painter);
        break;
    }
    return QIcon(pixmap);
}
