#include "LineControl.h"

#include "Twips.h"

#include <QPainter>

LineControl::LineControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setEnds(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const QPoint from(Twips::toPixels(x1), Twips::toPixels(y1));
    const QPoint to(Twips::toPixels(x2), Twips::toPixels(y2));
    setGeometry(QRect(from, to).normalized().adjusted(0, 0, 1, 1));
    update();
}

void LineControl::setColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(colour_);
    const int right = width() - 1;
    const int bottom = height() - 1;
    // The ends lie on the area's corners: which diagonal follows from their order.
    const bool falling = (x2_ - x1_) * (y2_ - y1_) >= 0;
    if (falling) {
        painter.drawLine(0, 0, right, bottom);
    } else {
        painter.drawLine(0, bottom, right, 0);
    }
}
