#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

// Queues a keystroke to the control that has the focus in a window: it is handled once the
// current handler has returned, like a key the person typed. While a message box or another
// modal window stands over the window, the key is dropped rather than typed into that window.
inline void queueKeystroke(QWidget& window, Qt::Key key, const QString& text = {}) {
    QWidget* focused = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    QTimer::singleShot(0, focused, [focused, key, text] {
        const QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != focused->window()) {
            return;
        }
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(focused, &press);
    });
}
