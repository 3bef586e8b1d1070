#include "SmilingFace.h"

#include "ColorNumber.h"

#include <QPainter>

#include <algorithm>

SmilingFace::SmilingFace(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SmilingFace::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double size = std::min(width(), height()) * 0.9;
    const QRectF face((width() - size) / 2, (height() - size) / 2, size, size);
    painter.setPen(QPen(Qt::black, std::max(2.0, size / 60)));
    painter.setBrush(ColorNumber::palette(14));
    painter.drawEllipse(face);

    painter.setBrush(Qt::black);
    const double eye = size / 9;
    const double eyeTop = face.top() + size * 0.3;
    painter.drawEllipse(QRectF(face.left() + size * 0.3, eyeTop, eye, eye * 1.3));
    painter.drawEllipse(QRectF(face.right() - size * 0.3 - eye, eyeTop, eye, eye * 1.3));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, std::max(3.0, size / 30), Qt::SolidLine, Qt::RoundCap));
    const QRectF smile(face.left() + size * 0.25, face.top() + size * 0.35, size * 0.5, size * 0.4);
    constexpr int kSixteenthsOfADegree = 16;
    painter.drawArc(smile, 200 * kSixteenthsOfADegree, 140 * kSixteenthsOfADegree);
}
