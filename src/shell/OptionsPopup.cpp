#include "OptionsPopup.h"

#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

OptionsPopup::OptionsPopup(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu) {}

void OptionsPopup::attach(QWidget* control) {
    control->installEventFilter(this);
}

void OptionsPopup::exclude(QWidget* control) {
    excluded_.insert(control);
    control->installEventFilter(this);
}

bool OptionsPopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton && excluded_.contains(watched)) {
            return true; // taken here, so that the container does not pop the menu up
        }
        if (mouse->button() == Qt::RightButton) {
            menu_->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
