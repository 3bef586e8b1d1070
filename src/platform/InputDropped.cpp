#include "InputDropped.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

bool dropAsInput(QEvent& event) {
    switch (event.type()) {
    case QEvent::ShortcutOverride:
        event.accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
        return true;
    default:
        return false;
    }
}

InputDropped::InputDropped() {
    // The filter installed last sees an event first: before the menu bar's Alt handling and the
    // windows' own key filters.
    QCoreApplication::instance()->installEventFilter(this);
}

InputDropped::~InputDropped() {
    QCoreApplication::instance()->removeEventFilter(this);
    // Queued: the close comes once control is back in the event loop, after the waiting handler.
    for (const QPointer<QObject>& target : closing_) {
        if (auto* window = qobject_cast<QWindow*>(target.data())) {
            QMetaObject::invokeMethod(
                window, [window] { window->close(); }, Qt::QueuedConnection);
        } else if (auto* widget = qobject_cast<QWidget*>(target.data())) {
            QMetaObject::invokeMethod(
                widget, [widget] { widget->close(); }, Qt::QueuedConnection);
        }
    }
}

bool InputDropped::eventFilter(QObject* watched, QEvent* event) {
    // The person's own input comes from the window system; a key the program sends does not.
    // Shortcuts are the shortcut map's, whoever pressed the key.
    const QEvent::Type type = event->type();
    if (type == QEvent::Close && event->spontaneous()) {
        if (std::find(closing_.begin(), closing_.end(), watched) == closing_.end()) {
            closing_.emplace_back(watched);
        }
        event->ignore();
        return true;
    }
    const bool shortcut = type == QEvent::Shortcut || type == QEvent::ShortcutOverride;
    return (shortcut || event->spontaneous()) && dropAsInput(*event);
}
