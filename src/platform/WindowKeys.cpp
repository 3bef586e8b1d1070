#include "WindowKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

constexpr const char* kOwnsEnter = "korvaneOwnsEnter";

bool press(QAbstractButton* button) {
    if (button == nullptr || !button->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

} // namespace

WindowKeys::WindowKeys(QWidget& window) : QObject(&window), window_(window) {
    // Seen before the control's own handling and before any filter the window puts on it.
    qApp->installEventFilter(this);
}

WindowKeys::~WindowKeys() {
    qApp->removeEventFilter(this);
}

void WindowKeys::leaveEnterTo(QWidget& control) {
    control.setProperty(kOwnsEnter, true);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    auto* control = static_cast<QWidget*>(watched);
    if (control->window() != &window_) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier) {
        return false;
    }
    if (key->key() == Qt::Key_Escape) {
        return press(cancel_);
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (control->property(kOwnsEnter).toBool()) {
            return false;
        }
        auto* focused = qobject_cast<QPushButton*>(control);
        return press(focused != nullptr ? focused : default_.data());
    }
    return false;
}
