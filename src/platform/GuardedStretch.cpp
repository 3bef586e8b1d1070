#include "GuardedStretch.h"

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
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
        return inWindow(watched);
    case QEvent::ShortcutOverride:
        // Claimed by the focused control, so that no menu or access key acts; the key itself is
        // then dropped.
        if (inWindow(watched)) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::Close:
        if (watched == &window_) {
            closeWaiting_ = true;
            event->ignore();
            return true;
        }
        return false;
    default:
        return false;
    }
}
