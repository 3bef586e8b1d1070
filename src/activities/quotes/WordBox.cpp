#include "WordBox.h"

#include "AccessibleInterfaceFactory.h"
#include "ColorNumber.h"
#include "TextContrast.h"
#include "WindowKeys.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

constexpr int kBlinkMs = 150;

// A word box reads its text, and the current entry box reads as the focused control.
class WordBoxAccessible : public QAccessibleWidget {
public:
    explicit WordBoxAccessible(WordBox* box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    QString text(QAccessible::Text type) const override {
        const QString given = QAccessibleWidget::text(type);
        return type == QAccessible::Name && given.isEmpty() ? box()->text() : given;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (box()->isCurrent()) {
            state.focusable = true;
            state.focused = true;
        }
        return state;
    }

private:
    WordBox* box() const { return static_cast<WordBox*>(widget()); }
};

} // namespace

WordBox::WordBox(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFont(boxFont());
    setFrameStyle(QFrame::Box | QFrame::Plain);
    showColours();
    setMouseTracking(true);
    installAccessibleInterface<WordBox, WordBoxAccessible>();
    WindowKeys::leaveEnterTo(*this);
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
    // A box painted another colour is no longer the current entry box.
    if (code != kCurrentBackCode) {
        setCurrent(false);
    }
    backCode_ = code;
    showColours();
}

void WordBox::setCurrent(bool current) {
    if (current == current_) {
        return;
    }
    current_ = current;
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.focused = true;
        QAccessibleStateChangeEvent stateChange(this, changed);
        QAccessible::updateAccessibility(&stateChange);
        if (current) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

void WordBox::setForeCode(int code) {
    foreCode_ = code;
    showColours();
}

void WordBox::showColours() {
    const QColor back = ColorNumber::palette(backCode_);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, back);
    // A word marked light red on white would stand out too little: the nearest shade that reads.
    colours.setColor(QPalette::WindowText,
                     TextContrast::readable(ColorNumber::palette(foreCode_), back));
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

void WordBox::setKeyboardPlay(bool played) {
    // Reached by keys only: a click on a box leaves the focus where it was.
    setFocusPolicy(played ? Qt::TabFocus : Qt::NoFocus);
}

WordBox* WordBox::neighbour(int step) const {
    const auto* panel = parentWidget();
    WordBox* nearest = nullptr;
    for (WordBox* box : panel->findChildren<WordBox*>(Qt::FindDirectChildrenOnly)) {
        const int distance = (box->index_ - index_) * step;
        if (distance > 0 && box->isVisible() && box->focusPolicy() != Qt::NoFocus &&
            (nearest == nullptr || distance < (nearest->index_ - index_) * step)) {
            nearest = box;
        }
    }
    return nearest;
}

void WordBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            emit keyed(index_);
        }
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: {
        const bool back = event->key() == Qt::Key_Left || event->key() == Qt::Key_Up;
        if (WordBox* next = neighbour(back ? -1 : 1)) {
            next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        }
        return;
    }
    default:
        QLabel::keyPressEvent(event);
    }
}

void WordBox::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void WordBox::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void WordBox::paintEvent(QPaintEvent* event) {
    if (blinkWidth_ >= 0) {
        return; // vanished for the moment of the blink
    }
    QLabel::paintEvent(event);
    if (hasFocus()) {
        // The keyboard's place: a frame inside the box's border, in the text's colour.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}
