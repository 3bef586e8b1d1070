#include "GuardedStretch.h"

#include "InputDropped.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

GuardedStretch::GuardedStretch(QWidget& window) : QObject(&window), window_(window) {}

GuardedStretch::~GuardedStretch() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void GuardedStretch::run(const std::function<void()>& handler) {
    if (depth_++ == 0) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    handler();
    if (--depth_ > 0) {
        return;
    }
    QCoreApplication::instance()->removeEventFilter(this);
    if (closeWaiting_) {
        closeWaiting_ = false;
        window_.close();
    }
}

bool GuardedStretch::inWindow(QObject* object) const {
    const auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && (widget == &window_ || window_.isAncestorOf(widget));
}

bool GuardedStretch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        if (watched == &window_) {
            closeWaiting_ = true;
            event->ignore();
            return true;
        }
        return false;
    }
    return inWindow(watched) && dropAsInput(*event);
}
