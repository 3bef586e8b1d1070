#include "WordBox.h"

#include "ColorNumber.h"

#include <QMouseEvent>
#include <QTimer>

namespace {

constexpr int kBlinkMs = 150;

} // namespace

WordBox::WordBox(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFont(boxFont());
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackCode(backCode_);
    setForeCode(foreCode_);
    setMouseTracking(true);
    // Its name is its text; the description tells which box it is, also while it is empty.
    setAccessibleDescription("Word box " + QString::number(index + 1));
}

QFont WordBox::boxFont() {
    QFont font("Arial");
    font.setPointSize(8);
    font.setBold(true);
    return font;
}

void WordBox::setBackCode(int code) {
    backCode_ = code;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColorNumber::palette(code));
    setPalette(colours);
}

void WordBox::setForeCode(int code) {
    foreCode_ = code;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ColorNumber::palette(code));
    setPalette(colours);
}

void WordBox::mousePressEvent(QMouseEvent* event) {
    emit pressed(index_, event->button());
    // A right press goes on to the window too; a right release pops up its Options menu.
    event->setAccepted(event->button() == Qt::LeftButton);
}

void WordBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked(index_);
        return;
    }
    event->ignore();
}

void WordBox::mouseMoveEvent(QMouseEvent* event) {
    emit moved(index_, event->buttons() != Qt::NoButton);
}

void WordBox::blink(int widthChange) {
    if (blinkWidth_ < 0) {
        blinkWidth_ = width();
    }
    setAutoFillBackground(false);
    resize(blinkWidth_ + widthChange, height());
    update();
    QTimer::singleShot(kBlinkMs, this, [this] {
        setAutoFillBackground(true);
        resize(blinkWidth_, height());
        blinkWidth_ = -1;
        update();
    });
}

void WordBox::paintEvent(QPaintEvent* event) {
    if (blinkWidth_ >= 0) {
        return; // vanished for the moment of the blink
    }
    QLabel::paintEvent(event);
}
