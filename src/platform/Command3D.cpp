#include "Command3D.h"

#include "TypedKey.h"

#include <QKeyEvent>
#include <QPainter>

Command3D::Command3D(QWidget* parent, const QString& caption) : QPushButton(parent) {
    setCaption(caption);
}

void Command3D::setCaption(const QString& caption) {
    caption_ = caption;
    QString shown = caption;
    setText(shown.replace("&", "&&"));
    if (fieldName_.isEmpty()) {
        setAccessibleName(caption);
    } else {
        setAccessibleDescription(caption == fieldName_ ? QString() : caption);
    }
}

void Command3D::setFieldName(const QString& name) {
    fieldName_ = name;
    setAccessibleName(name);
    setCaption(caption_);
}

void Command3D::setForeColour(const QColor& colour) {
    // A disabled button keeps the style's greyed text, so that a used button looks used.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Active, QPalette::ButtonText, colour);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
    setPalette(palette);
}

QColor Command3D::foreColour() const {
    return palette().color(QPalette::Active, QPalette::ButtonText);
}

void Command3D::setOpenSetting(int setting) {
    open_ = setting;
    update();
}

void Command3D::setMissed(bool missed) {
    missed_ = missed;
    update();
}

void Command3D::keyPressEvent(QKeyEvent* event) {
    const int code = typedCharacterCode(*event);
    if (code == 13) {
        click();
        return;
    }
    if (code != 0) {
        emit keyTyped(code);
        if (code != ' ') {
            return;
        }
    }
    // Space goes on to press the button when released; other keys (arrows, Tab) move the focus.
    QPushButton::keyPressEvent(event);
}

void Command3D::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (open_ != kOpen && !missed_) {
        return;
    }
    QPainter painter(this);
    const QRect inside = rect().adjusted(3, 3, -4, -4);
    if (open_ == kOpen) {
        painter.setPen(QPen(QColor(0, 0, 128), 3));
        painter.drawRect(inside);
    }
    if (missed_) {
        painter.setPen(QPen(QColor(192, 0, 0), 2, Qt::DashLine));
        painter.drawRect(inside.adjusted(2, 2, -2, -2));
    }
}
