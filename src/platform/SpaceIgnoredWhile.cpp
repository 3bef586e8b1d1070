#include "SpaceIgnoredWhile.h"

#include <QAbstractButton>
#include <QKeyEvent>

SpaceIgnoredWhile::SpaceIgnoredWhile(QAbstractButton& button, std::function<bool()> held)
    : QObject(&button), held_(std::move(held)) {
    button.installEventFilter(this);
}

bool SpaceIgnoredWhile::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // The press and the release alike: the release is what clicks.
    return key->key() == Qt::Key_Space && held_();
}
