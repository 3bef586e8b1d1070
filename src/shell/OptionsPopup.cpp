#include "OptionsPopup.h"

#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

OptionsPopup::OptionsPopup(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu) {}

void OptionsPopup::setHooks(std::function<bool()> before, std::function<void()> after) {
    before_ = std::move(before);
    after_ = std::move(after);
    // The menu hides before its chosen item runs: the after hook waits for the item.
    connect(menu_, &QMenu::aboutToHide, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (after_) {
                    after_();
                }
            },
            Qt::QueuedConnection);
    });
}

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
            if (!before_ || before_()) {
                menu_->popup(mouse->globalPosition().toPoint());
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
