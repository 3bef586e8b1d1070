#include "ShapeControl.h"

#include <QPainter>

ShapeControl::ShapeControl(QWidget* parent, Kind kind) : QWidget(parent), kind_(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::setFillColour(const QColor& colour) {
    fill_ = colour;
    update();
}

void ShapeControl::setBorderColour(const QColor& colour) {
    border_ = colour;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, kind_ == Kind::Oval);
    painter.setPen(border_);
    painter.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (kind_ == Kind::Oval) {
        painter.drawEllipse(area);
    } else {
        painter.drawRect(area);
    }
}
