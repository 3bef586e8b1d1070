// The matching game's 50 card pictures and its match picture: family-friendly objects (fruit,
// animals, vehicles, weather, home), each its own shape and colours on its own pale tile, drawn
// at twice the size the cards show them. Written beside the matching window as its resources.
#include "matching.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace {

// Twice the card picture's 480 by 515 twips (32 by 34 pixels).
constexpr int kCardWidth = 64;
constexpr int kCardHeight = 69;
constexpr double kPi = std::numbers::pi;

using Drawing = std::function<void(QPainter&)>;

void fillPath(QPainter& p, const QPainterPath& path, const QColor& fill,
              const QColor& line = Qt::black, double width = 2) {
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(path);
}

void ellipse(QPainter& p, QRectF box, const QColor& fill, double width = 2) {
    QPainterPath path;
    path.addEllipse(box);
    fillPath(p, path, fill, Qt::black, width);
}

void box(QPainter& p, QRectF area, const QColor& fill, double radius = 0) {
    QPainterPath path;
    path.addRoundedRect(area, radius, radius);
    fillPath(p, path, fill);
}

void polygon(QPainter& p, const QList<QPointF>& points, const QColor& fill) {
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    fillPath(p, path, fill);
}

void line(QPainter& p, QPointF a, QPointF b, const QColor& colour, double width = 3) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(a, b);
}

void eye(QPainter& p, QPointF at, double r = 3.5) {
    ellipse(p, QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r), Qt::white, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(at, r / 2, r / 2);
}

void leaf(QPainter& p, QPointF base, double angle, const QColor& colour = QColor(40, 150, 40)) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath path;
    path.moveTo(0, 0);
    path.quadTo(8, -6, 16, 0);
    path.quadTo(8, 6, 0, 0);
    fillPath(p, path, colour, Qt::black, 1.5);
    p.restore();
}

void starShape(QPainter& p, QPointF centre, double outer, double inner, int points,
               const QColor& fill) {
    QList<QPointF> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = -kPi / 2 + i * kPi / points;
        corners << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    polygon(p, corners, fill);
}

void heartShape(QPainter& p, QPointF centre, double size, const QColor& fill) {
    QPainterPath path;
    const double s = size;
    path.moveTo(centre + QPointF(0, s * 0.9));
    path.cubicTo(centre + QPointF(-s * 1.4, -s * 0.1), centre + QPointF(-s * 0.6, -s * 1.1),
                 centre + QPointF(0, -s * 0.4));
    path.cubicTo(centre + QPointF(s * 0.6, -s * 1.1), centre + QPointF(s * 1.4, -s * 0.1),
                 centre + QPointF(0, s * 0.9));
    fillPath(p, path, fill);
}

void wheel(QPainter& p, QPointF centre, double r) {
    ellipse(p, QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), QColor(40, 40, 40));
    ellipse(p, QRectF(centre.x() - r / 2.5, centre.y() - r / 2.5, r / 1.25, r / 1.25),
            QColor(200, 200, 200), 1);
}

void cloudShape(QPainter& p, QPointF at, double scale, const QColor& fill) {
    QPainterPath path;
    path.addEllipse(QRectF(at.x(), at.y() + 10 * scale, 30 * scale, 20 * scale));
    path.addEllipse(QRectF(at.x() + 12 * scale, at.y(), 30 * scale, 28 * scale));
    path.addEllipse(QRectF(at.x() + 30 * scale, at.y() + 8 * scale, 28 * scale, 22 * scale));
    path.setFillRule(Qt::WindingFill); // the three puffs as one outline
    fillPath(p, path.simplified(), fill);
}

// All drawings use a 100 by 100 field.
std::vector<Drawing> cardDrawings() {
    const QColor red(220, 30, 40), green(60, 170, 60), yellow(250, 215, 40), orange(245, 140, 20),
        blue(40, 100, 220), brown(140, 85, 40), grey(150, 150, 160), pink(245, 150, 180),
        purple(140, 60, 170), white(255, 255, 255);
    return {
        // Fruit.
        [=](QPainter& p) { // apple
            ellipse(p, QRectF(18, 28, 64, 62), red);
            line(p, QPointF(50, 30), QPointF(54, 12), brown, 4);
            leaf(p, QPointF(54, 18), -20);
        },
        [=](QPainter& p) { // pear
            QPainterPath path;
            path.moveTo(50, 16);
            path.cubicTo(64, 16, 62, 44, 76, 62);
            path.cubicTo(88, 84, 70, 94, 50, 94);
            path.cubicTo(30, 94, 12, 84, 24, 62);
            path.cubicTo(38, 44, 36, 16, 50, 16);
            fillPath(p, path, QColor(170, 210, 60));
            line(p, QPointF(50, 17), QPointF(50, 6), brown, 4);
        },
        [=](QPainter& p) { // cherries
            line(p, QPointF(32, 66), QPointF(56, 14), QColor(60, 120, 30), 3);
            line(p, QPointF(70, 70), QPointF(56, 14), QColor(60, 120, 30), 3);
            ellipse(p, QRectF(14, 58, 34, 34), QColor(170, 10, 30));
            ellipse(p, QRectF(54, 62, 34, 34), QColor(170, 10, 30));
            leaf(p, QPointF(56, 16), 10);
        },
        [=](QPainter& p) { // banana
            QPainterPath path;
            path.moveTo(16, 30);
            path.quadTo(30, 88, 86, 72);
            path.quadTo(88, 64, 80, 64);
            path.quadTo(40, 70, 28, 26);
            path.closeSubpath();
            fillPath(p, path, yellow);
            line(p, QPointF(16, 30), QPointF(24, 24), brown, 5);
        },
        [=](QPainter& p) { // grapes
            for (int row = 0; row < 4; ++row) {
                for (int i = 0; i <= 3 - row; ++i) {
                    const double x = 20 + row * 8 + i * 17;
                    ellipse(p, QRectF(x, 28 + row * 16, 19, 19), purple, 1.5);
                }
            }
            line(p, QPointF(50, 28), QPointF(54, 10), brown, 4);
            leaf(p, QPointF(54, 14), -30);
        },
        [=](QPainter& p) { // orange
            ellipse(p, QRectF(16, 22, 68, 68), orange);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 200, 120));
            p.drawEllipse(QPointF(36, 42), 7, 5);
            leaf(p, QPointF(50, 22), -60);
        },
        [=](QPainter& p) { // lemon
            QPainterPath path;
            path.moveTo(8, 55);
            path.quadTo(20, 20, 50, 22);
            path.quadTo(80, 20, 92, 55);
            path.quadTo(80, 88, 50, 88);
            path.quadTo(20, 88, 8, 55);
            fillPath(p, path, QColor(255, 240, 60));
        },
        [=](QPainter& p) { // strawberry
            QPainterPath path;
            path.moveTo(18, 34);
            path.quadTo(50, 22, 82, 34);
            path.quadTo(80, 70, 50, 94);
            path.quadTo(20, 70, 18, 34);
            fillPath(p, path, QColor(230, 40, 60));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 230, 120));
            for (QPointF seed : {QPointF(35, 45), QPointF(50, 42), QPointF(65, 45), QPointF(42, 60),
                                 QPointF(58, 60), QPointF(50, 76)}) {
                p.drawEllipse(seed, 2.2, 3);
            }
            polygon(p, {{30, 30}, {40, 18}, {50, 28}, {60, 18}, {70, 30}, {50, 36}}, green);
        },
        [=](QPainter& p) { // watermelon slice
            QPainterPath rind;
            rind.moveTo(6, 36);
            rind.arcTo(QRectF(6, -20, 88, 112), 180, 180);
            rind.closeSubpath();
            fillPath(p, rind, QColor(40, 140, 50));
            QPainterPath flesh;
            flesh.moveTo(14, 36);
            flesh.arcTo(QRectF(14, -12, 72, 96), 180, 180);
            flesh.closeSubpath();
            fillPath(p, flesh, QColor(240, 70, 80), Qt::black, 1);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            for (QPointF seed :
                 {QPointF(34, 50), QPointF(50, 62), QPointF(66, 50), QPointF(50, 44)}) {
                p.drawEllipse(seed, 2.5, 4);
            }
        },
        [=](QPainter& p) { // pineapple
            for (int i = -2; i <= 2; ++i) {
                leaf(p, QPointF(50, 36), -90 + i * 22, QColor(30, 130, 60));
            }
            ellipse(p, QRectF(24, 34, 52, 60), QColor(230, 170, 40));
            QPainterPath fruit;
            fruit.addEllipse(QRectF(25, 35, 50, 58));
            p.setClipPath(fruit);
            p.setPen(QPen(brown, 1.5));
            for (int i = 0; i < 5; ++i) {
                p.drawLine(QPointF(26 + i * 12, 40), QPointF(50 + i * 12 - 24, 92));
                p.drawLine(QPointF(74 - i * 12, 40), QPointF(50 - i * 12 + 24, 92));
            }
            p.setClipping(false);
        },
        // Animals.
        [=](QPainter& p) { // fish
            QPainterPath body;
            body.moveTo(14, 50);
            body.quadTo(40, 18, 70, 50);
            body.quadTo(40, 82, 14, 50);
            fillPath(p, body, orange);
            polygon(p, {{68, 50}, {92, 30}, {92, 70}}, orange);
            eye(p, QPointF(30, 46));
        },
        [=](QPainter& p) { // cat
            polygon(p, {{22, 40}, {26, 10}, {46, 28}}, grey);
            polygon(p, {{78, 40}, {74, 10}, {54, 28}}, grey);
            ellipse(p, QRectF(16, 24, 68, 64), grey);
            eye(p, QPointF(38, 50), 5);
            eye(p, QPointF(62, 50), 5);
            polygon(p, {{46, 62}, {54, 62}, {50, 68}}, pink);
            for (int side : {-1, 1}) {
                line(p, QPointF(50 + side * 8, 68), QPointF(50 + side * 34, 62), Qt::black, 1.5);
                line(p, QPointF(50 + side * 8, 70), QPointF(50 + side * 34, 74), Qt::black, 1.5);
            }
        },
        [=](QPainter& p) { // bird
            ellipse(p, QRectF(18, 34, 60, 48), blue);
            ellipse(p, QRectF(52, 20, 34, 32), blue);
            polygon(p, {{84, 34}, {98, 40}, {84, 44}}, orange);
            eye(p, QPointF(72, 32));
            polygon(p, {{22, 52}, {4, 40}, {10, 62}}, blue);
            QPainterPath wing;
            wing.moveTo(34, 54);
            wing.quadTo(50, 40, 64, 58);
            wing.quadTo(48, 72, 34, 54);
            fillPath(p, wing, QColor(120, 170, 250));
            line(p, QPointF(44, 82), QPointF(42, 94), orange, 3);
            line(p, QPointF(56, 82), QPointF(58, 94), orange, 3);
        },
        [=](QPainter& p) { // turtle
            ellipse(p, QRectF(70, 44, 24, 20), QColor(120, 190, 90));
            for (QPointF foot : {QPointF(26, 70), QPointF(64, 70)}) {
                ellipse(p, QRectF(foot.x(), foot.y(), 14, 16), QColor(120, 190, 90));
            }
            QPainterPath shell;
            shell.moveTo(12, 72);
            shell.arcTo(QRectF(12, 28, 68, 88), 180, -180);
            shell.closeSubpath();
            fillPath(p, shell, QColor(40, 120, 60));
            eye(p, QPointF(84, 52), 2.5);
            p.setPen(QPen(QColor(200, 230, 150), 2));
            p.drawLine(QPointF(46, 30), QPointF(46, 72));
            p.drawLine(QPointF(18, 56), QPointF(74, 56));
        },
        [=](QPainter& p) { // ladybug
            ellipse(p, QRectF(36, 12, 28, 24), Qt::black);
            ellipse(p, QRectF(18, 24, 64, 68), red);
            line(p, QPointF(50, 28), QPointF(50, 92), Qt::black, 2);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            for (QPointF spot : {QPointF(34, 46), QPointF(66, 46), QPointF(32, 70), QPointF(68, 70),
                                 QPointF(44, 82), QPointF(56, 82)}) {
                p.drawEllipse(spot, 6, 6);
            }
        },
        [=](QPainter& p) { // snail
            QPainterPath body;
            body.moveTo(6, 84);
            body.lineTo(88, 84);
            body.quadTo(96, 84, 90, 62);
            body.lineTo(82, 66);
            body.lineTo(82, 78);
            body.lineTo(6, 78);
            body.closeSubpath();
            fillPath(p, body, QColor(230, 200, 150));
            line(p, QPointF(86, 64), QPointF(80, 44), Qt::black, 2);
            line(p, QPointF(90, 64), QPointF(96, 46), Qt::black, 2);
            ellipse(p, QRectF(18, 34, 50, 46), QColor(180, 100, 50));
            p.setPen(QPen(QColor(110, 50, 20), 3));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(30, 44, 26, 26));
            p.drawEllipse(QRectF(38, 52, 10, 10));
        },
        [=](QPainter& p) { // bee
            ellipse(p, QRectF(22, 14, 28, 40), QColor(210, 235, 255));
            ellipse(p, QRectF(50, 14, 28, 40), QColor(210, 235, 255));
            ellipse(p, QRectF(14, 40, 72, 48), yellow);
            for (int x : {36, 52, 68}) {
                line(p, QPointF(x, 42), QPointF(x, 86), Qt::black, 6);
            }
            eye(p, QPointF(22, 60), 3);
        },
        [=](QPainter& p) { // mouse
            ellipse(p, QRectF(8, 16, 34, 34), QColor(200, 190, 200));
            ellipse(p, QRectF(58, 16, 34, 34), QColor(200, 190, 200));
            ellipse(p, QRectF(16, 16, 18, 18), pink, 1);
            ellipse(p, QRectF(66, 16, 18, 18), pink, 1);
            QPainterPath head;
            head.moveTo(20, 44);
            head.quadTo(50, 20, 80, 44);
            head.quadTo(70, 82, 50, 94);
            head.quadTo(30, 82, 20, 44);
            fillPath(p, head, QColor(200, 190, 200));
            eye(p, QPointF(40, 52));
            eye(p, QPointF(60, 52));
            ellipse(p, QRectF(45, 84, 10, 8), Qt::black, 1);
        },
        [=](QPainter& p) { // pig
            polygon(p, {{20, 34}, {24, 12}, {42, 26}}, pink);
            polygon(p, {{80, 34}, {76, 12}, {58, 26}}, pink);
            ellipse(p, QRectF(12, 20, 76, 70), pink);
            ellipse(p, QRectF(34, 54, 32, 22), QColor(240, 110, 150));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 30, 60));
            p.drawEllipse(QPointF(44, 65), 3, 4);
            p.drawEllipse(QPointF(56, 65), 3, 4);
            eye(p, QPointF(36, 42));
            eye(p, QPointF(64, 42));
        },
        [=](QPainter& p) { // owl
            ellipse(p, QRectF(16, 14, 68, 80), brown);
            ellipse(p, QRectF(28, 52, 44, 38), QColor(230, 200, 150), 1);
            ellipse(p, QRectF(22, 22, 28, 28), white);
            ellipse(p, QRectF(50, 22, 28, 28), white);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawEllipse(QPointF(36, 36), 6, 6);
            p.drawEllipse(QPointF(64, 36), 6, 6);
            polygon(p, {{44, 48}, {56, 48}, {50, 60}}, orange);
        },
        // Vehicles.
        [=](QPainter& p) { // car
            polygon(p, {{28, 46}, {38, 26}, {66, 26}, {78, 46}}, QColor(170, 220, 250));
            box(p, QRectF(8, 44, 84, 26), red, 8);
            wheel(p, QPointF(28, 72), 11);
            wheel(p, QPointF(72, 72), 11);
        },
        [=](QPainter& p) { // bus
            box(p, QRectF(6, 22, 88, 52), yellow, 6);
            for (int x : {12, 32, 52, 72}) {
                box(p, QRectF(x, 30, 16, 16), QColor(170, 220, 250));
            }
            wheel(p, QPointF(24, 76), 10);
            wheel(p, QPointF(76, 76), 10);
        },
        [=](QPainter& p) { // truck
            box(p, QRectF(6, 26, 58, 44), blue, 3);
            polygon(p, {{64, 36}, {82, 36}, {94, 52}, {94, 70}, {64, 70}}, QColor(240, 120, 30));
            polygon(p, {{70, 40}, {80, 40}, {88, 52}, {70, 52}}, QColor(170, 220, 250));
            wheel(p, QPointF(24, 74), 10);
            wheel(p, QPointF(78, 74), 10);
        },
        [=](QPainter& p) { // sailboat
            polygon(p, {{50, 10}, {50, 66}, {16, 66}}, white);
            polygon(p, {{56, 20}, {56, 66}, {84, 66}}, QColor(250, 80, 80));
            line(p, QPointF(53, 8), QPointF(53, 70), brown, 3);
            polygon(p, {{8, 70}, {92, 70}, {78, 88}, {22, 88}}, brown);
            p.setPen(QPen(blue, 3));
            p.drawLine(QPointF(0, 94), QPointF(100, 94));
        },
        [=](QPainter& p) { // airplane
            polygon(p, {{44, 44}, {64, 8}, {72, 8}, {62, 44}}, grey);
            polygon(p, {{44, 56}, {64, 92}, {72, 92}, {62, 56}}, grey);
            QPainterPath body;
            body.addRoundedRect(QRectF(8, 42, 86, 16), 8, 8);
            fillPath(p, body, white);
            polygon(p, {{10, 44}, {4, 26}, {14, 26}, {22, 44}}, red);
        },
        [=](QPainter& p) { // rocket
            polygon(p, {{34, 70}, {20, 90}, {38, 84}}, red);
            polygon(p, {{66, 70}, {80, 90}, {62, 84}}, red);
            QPainterPath body;
            body.moveTo(50, 4);
            body.quadTo(74, 30, 66, 84);
            body.lineTo(34, 84);
            body.quadTo(26, 30, 50, 4);
            fillPath(p, body, QColor(230, 230, 240));
            ellipse(p, QRectF(41, 34, 18, 18), QColor(90, 170, 240));
            polygon(p, {{40, 86}, {60, 86}, {50, 99}}, orange);
        },
        [=](QPainter& p) { // bicycle
            p.setPen(QPen(Qt::black, 4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(24, 66), 18, 18);
            p.drawEllipse(QPointF(76, 66), 18, 18);
            p.setPen(QPen(QColor(20, 150, 120), 4, Qt::SolidLine, Qt::RoundCap));
            p.drawPolyline(QPolygonF({QPointF(24, 66), QPointF(44, 40), QPointF(70, 40),
                                      QPointF(50, 66), QPointF(24, 66)}));
            p.drawLine(QPointF(50, 66), QPointF(40, 32));
            p.drawLine(QPointF(76, 66), QPointF(68, 30));
            line(p, QPointF(32, 30), QPointF(48, 30), Qt::black, 5);
            line(p, QPointF(62, 28), QPointF(74, 26), Qt::black, 4);
        },
        [=](QPainter& p) { // steam train
            box(p, QRectF(8, 40, 56, 34), QColor(30, 120, 60), 3);
            box(p, QRectF(58, 22, 34, 52), QColor(200, 40, 40), 3);
            box(p, QRectF(66, 30, 18, 16), QColor(250, 240, 180));
            box(p, QRectF(18, 20, 12, 22), Qt::black);
            cloudShape(p, QPointF(4, 0), 0.45, QColor(235, 235, 235));
            wheel(p, QPointF(22, 78), 10);
            wheel(p, QPointF(48, 78), 10);
            wheel(p, QPointF(78, 78), 10);
        },
        [=](QPainter& p) { // hot-air balloon
            QPainterPath balloon;
            balloon.moveTo(50, 72);
            balloon.cubicTo(10, 50, 10, 4, 50, 4);
            balloon.cubicTo(90, 4, 90, 50, 50, 72);
            fillPath(p, balloon, QColor(250, 90, 60));
            QPainterPath stripe;
            stripe.moveTo(50, 72);
            stripe.cubicTo(34, 50, 34, 4, 50, 4);
            stripe.cubicTo(66, 4, 66, 50, 50, 72);
            fillPath(p, stripe, yellow, Qt::black, 1.5);
            line(p, QPointF(42, 70), QPointF(42, 84), Qt::black, 1.5);
            line(p, QPointF(58, 70), QPointF(58, 84), Qt::black, 1.5);
            box(p, QRectF(38, 82, 24, 14), brown, 2);
        },
        [=](QPainter& p) { // helicopter
            line(p, QPointF(8, 18), QPointF(76, 18), Qt::black, 4);
            line(p, QPointF(42, 18), QPointF(42, 32), Qt::black, 4);
            ellipse(p, QRectF(20, 30, 50, 40), QColor(60, 160, 230));
            polygon(p, {{66, 46}, {96, 44}, {96, 54}, {66, 58}}, QColor(60, 160, 230));
            ellipse(p, QRectF(26, 36, 22, 20), QColor(200, 240, 255), 1.5);
            line(p, QPointF(20, 82), QPointF(70, 82), Qt::black, 4);
            line(p, QPointF(34, 70), QPointF(30, 82), Qt::black, 3);
            line(p, QPointF(56, 70), QPointF(60, 82), Qt::black, 3);
        },
        // Weather and sky.
        [=](QPainter& p) { // sun
            p.setPen(QPen(orange, 5, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 12; ++i) {
                const double a = i * kPi / 6;
                p.drawLine(QPointF(50 + 30 * std::cos(a), 50 + 30 * std::sin(a)),
                           QPointF(50 + 44 * std::cos(a), 50 + 44 * std::sin(a)));
            }
            ellipse(p, QRectF(26, 26, 48, 48), yellow);
        },
        [=](QPainter& p) { cloudShape(p, QPointF(6, 26), 1.5, white); }, // cloud
        [=](QPainter& p) {                                               // rain
            cloudShape(p, QPointF(8, 8), 1.45, QColor(170, 180, 200));
            p.setPen(QPen(blue, 4, Qt::SolidLine, Qt::RoundCap));
            for (int x : {24, 44, 64, 84}) {
                p.drawLine(QPointF(x, 62), QPointF(x - 8, 90));
            }
        },
        [=](QPainter& p) { // snowflake
            p.setPen(QPen(QColor(60, 140, 230), 5, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 6; ++i) {
                const double a = i * kPi / 3;
                const QPointF tip(50 + 42 * std::cos(a), 50 + 42 * std::sin(a));
                p.drawLine(QPointF(50, 50), tip);
                const QPointF mid(50 + 26 * std::cos(a), 50 + 26 * std::sin(a));
                for (double side : {-0.6, 0.6}) {
                    p.drawLine(mid,
                               mid + QPointF(12 * std::cos(a + side), 12 * std::sin(a + side)));
                }
            }
        },
        [=](QPainter& p) { // lightning
            cloudShape(p, QPointF(8, 4), 1.45, QColor(110, 110, 130));
            polygon(p, {{50, 46}, {34, 74}, {48, 74}, {40, 98}, {70, 62}, {54, 62}, {64, 46}},
                    yellow);
        },
        [=](QPainter& p) { // rainbow
            const QColor bands[] = {red, orange, yellow, green, blue, purple};
            for (int i = 0; i < 6; ++i) {
                p.setPen(QPen(bands[i], 6, Qt::SolidLine, Qt::FlatCap));
                p.setBrush(Qt::NoBrush);
                const double r = 44 - i * 6;
                p.drawArc(QRectF(50 - r, 76 - r, 2 * r, 2 * r), 0, 180 * 16);
            }
            cloudShape(p, QPointF(0, 66), 0.5, white);
            cloudShape(p, QPointF(72, 66), 0.5, white);
        },
        [=](QPainter& p) { // moon
            QPainterPath moon;
            moon.addEllipse(QRectF(14, 10, 76, 80));
            QPainterPath bite;
            bite.addEllipse(QRectF(36, 2, 70, 76));
            fillPath(p, moon.subtracted(bite), QColor(250, 230, 110));
            starShape(p, QPointF(76, 76), 8, 3.5, 5, white);
        },
        [=](QPainter& p) { starShape(p, QPointF(50, 54), 46, 19, 5, QColor(255, 200, 0)); }, // star
        [=](QPainter& p) { // umbrella
            QPainterPath canopy;
            canopy.moveTo(6, 50);
            canopy.arcTo(QRectF(6, 8, 88, 84), 180, -180);
            canopy.closeSubpath();
            fillPath(p, canopy, QColor(230, 60, 150));
            line(p, QPointF(50, 50), QPointF(50, 86), Qt::black, 4);
            p.setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(36, 78, 14, 16), 180 * 16, 180 * 16);
        },
        [=](QPainter& p) { // snowman
            ellipse(p, QRectF(20, 48, 60, 48), white);
            ellipse(p, QRectF(30, 18, 40, 36), white);
            box(p, QRectF(34, 4, 32, 16), Qt::black);
            line(p, QPointF(28, 20), QPointF(72, 20), Qt::black, 4);
            polygon(p, {{50, 34}, {64, 38}, {50, 40}}, orange);
            for (int y : {60, 72, 84}) {
                ellipse(p, QRectF(47, y, 6, 6), Qt::black, 1);
            }
        },
        // Home and garden.
        [=](QPainter& p) { // house
            box(p, QRectF(18, 46, 64, 46), QColor(240, 220, 170));
            polygon(p, {{8, 50}, {50, 12}, {92, 50}}, red);
            box(p, QRectF(42, 64, 16, 28), brown);
            box(p, QRectF(24, 56, 14, 14), QColor(170, 220, 250));
            box(p, QRectF(62, 56, 14, 14), QColor(170, 220, 250));
        },
        [=](QPainter& p) { // tree
            box(p, QRectF(42, 58, 16, 38), brown);
            QPainterPath crown;
            crown.addEllipse(QRectF(14, 24, 40, 40));
            crown.addEllipse(QRectF(46, 24, 40, 40));
            crown.addEllipse(QRectF(28, 4, 44, 44));
            crown.setFillRule(Qt::WindingFill);
            fillPath(p, crown.simplified(), green);
        },
        [=](QPainter& p) { // flower
            line(p, QPointF(50, 50), QPointF(50, 98), QColor(40, 140, 40), 5);
            leaf(p, QPointF(50, 80), -30);
            for (int i = 0; i < 6; ++i) {
                const double a = i * kPi / 3;
                ellipse(p, QRectF(50 + 20 * std::cos(a) - 12, 40 + 20 * std::sin(a) - 12, 24, 24),
                        pink);
            }
            ellipse(p, QRectF(38, 28, 24, 24), yellow);
        },
        [=](QPainter& p) { heartShape(p, QPointF(50, 52), 40, red); }, // heart
        [=](QPainter& p) {                                             // key
            ellipse(p, QRectF(6, 30, 40, 40), QColor(230, 180, 40));
            ellipse(p, QRectF(18, 42, 16, 16), Qt::white);
            box(p, QRectF(44, 44, 50, 12), QColor(230, 180, 40));
            box(p, QRectF(70, 56, 8, 14), QColor(230, 180, 40));
            box(p, QRectF(84, 56, 8, 18), QColor(230, 180, 40));
        },
        [=](QPainter& p) { // bell
            QPainterPath bell;
            bell.moveTo(12, 78);
            bell.quadTo(24, 70, 26, 44);
            bell.quadTo(28, 14, 50, 14);
            bell.quadTo(72, 14, 74, 44);
            bell.quadTo(76, 70, 88, 78);
            bell.closeSubpath();
            fillPath(p, bell, QColor(240, 190, 30));
            ellipse(p, QRectF(42, 76, 16, 16), brown);
            ellipse(p, QRectF(44, 4, 12, 12), QColor(240, 190, 30));
        },
        [=](QPainter& p) { // cup
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(Qt::NoBrush);
            ellipse(p, QRectF(62, 36, 28, 30), Qt::white);
            box(p, QRectF(16, 28, 56, 62), QColor(60, 160, 220), 8);
            p.setPen(QPen(QColor(180, 180, 180), 3, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(28, 4, 14, 20), 0, 180 * 16);
            p.drawArc(QRectF(46, 6, 14, 20), 180 * 16, 180 * 16);
        },
        [=](QPainter& p) { // book
            polygon(p, {{50, 24}, {8, 16}, {8, 82}, {50, 90}}, white);
            polygon(p, {{50, 24}, {92, 16}, {92, 82}, {50, 90}}, white);
            p.setPen(QPen(grey, 2));
            for (int y : {32, 44, 56, 68}) {
                p.drawLine(QPointF(16, y), QPointF(42, y + 4));
                p.drawLine(QPointF(58, y + 4), QPointF(84, y));
            }
            polygon(p, {{50, 90}, {8, 82}, {8, 88}, {50, 96}, {92, 88}, {92, 82}},
                    QColor(40, 90, 200));
        },
        [=](QPainter& p) { // kite
            polygon(p, {{50, 4}, {80, 36}, {50, 74}, {20, 36}}, QColor(40, 190, 210));
            polygon(p, {{50, 4}, {80, 36}, {50, 36}}, yellow);
            polygon(p, {{50, 74}, {20, 36}, {50, 36}}, yellow);
            p.setPen(QPen(Qt::black, 2));
            p.setBrush(Qt::NoBrush);
            QPainterPath tail;
            tail.moveTo(50, 74);
            tail.cubicTo(30, 84, 70, 90, 40, 98);
            p.drawPath(tail);
            for (QPointF bow : {QPointF(44, 82), QPointF(52, 92)}) {
                polygon(p,
                        {bow + QPointF(-6, -4), bow + QPointF(6, 4), bow + QPointF(6, -4),
                         bow + QPointF(-6, 4)},
                        red);
            }
        },
        [=](QPainter& p) { // beach ball
            const QRectF ball(10, 12, 80, 80);
            const QColor segments[] = {red, white, blue, white, yellow, white};
            p.setPen(QPen(Qt::black, 1.5));
            for (int i = 0; i < 6; ++i) {
                p.setBrush(segments[i]);
                p.drawPie(ball, i * 60 * 16, 60 * 16);
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Qt::black, 2));
            p.drawEllipse(ball);
            ellipse(p, QRectF(44, 46, 12, 12), white, 1.5);
        },
    };
}

QImage cardImage(int index, const Drawing& draw) {
    QImage image(kCardWidth, kCardHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Each picture's own pale tile, its hue stepping round the wheel.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromHsv((index * 137) % 360, 40, 250));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1), 6, 6);
    painter.translate(4, 4);
    painter.scale((kCardWidth - 8) / 100.0, (kCardHeight - 8) / 100.0);
    draw(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Two cards turned face up, both showing the same heart, under a green tick.
QImage matchImage() {
    QImage image(140, 104, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int card = 0; card < 2; ++card) {
        p.save();
        p.translate(card == 0 ? 40 : 100, 56);
        p.rotate(card == 0 ? -12 : 12);
        box(p, QRectF(-26, -36, 52, 72), QColor(255, 252, 235), 6);
        heartShape(p, QPointF(0, 0), 16, QColor(220, 30, 40));
        p.restore();
    }
    p.setPen(QPen(QColor(20, 160, 60), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(52, 70), QPointF(66, 90), QPointF(96, 40)}));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool write(const QImage& image, const QString& path) {
    if (!image.save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

} // namespace

bool makeMatchingPictures(const QDir& root) {
    const QString folder = root.filePath("src/activities/matching/pictures");
    QDir().mkpath(folder);
    const std::vector<Drawing> drawings = cardDrawings();
    bool ok = drawings.size() == 50;
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        ok &= write(cardImage(int(i), drawings[i]),
                    QString("%1/%2.png").arg(folder).arg(i + 1, 2, 10, QChar('0')));
    }
    ok &= write(matchImage(), folder + "/match.png");
    return ok;
}
