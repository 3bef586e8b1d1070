#include "OptionsPopup.h"

#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

OptionsPopup::OptionsPopup(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu) {}

void OptionsPopup::attach(QWidget* control) {
    control->installEventFilter(this);
}

bool OptionsPopup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            if (!rule_ || rule_()) {
                menu_->popup(mouse->globalPosition().toPoint());
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
