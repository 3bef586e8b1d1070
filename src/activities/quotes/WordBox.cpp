#include "WordBox.h"

#include "ColorNumber.h"

#include <QMouseEvent>

WordBox::WordBox(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFont(boxFont());
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackCode(backCode_);
    setForeCode(foreCode_);
    setMouseTracking(true);
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
