// Draws every picture that Korvane ships: the sixteen window backgrounds data/WP1.jpg .. WP16.jpg,
// the twenty toolbar pictures src/shell/images/toolbar/01.png .. 20.png, the main window's title
// emblem src/shell/images/title.png, the window icon src/shell/images/korvane.png, the Humorous
// Thoughts window's icon data/2.ico, the word scrambler's panel pictures data/Ap1.bmp and hmm.bmp,
// and the matching game's card and match pictures (src/activities/matching/pictures).
//
//   cmake -S tools/pictures -B build-tools && cmake --build build-tools
//   build-tools/make-pictures <repo root>
//
// Everything is computed from fixed seeds, so a rerun writes the same pictures (text glyphs come
// from the DejaVu fonts of the machine that runs it).

#include "matching.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <vector>

namespace {

constexpr int kBackgroundWidth = 800;
constexpr int kBackgroundHeight = 600;
constexpr int kJpegQuality = 82;
constexpr double kPi = std::numbers::pi;

// ---------------------------------------------------------------------------------------------
// Deterministic noise

std::uint32_t hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double unitHash(int x, int y, std::uint32_t seed) {
    return hash(x, y, seed) / 4294967296.0;
}

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

// Value noise in [0, 1): random values at integer points, smoothly interpolated between them.
double valueNoise(double x, double y, std::uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const double top = std::lerp(unitHash(x0, y0, seed), unitHash(x0 + 1, y0, seed), fx);
    const double bottom = std::lerp(unitHash(x0, y0 + 1, seed), unitHash(x0 + 1, y0 + 1, seed), fx);
    return std::lerp(top, bottom, fy);
}

// Fractal noise in [0, 1): octaves of value noise, each twice as fine and half as strong.
double fractalNoise(double x, double y, int octaves, std::uint32_t seed) {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * valueNoise(x, y, seed + octave * 101u);
        total += weight;
        weight *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / total;
}

// A sequence of reproducible numbers in [0, 1) for scattering shapes.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : seed_(seed) {}
    double next() { return unitHash(count_++, 0, seed_); }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    std::uint32_t seed_;
    int count_ = 0;
};

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(std::lerp(a.redF(), b.redF(), t)),
                            static_cast<float>(std::lerp(a.greenF(), b.greenF(), t)),
                            static_cast<float>(std::lerp(a.blueF(), b.blueF(), t)));
}

// ---------------------------------------------------------------------------------------------
// Backgrounds: calm and light, so that text stays readable on them.

using PixelFunction = std::function<QColor(double x, double y)>;

QImage backgroundFromPixels(const PixelFunction& pixel) {
    QImage image(kBackgroundWidth, kBackgroundHeight, QImage::Format_RGB32);
    for (int y = 0; y < kBackgroundHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kBackgroundWidth; ++x) {
            line[x] = pixel(x, y).rgb();
        }
    }
    return image;
}

QImage blankBackground(const QColor& colour) {
    QImage image(kBackgroundWidth, kBackgroundHeight, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void beginPainting(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
}

QImage parchment() {
    const QColor light(250, 243, 226);
    const QColor dark(236, 222, 193);
    return backgroundFromPixels([&](double x, double y) {
        const double dx = (x - 400) / 400;
        const double dy = (y - 300) / 300;
        const double edge = 0.35 * std::max(0.0, dx * dx + dy * dy - 0.5);
        return mix(light, dark, 0.7 * fractalNoise(x / 160, y / 160, 4, 11) - 0.15 + edge);
    });
}

QImage summerSky() {
    const QColor top(176, 212, 240);
    const QColor horizon(234, 244, 252);
    const QColor cloud(255, 255, 255);
    return backgroundFromPixels([&](double x, double y) {
        const QColor sky = mix(top, horizon, y / kBackgroundHeight);
        const double puff = fractalNoise(x / 220, y / 110, 5, 23);
        return mix(sky, cloud, smooth(std::clamp((puff - 0.45) * 3.0, 0.0, 1.0)) * 0.85);
    });
}

QImage meadow() {
    QImage image = backgroundFromPixels([](double, double y) {
        return mix(QColor(238, 246, 232), QColor(222, 238, 212), y / kBackgroundHeight);
    });
    QPainter painter(&image);
    beginPainting(painter);
    const QColor hills[] = {QColor(212, 232, 198), QColor(200, 225, 186), QColor(190, 218, 176)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath path;
        const double base = 400 + i * 60;
        path.moveTo(0, kBackgroundHeight);
        for (int x = 0; x <= kBackgroundWidth; x += 10) {
            path.lineTo(x, base + 35 * std::sin(x / (130.0 + 40 * i) + i * 1.7));
        }
        path.lineTo(kBackgroundWidth, kBackgroundHeight);
        painter.fillPath(path, hills[i]);
    }
    Scatter scatter(31);
    for (int i = 0; i < 60; ++i) {
        const QColor petals[] = {QColor(250, 235, 240), QColor(252, 248, 222),
                                 QColor(238, 236, 252)};
        painter.setBrush(petals[i % 3]);
        const QPointF centre(scatter.between(0, 800), scatter.between(470, 590));
        painter.drawEllipse(centre, 4, 4);
    }
    return image;
}

QImage waves() {
    const QColor water(226, 243, 246);
    const QColor crest(206, 232, 238);
    return backgroundFromPixels([&](double x, double y) {
        const double band = std::sin((y + 18 * std::sin(x / 70.0) + 9 * std::sin(x / 31.0)) / 12.0);
        return mix(water, crest, 0.5 + 0.5 * band * band * band);
    });
}

QImage polkaDots() {
    QImage image = blankBackground(QColor(253, 249, 240));
    QPainter painter(&image);
    beginPainting(painter);
    const QColor dots[] = {QColor(250, 220, 226), QColor(214, 238, 222), QColor(250, 240, 200),
                           QColor(214, 230, 248)};
    int index = 0;
    for (int row = 0; row * 50 < kBackgroundHeight + 50; ++row) {
        for (int column = 0; column * 60 < kBackgroundWidth + 60; ++column) {
            painter.setBrush(dots[index++ % 4]);
            painter.drawEllipse(QPointF(column * 60 + (row % 2) * 30, row * 50 + 10), 13, 13);
        }
    }
    return image;
}

QImage candyStripes() {
    const QColor stripes[] = {QColor(252, 240, 240), QColor(244, 248, 236), QColor(238, 244, 252)};
    return backgroundFromPixels([&](double x, double y) {
        const double position = (x + y) / 46.0;
        const int stripe = static_cast<int>(std::floor(position)) % 3;
        const double within = position - std::floor(position);
        const QColor& next = stripes[(stripe + 1) % 3];
        return mix(stripes[stripe], next, smooth(std::clamp((within - 0.85) / 0.15, 0.0, 1.0)));
    });
}

QImage marble() {
    const QColor stone(248, 248, 246);
    const QColor vein(222, 226, 234);
    return backgroundFromPixels([&](double x, double y) {
        const double turbulence = fractalNoise(x / 140, y / 140, 5, 47);
        const double vein_shape =
            std::abs(std::sin((x * 0.006 + y * 0.004 + 5 * turbulence) * kPi));
        return mix(vein, stone, std::pow(vein_shape, 0.3));
    });
}

QImage linen() {
    const QColor base(240, 234, 220);
    return backgroundFromPixels([&](double x, double y) {
        const double weft = valueNoise(0.5, y / 2.0, 61) - 0.5;
        const double warp = valueNoise(x / 2.0, 0.5, 67) - 0.5;
        const double cloth = fractalNoise(x / 200, y / 200, 3, 71) - 0.5;
        const double shade = 10 * weft + 10 * warp + 12 * cloth;
        return QColor(std::clamp(base.red() + static_cast<int>(shade), 0, 255),
                      std::clamp(base.green() + static_cast<int>(shade), 0, 255),
                      std::clamp(base.blue() + static_cast<int>(shade), 0, 255));
    });
}

QImage sunrise() {
    QImage image = blankBackground(Qt::white);
    QPainter painter(&image);
    QRadialGradient glow(QPointF(400, 700), 820);
    glow.setColorAt(0.0, QColor(255, 246, 212));
    glow.setColorAt(0.45, QColor(253, 230, 208));
    glow.setColorAt(0.8, QColor(246, 224, 232));
    glow.setColorAt(1.0, QColor(234, 226, 244));
    painter.fillRect(image.rect(), glow);
    return image;
}

QImage lavenderLattice() {
    QImage image = backgroundFromPixels([](double, double y) {
        return mix(QColor(242, 236, 250), QColor(230, 222, 244), y / kBackgroundHeight);
    });
    QPainter painter(&image);
    beginPainting(painter);
    painter.setPen(QPen(QColor(222, 212, 240), 2));
    for (int offset = -kBackgroundHeight; offset < kBackgroundWidth + kBackgroundHeight;
         offset += 60) {
        painter.drawLine(QPointF(offset, 0), QPointF(offset + kBackgroundHeight, 600));
        painter.drawLine(QPointF(offset, 600), QPointF(offset + kBackgroundHeight, 0));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 246, 254));
    for (int row = 0; row <= 20; ++row) {
        for (int column = 0; column <= 28; ++column) {
            if ((row + column) % 2 == 0) {
                painter.drawEllipse(QPointF(column * 30, row * 30), 3, 3);
            }
        }
    }
    return image;
}

QImage gingham() {
    const QColor paper(250, 252, 255);
    const QColor check(204, 222, 242);
    return backgroundFromPixels([&](double x, double y) {
        const bool column = static_cast<int>(x / 28) % 2 == 0;
        const bool row = static_cast<int>(y / 28) % 2 == 0;
        return mix(paper, check, 0.33 * column + 0.33 * row);
    });
}

void drawStar(QPainter& painter, QPointF centre, double radius, double turn) {
    QPainterPath star;
    for (int point = 0; point < 10; ++point) {
        const double r = point % 2 == 0 ? radius : radius * 0.45;
        const double angle = turn + point * kPi / 5 - kPi / 2;
        const QPointF p = centre + QPointF(r * std::cos(angle), r * std::sin(angle));
        point == 0 ? star.moveTo(p) : star.lineTo(p);
    }
    star.closeSubpath();
    painter.drawPath(star);
}

QImage mintStars() {
    QImage image = backgroundFromPixels([](double x, double y) {
        return mix(QColor(236, 248, 242), QColor(224, 242, 236), (x + y) / 1400.0);
    });
    QPainter painter(&image);
    beginPainting(painter);
    Scatter scatter(83);
    for (int i = 0; i < 70; ++i) {
        painter.setBrush(i % 2 == 0 ? QColor(250, 248, 224) : QColor(214, 236, 228));
        drawStar(painter, QPointF(scatter.between(0, 800), scatter.between(0, 600)),
                 scatter.between(7, 15), scatter.between(0, kPi));
    }
    return image;
}

QImage sandRipples() {
    const QColor sand(244, 234, 212);
    const QColor shadow(230, 216, 188);
    return backgroundFromPixels([&](double x, double y) {
        const double drift = 40 * fractalNoise(x / 300, y / 300, 3, 97);
        const double ripple = std::sin((y + drift + 12 * std::sin(x / 90.0)) / 9.0);
        return mix(sand, shadow,
                   0.25 + 0.25 * ripple + 0.3 * (fractalNoise(x / 60, y / 60, 3, 101) - 0.5));
    });
}

QImage bubbles() {
    QImage image = backgroundFromPixels([](double, double y) {
        return mix(QColor(222, 238, 250), QColor(240, 248, 254), y / kBackgroundHeight);
    });
    QPainter painter(&image);
    beginPainting(painter);
    Scatter scatter(107);
    for (int i = 0; i < 45; ++i) {
        const QPointF centre(scatter.between(-20, 820), scatter.between(-20, 620));
        const double radius = scatter.between(10, 48);
        painter.setPen(QPen(QColor(255, 255, 255, 200), 2));
        painter.setBrush(QColor(255, 255, 255, 70));
        painter.drawEllipse(centre, radius, radius);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 150));
        painter.drawEllipse(centre + QPointF(-radius * 0.4, -radius * 0.4), radius * 0.18,
                            radius * 0.18);
    }
    return image;
}

QPainterPath leafShape(double length) {
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.35, length, 0);
    leaf.quadTo(length * 0.5, length * 0.35, 0, 0);
    return leaf;
}

QImage leaves() {
    QImage image = blankBackground(QColor(241, 245, 234));
    QPainter painter(&image);
    beginPainting(painter);
    Scatter scatter(113);
    for (int i = 0; i < 80; ++i) {
        painter.save();
        painter.translate(scatter.between(-30, 830), scatter.between(-30, 630));
        painter.rotate(scatter.between(0, 360));
        const double length = scatter.between(30, 60);
        painter.setBrush(i % 3 == 0 ? QColor(226, 236, 214) : QColor(232, 240, 220));
        painter.drawPath(leafShape(length));
        painter.setPen(QPen(QColor(218, 230, 204), 1.5));
        painter.drawLine(QPointF(0, 0), QPointF(length * 0.9, 0));
        painter.setPen(Qt::NoPen);
        painter.restore();
    }
    return image;
}

QImage pastelRainbow() {
    return backgroundFromPixels([](double x, double y) {
        const double hue = std::fmod((x * 0.6 + y * 0.4) / 1100.0 + 0.95, 1.0);
        return QColor::fromHsvF(static_cast<float>(hue), 0.13f, 0.99f);
    });
}

// ---------------------------------------------------------------------------------------------
// Toolbar pictures: drawn on a 64 by 64 grid and rendered at 32 by 32 with antialiasing.

const QColor kOutline(52, 58, 76);
const QColor kRed(220, 70, 60);
const QColor kBlue(52, 120, 210);
const QColor kGreen(64, 168, 90);
const QColor kYellow(250, 204, 60);
const QColor kCream(255, 248, 230);
const QColor kBrown(150, 96, 56);
const QColor kPaper(255, 255, 255);
const QColor kGrey(150, 156, 168);

QPen outline(double width = 3) {
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QFont iconFont(double pixelSize, bool serif = false) {
    QFont font(serif ? "DejaVu Serif" : "DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(static_cast<int>(pixelSize));
    return font;
}

void drawCentredText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& colour) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

void roundedBox(QPainter& painter, const QRectF& box, const QColor& fill, double radius = 6) {
    painter.setPen(outline());
    painter.setBrush(fill);
    painter.drawRoundedRect(box, radius, radius);
}

void houseIcon(QPainter& p) {
    roundedBox(p, QRectF(14, 30, 36, 28), kCream, 2);
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({QPointF(6, 32), QPointF(32, 8), QPointF(58, 32)}));
    p.setBrush(kBrown);
    p.drawRect(QRectF(27, 40, 11, 18));
    p.setBrush(QColor(150, 200, 245));
    p.drawRect(QRectF(17, 36, 7, 7));
    p.drawRect(QRectF(41, 36, 7, 7));
}

void crosswordIcon(QPainter& p) {
    p.setPen(outline());
    const double cell = 13;
    const bool dark[4][4] = {{false, false, false, true},
                             {false, true, false, false},
                             {false, false, false, true},
                             {true, false, false, false}};
    // The first word of the grid is highlighted, as when its clue is picked.
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            p.setBrush(dark[row][column] ? kOutline : row == 0 ? kYellow : kPaper);
            p.drawRect(QRectF(6 + column * cell, 6 + row * cell, cell, cell));
        }
    }
}

void quoteMark(QPainter& p, QPointF at, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(at + QPointF(0, 10), 9, 9);
    QPainterPath tail;
    tail.moveTo(at + QPointF(-9, 10));
    tail.cubicTo(at + QPointF(-10, -4), at + QPointF(-2, -12), at + QPointF(9, -14));
    tail.lineTo(at + QPointF(9, -9));
    tail.cubicTo(at + QPointF(2, -7), at + QPointF(-2, 0), at + QPointF(0, 3));
    tail.closeSubpath();
    p.drawPath(tail);
}

void quotesIcon(QPainter& p) {
    roundedBox(p, QRectF(4, 8, 56, 48), kCream, 10);
    quoteMark(p, QPointF(22, 30), kBlue);
    quoteMark(p, QPointF(44, 30), kBlue);
}

void hangmanIcon(QPainter& p) {
    roundedBox(p, QRectF(3, 12, 58, 40), kPaper);
    drawCentredText(p, QRectF(4, 14, 20, 32), "A", iconFont(24), kGreen);
    drawCentredText(p, QRectF(40, 14, 20, 32), "C", iconFont(24), kGreen);
    p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(26, 42), QPointF(38, 42));
}

void ticTacToeIcon(QPainter& p) {
    p.setPen(QPen(kOutline, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 6), QPointF(24, 58));
    p.drawLine(QPointF(40, 6), QPointF(40, 58));
    p.drawLine(QPointF(6, 24), QPointF(58, 24));
    p.drawLine(QPointF(6, 40), QPointF(58, 40));
    p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::RoundCap));
    for (QPointF c : {QPointF(15, 15), QPointF(32, 32), QPointF(49, 49)}) {
        p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
    }
    p.setPen(QPen(kBlue, 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(49, 15), 6, 6);
    p.drawEllipse(QPointF(15, 49), 6, 6);
}

void cardBack(QPainter& p, const QRectF& card, const QColor& colour) {
    roundedBox(p, card, colour, 4);
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    p.drawRoundedRect(card.adjusted(4, 4, -4, -4), 2, 2);
}

void cardFace(QPainter& p, const QRectF& card, const QColor& symbol) {
    roundedBox(p, card, kPaper, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(symbol);
    drawStar(p, card.center(), std::min(card.width(), card.height()) * 0.32, 0);
}

void matchingOneIcon(QPainter& p) {
    p.save();
    p.translate(20, 34);
    p.rotate(-10);
    cardBack(p, QRectF(-15, -22, 30, 44), kBlue);
    p.restore();
    p.save();
    p.translate(42, 32);
    p.rotate(8);
    cardFace(p, QRectF(-15, -22, 30, 44), kYellow);
    p.restore();
}

void matchingTwoIcon(QPainter& p) {
    cardFace(p, QRectF(6, 4, 24, 27), kYellow);
    cardBack(p, QRectF(34, 4, 24, 27), kGreen);
    cardBack(p, QRectF(6, 34, 24, 27), kGreen);
    cardFace(p, QRectF(34, 34, 24, 27), kYellow);
}

void letterTile(QPainter& p, QPointF centre, double angle, const QString& letter,
                const QColor& colour) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    roundedBox(p, QRectF(-11, -11, 22, 22), colour, 4);
    drawCentredText(p, QRectF(-11, -11, 22, 22), letter, iconFont(16), kOutline);
    p.restore();
}

void scramblerIcon(QPainter& p) {
    letterTile(p, QPointF(18, 20), -14, "T", QColor(255, 214, 120));
    letterTile(p, QPointF(45, 22), 12, "A", QColor(160, 214, 250));
    letterTile(p, QPointF(31, 46), -4, "C", QColor(180, 230, 170));
}

void cakeIcon(QPainter& p) {
    roundedBox(p, QRectF(8, 40, 48, 18), QColor(244, 190, 210), 3);
    roundedBox(p, QRectF(13, 26, 38, 16), QColor(255, 232, 240), 3);
    p.setPen(QPen(kRed, 2));
    p.drawLine(QPointF(10, 48), QPointF(54, 48));
    p.setPen(outline(2));
    p.setBrush(kBlue);
    p.drawRect(QRectF(30, 12, 4, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 160, 40));
    QPainterPath flame;
    flame.moveTo(32, 2);
    flame.quadTo(38, 8, 32, 12);
    flame.quadTo(26, 8, 32, 2);
    p.drawPath(flame);
}

void lightBulbIcon(QPainter& p) {
    p.setPen(QPen(kYellow.darker(120), 3, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 5; ++ray) {
        const double angle = kPi + ray * kPi / 4;
        p.drawLine(QPointF(32 + 22 * std::cos(angle), 26 + 22 * std::sin(angle)),
                   QPointF(32 + 28 * std::cos(angle), 26 + 28 * std::sin(angle)));
    }
    p.setPen(outline());
    p.setBrush(kYellow);
    QPainterPath bulb;
    bulb.moveTo(25, 46);
    bulb.cubicTo(25, 38, 16, 34, 16, 24);
    bulb.cubicTo(16, 6, 48, 6, 48, 24);
    bulb.cubicTo(48, 34, 39, 38, 39, 46);
    bulb.closeSubpath();
    p.drawPath(bulb);
    p.setBrush(kGrey);
    p.drawRoundedRect(QRectF(24, 46, 16, 12), 3, 3);
    p.drawLine(QPointF(24, 52), QPointF(40, 52));
}

void smileIcon(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(32, 32), 27, 27);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(23, 25), 3, 4.5);
    p.drawEllipse(QPointF(41, 25), 3, 4.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(outline(4));
    p.drawArc(QRectF(17, 20, 30, 26), 200 * 16, 140 * 16);
}

void plannerIcon(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kPaper);
    QPainterPath left;
    left.moveTo(32, 16);
    left.cubicTo(24, 10, 12, 10, 4, 14);
    left.lineTo(4, 54);
    left.cubicTo(12, 50, 24, 50, 32, 56);
    left.closeSubpath();
    p.drawPath(left);
    p.drawPath(QTransform().translate(64, 0).scale(-1, 1).map(left));
    p.setPen(QPen(kBlue, 2));
    for (int line = 0; line < 4; ++line) {
        const double y = 24 + line * 7;
        p.drawLine(QPointF(9, y), QPointF(27, y - 1));
        p.drawLine(QPointF(37, y - 1), QPointF(55, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawRect(QRectF(44, 8, 6, 14));
}

void checkListIcon(QPainter& p) {
    roundedBox(p, QRectF(10, 4, 44, 56), kPaper, 4);
    for (int row = 0; row < 3; ++row) {
        const double y = 12 + row * 16;
        p.setPen(outline(2));
        p.setBrush(kPaper);
        p.drawRect(QRectF(16, y, 10, 10));
        p.setPen(QPen(kGrey, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(31, y + 5), QPointF(48, y + 5));
        if (row < 2) {
            p.setPen(QPen(kGreen, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(16, y + 4), QPointF(21, y + 9), QPointF(30, y - 3)}));
        }
    }
}

void calendarPage(QPainter& p, const QRectF& page, const QString& day) {
    roundedBox(p, page, kPaper, 4);
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(page.left(), page.top(), page.width(), page.height() * 0.28), 4, 4);
    p.setPen(outline(3));
    for (double x : {page.left() + page.width() * 0.3, page.left() + page.width() * 0.7}) {
        p.drawLine(QPointF(x, page.top() - 4), QPointF(x, page.top() + 6));
    }
    drawCentredText(
        p,
        QRectF(page.left(), page.top() + page.height() * 0.28, page.width(), page.height() * 0.72),
        day, iconFont(page.height() * 0.55), kOutline);
}

void dateIcon(QPainter& p) {
    calendarPage(p, QRectF(8, 8, 48, 50), "14");
}

void calendarMakerIcon(QPainter& p) {
    calendarPage(p, QRectF(16, 4, 32, 30), "1");
    roundedBox(p, QRectF(4, 30, 56, 22), kGrey, 4);
    p.setBrush(kPaper);
    p.drawRect(QRectF(14, 46, 36, 14));
    p.setBrush(kGreen);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(52, 37), 2.5, 2.5);
}

void person(QPainter& p, QPointF head, double size, const QColor& shirt) {
    p.setPen(outline(2.5));
    p.setBrush(shirt);
    QPainterPath body;
    body.moveTo(head.x() - size, head.y() + size * 2.6);
    body.cubicTo(head.x() - size, head.y() + size * 0.9, head.x() + size, head.y() + size * 0.9,
                 head.x() + size, head.y() + size * 2.6);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(250, 214, 180));
    p.drawEllipse(head, size * 0.55, size * 0.55);
}

void familyIcon(QPainter& p) {
    person(p, QPointF(18, 18), 14, kBlue);
    person(p, QPointF(46, 18), 14, kRed);
    person(p, QPointF(32, 36), 9.5, kGreen);
}

void speakerIcon(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kGrey);
    p.drawPolygon(QPolygonF({QPointF(6, 24), QPointF(16, 24), QPointF(30, 10), QPointF(30, 54),
                             QPointF(16, 40), QPointF(6, 40)}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlue, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(26, 20, 16, 24), -50 * 16, 100 * 16);
    p.drawArc(QRectF(24, 12, 28, 40), -50 * 16, 100 * 16);
    p.drawArc(QRectF(22, 4, 38, 56), -50 * 16, 100 * 16);
}

void globeIcon(QPainter& p) {
    p.setPen(outline());
    p.setBrush(QColor(120, 180, 240));
    p.drawEllipse(QPointF(32, 32), 26, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    QPainterPath land;
    land.moveTo(18, 16);
    land.cubicTo(28, 10, 34, 20, 28, 28);
    land.cubicTo(24, 34, 30, 44, 24, 50);
    land.cubicTo(14, 44, 10, 26, 18, 16);
    land.moveTo(40, 22);
    land.cubicTo(50, 20, 56, 30, 52, 38);
    land.cubicTo(46, 42, 38, 34, 40, 22);
    p.drawPath(land);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
    p.drawEllipse(QPointF(32, 32), 11, 26);
    p.drawLine(QPointF(6, 32), QPointF(58, 32));
    p.drawLine(QPointF(32, 6), QPointF(32, 58));
    p.setPen(outline());
    p.drawEllipse(QPointF(32, 32), 26, 26);
}

void helpIcon(QPainter& p) {
    p.setPen(outline());
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(32, 32), 27, 27);
    drawCentredText(p, QRectF(5, 3, 54, 58), "?", iconFont(44), kPaper);
}

void exitIcon(QPainter& p) {
    p.setPen(outline());
    p.setBrush(QColor(255, 240, 170));
    p.drawRect(QRectF(12, 6, 30, 52));
    p.setBrush(kBrown);
    p.drawPolygon(QPolygonF({QPointF(12, 6), QPointF(30, 12), QPointF(30, 62), QPointF(12, 58)}));
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(25, 36), 2.5, 2.5);
    p.setPen(QPen(kGreen, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(38, 32), QPointF(58, 32));
    p.drawPolyline(QPolygonF({QPointF(50, 24), QPointF(58, 32), QPointF(50, 40)}));
}

using PicturePainter = void (*)(QPainter&);

// Draws on a transparent picture of the given size; the painter's units are the picture's pixels
// divided by scale (the toolbar pictures are designed on a 64 by 64 grid).
QImage renderPicture(QSize size, double scale, PicturePainter draw) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------------------------
// The main window's title emblem and the window icon.

void puzzlePiece(QPainter& p, const QRectF& square, const QColor& colour) {
    const double s = square.width();
    QPainterPath piece;
    piece.addRect(square);
    piece.addEllipse(QPointF(square.right() + s * 0.12, square.center().y()), s * 0.2, s * 0.2);
    piece.addEllipse(QPointF(square.center().x(), square.top() - s * 0.12), s * 0.2, s * 0.2);
    p.setPen(outline(3));
    p.setBrush(colour);
    p.drawPath(piece.simplified());
}

void openBook(QPainter& p, const QRectF& box) {
    const double w = box.width();
    const double h = box.height();
    QPainterPath left;
    left.moveTo(box.left() + w / 2, box.top() + h * 0.12);
    left.cubicTo(box.left() + w * 0.35, box.top(), box.left() + w * 0.12, box.top(), box.left(),
                 box.top() + h * 0.08);
    left.lineTo(box.left(), box.bottom() - h * 0.04);
    left.cubicTo(box.left() + w * 0.12, box.bottom() - h * 0.14, box.left() + w * 0.35,
                 box.bottom() - h * 0.14, box.left() + w / 2, box.bottom());
    left.closeSubpath();
    const QPainterPath right =
        QTransform().translate(2 * box.center().x(), 0).scale(-1, 1).map(left);
    p.setPen(outline(3));
    p.setBrush(kRed.darker(110));
    p.drawRoundedRect(box.adjusted(-6, h * 0.06, 6, 6), 6, 6);
    p.setBrush(kPaper);
    p.drawPath(left);
    p.drawPath(right);
    p.setPen(QPen(kGrey, 2, Qt::SolidLine, Qt::RoundCap));
    for (int line = 1; line <= 5; ++line) {
        const double y = box.top() + h * (0.12 + line * 0.13);
        p.drawLine(QPointF(box.left() + w * 0.08, y), QPointF(box.left() + w * 0.42, y + 2));
        p.drawLine(QPointF(box.left() + w * 0.58, y + 2), QPointF(box.right() - w * 0.08, y));
    }
}

void roundedBadge(QPainter& p, const QRectF& box, double radius, const QColor& top,
                  const QColor& bottom, double penWidth) {
    QLinearGradient face(box.topLeft(), box.bottomLeft());
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.setPen(outline(penWidth));
    p.setBrush(face);
    p.drawRoundedRect(box, radius, radius);
}

void titleEmblem(QPainter& p) {
    roundedBadge(p, QRectF(3, 3, 234, 124), 22, QColor(206, 232, 252), QColor(255, 244, 214), 3);
    openBook(p, QRectF(70, 58, 100, 56));
    letterTile(p, QPointF(92, 34), -12, "A", QColor(255, 214, 120));
    letterTile(p, QPointF(120, 24), 4, "B", QColor(160, 214, 250));
    letterTile(p, QPointF(148, 34), 14, "C", QColor(180, 230, 170));
    puzzlePiece(p, QRectF(22, 62, 26, 26), kGreen);
    puzzlePiece(p, QRectF(186, 62, 26, 26), kBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    drawStar(p, QPointF(38, 32), 12, 0.2);
    drawStar(p, QPointF(202, 32), 12, -0.2);
}

void windowIcon(QPainter& p) {
    roundedBadge(p, QRectF(2, 2, 60, 60), 12, QColor(90, 160, 235), QColor(40, 100, 190), 2);
    openBook(p, QRectF(12, 34, 40, 22));
    drawCentredText(p, QRectF(2, 2, 60, 36), "K", iconFont(32, true), kPaper);
}

// ---------------------------------------------------------------------------------------------

bool save(const QImage& image, const QString& path, int quality = -1) {
    if (!image.save(path, nullptr, quality)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The word scrambler's panel pictures, Ap1.bmp and hmm.bmp: 626 by 479, the size of the panel they
// fill. The boards of the game cover the middle, so the middle stays a calm wash; the mascot sits
// in the top left corner, which no board covers, a small echo of it in the top right corner.

constexpr int kPanelPictureWidth = 626;
constexpr int kPanelPictureHeight = 479;

QImage panelWash(const QColor& top, const QColor& bottom, std::uint32_t seed) {
    return QImage(backgroundFromPixels([&](double x, double y) {
                      const double grain = fractalNoise(x / 90, y / 90, 3, seed) - 0.5;
                      return mix(top, bottom,
                                 std::clamp(y / kBackgroundHeight + grain * 0.12, 0.0, 1.0));
                  })
                      .scaled(kPanelPictureWidth, kPanelPictureHeight, Qt::IgnoreAspectRatio,
                              Qt::SmoothTransformation));
}

void smilingFace(QPainter& p, QPointF centre, double size) {
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(centre + QPointF(-0.32 * size, -0.12 * size), 0.08 * size, 0.11 * size);
    p.drawEllipse(centre + QPointF(0.32 * size, -0.12 * size), 0.08 * size, 0.11 * size);
    p.setBrush(QColor(255, 150, 150, 150));
    p.drawEllipse(centre + QPointF(-0.5 * size, 0.15 * size), 0.13 * size, 0.08 * size);
    p.drawEllipse(centre + QPointF(0.5 * size, 0.15 * size), 0.13 * size, 0.08 * size);
    p.setPen(QPen(kOutline, 0.06 * size, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 0.3 * size, centre.y() - 0.1 * size, 0.6 * size, 0.45 * size),
              200 * 16, 140 * 16);
}

void apple(QPainter& p, QPointF centre, double size, const QColor& skin) {
    QPainterPath body;
    body.moveTo(centre + QPointF(0, -0.62 * size));
    body.cubicTo(centre + QPointF(0.55 * size, -1.0 * size),
                 centre + QPointF(1.15 * size, -0.45 * size),
                 centre + QPointF(0.9 * size, 0.25 * size));
    body.cubicTo(centre + QPointF(0.7 * size, 0.85 * size),
                 centre + QPointF(0.25 * size, 1.0 * size), centre + QPointF(0, 0.85 * size));
    body.cubicTo(centre + QPointF(-0.25 * size, 1.0 * size),
                 centre + QPointF(-0.7 * size, 0.85 * size),
                 centre + QPointF(-0.9 * size, 0.25 * size));
    body.cubicTo(centre + QPointF(-1.15 * size, -0.45 * size),
                 centre + QPointF(-0.55 * size, -1.0 * size), centre + QPointF(0, -0.62 * size));
    QRadialGradient shine(centre + QPointF(-0.35 * size, -0.35 * size), 1.4 * size);
    shine.setColorAt(0, skin.lighter(150));
    shine.setColorAt(1, skin);
    p.setPen(QPen(kOutline, 0.05 * size, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shine);
    p.drawPath(body);
    p.setPen(QPen(kBrown, 0.09 * size, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(0, -0.6 * size), centre + QPointF(0.08 * size, -0.95 * size));
    p.setPen(QPen(kOutline, 0.04 * size));
    p.setBrush(kGreen);
    p.save();
    p.translate(centre + QPointF(0.3 * size, -0.88 * size));
    p.rotate(-25);
    p.drawPath(leafShape(0.5 * size));
    p.restore();
    smilingFace(p, centre + QPointF(0, 0.1 * size), 0.55 * size);
}

QImage applePicture() {
    QImage image = panelWash(QColor(236, 246, 236), QColor(214, 232, 240), 71);
    QPainter p(&image);
    beginPainting(p);
    apple(p, QPointF(66, 40), 36, QColor(214, 58, 52));
    apple(p, QPointF(592, 38), 24, QColor(120, 190, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    for (int i = 0; i < 6; ++i) {
        p.drawEllipse(QPointF(24 + 5 * i, 230 + 38 * i), 7, 7);
        p.drawEllipse(QPointF(606, 120 + 52 * i), 6, 6);
    }
    return image;
}

// A round owl in thought, with a question mark beside it: "hmm".
void owl(QPainter& p, QPointF centre, double size) {
    p.setPen(QPen(kOutline, 0.04 * size, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(168, 128, 96));
    p.drawPolygon(QPolygonF({centre + QPointF(-0.75 * size, -0.55 * size),
                             centre + QPointF(-0.55 * size, -1.05 * size),
                             centre + QPointF(-0.3 * size, -0.75 * size)}));
    p.drawPolygon(QPolygonF({centre + QPointF(0.75 * size, -0.55 * size),
                             centre + QPointF(0.55 * size, -1.05 * size),
                             centre + QPointF(0.3 * size, -0.75 * size)}));
    p.drawEllipse(centre, 0.9 * size, size);
    p.setBrush(QColor(236, 214, 180));
    p.drawEllipse(centre + QPointF(0, 0.35 * size), 0.55 * size, 0.55 * size);
    p.setBrush(kPaper);
    for (const double side : {-1.0, 1.0}) {
        p.drawEllipse(centre + QPointF(side * 0.35 * size, -0.35 * size), 0.3 * size, 0.3 * size);
    }
    // Eyes glancing up and aside, as when thinking.
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (const double side : {-1.0, 1.0}) {
        p.drawEllipse(centre + QPointF(side * 0.35 * size + 0.1 * size, -0.45 * size), 0.12 * size,
                      0.12 * size);
    }
    p.setBrush(kYellow);
    p.setPen(QPen(kOutline, 0.03 * size));
    p.drawPolygon(
        QPolygonF({centre + QPointF(-0.1 * size, -0.12 * size),
                   centre + QPointF(0.1 * size, -0.12 * size), centre + QPointF(0, 0.08 * size)}));
}

QImage thinkingPicture() {
    QImage image = panelWash(QColor(240, 236, 250), QColor(226, 238, 246), 83);
    QPainter p(&image);
    beginPainting(p);
    owl(p, QPointF(64, 42), 34);
    drawCentredText(p, QRectF(100, 4, 40, 60), "?", iconFont(40, true), QColor(110, 96, 170));
    p.setBrush(QColor(255, 255, 255, 120));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(520 + 28 * i, 50 - 10 * i), 6 + 4 * i, 5 + 3 * i);
    }
    drawCentredText(p, QRectF(560, 6, 64, 40), "Hmm", iconFont(18), QColor(110, 96, 170));
    return image;
}

// Written with 256 colours, dithered, to keep the shipped files small.
bool saveBitmap(const QImage& image, const QString& path) {
    return save(image.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither), path);
}

int main(int argc, char* argv[]) {
    // Drawing needs no display; fonts come from the offscreen platform too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make-pictures <repo root>\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QString data = root.filePath("data");
    const QString images = root.filePath("src/shell/images");
    QDir().mkpath(data);
    QDir().mkpath(images + "/toolbar");

    const std::vector<QImage (*)()> backgrounds = {
        parchment,   summerSky, meadow,  waves,           polkaDots, candyStripes,
        marble,      linen,     sunrise, lavenderLattice, gingham,   mintStars,
        sandRipples, bubbles,   leaves,  pastelRainbow};
    const std::vector<PicturePainter> icons = {
        houseIcon,       crosswordIcon,   quotesIcon,    hangmanIcon, ticTacToeIcon,
        matchingOneIcon, matchingTwoIcon, scramblerIcon, cakeIcon,    lightBulbIcon,
        smileIcon,       plannerIcon,     checkListIcon, dateIcon,    calendarMakerIcon,
        familyIcon,      speakerIcon,     globeIcon,     helpIcon,    exitIcon};

    bool ok = true;
    for (std::size_t i = 0; i < backgrounds.size(); ++i) {
        ok &= save(backgrounds[i](), QString("%1/WP%2.jpg").arg(data).arg(i + 1), kJpegQuality);
    }
    for (std::size_t i = 0; i < icons.size(); ++i) {
        ok &= save(renderPicture(QSize(32, 32), 0.5, icons[i]),
                   QString("%1/toolbar/%2.png").arg(images).arg(i + 1, 2, 10, QChar('0')));
    }
    ok &= save(renderPicture(QSize(240, 130), 1, titleEmblem), images + "/title.png");
    ok &= save(renderPicture(QSize(64, 64), 1, windowIcon), images + "/korvane.png");
    // The Humorous Thoughts window's icon, read from the program folder.
    ok &= save(renderPicture(QSize(32, 32), 0.5, smileIcon), data + "/2.ico");
    ok &= saveBitmap(applePicture(), data + "/Ap1.bmp");
    ok &= saveBitmap(thinkingPicture(), data + "/hmm.bmp");
    ok &= makeMatchingPictures(root);
    return ok ? 0 : 1;
}
