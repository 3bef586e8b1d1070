#include "PrintPicture.h"

#include <QPainter>
#include <QPixmap>

QIcon printPicture() {
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    // The sheet going in at the top, the printer's body, the sheet coming out with its lines.
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 2.5, 11, 7));
    painter.setBrush(QColor(128, 128, 128));
    painter.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
    painter.setBrush(QColor(0, 160, 0));
    painter.drawEllipse(QPointF(18, 11), 1, 1);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 14.5, 11, 7));
    for (double y : {17.0, 19.0}) {
        painter.drawLine(QPointF(8, y), QPointF(16, y));
    }
    return QIcon(picture);
}
