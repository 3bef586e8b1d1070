#pragma once

#include <QAccessible>
#include <QList>
#include <QWidget>

// What a screen reader reads of a control: its name, and the description it may add after it.
inline QString spokenName(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

inline QString spokenDescription(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
}

// Whether a screen reader takes the object for one on screen now.
inline bool readAsShowing(QAccessibleInterface* object) {
    const QAccessible::State state = object->state();
    return !state.invisible && !state.offscreen;
}

// Every object a screen reader reaches walking down from the control and reads as showing, the
// control included, parents before their children.
inline QList<QAccessibleInterface*> objectsReadAsShowing(QWidget* control) {
    QList<QAccessibleInterface*> shown;
    QList<QAccessibleInterface*> toWalk{QAccessible::queryAccessibleInterface(control)};
    while (!toWalk.isEmpty()) {
        QAccessibleInterface* object = toWalk.takeFirst();
        if (object == nullptr || !readAsShowing(object)) {
            continue;
        }
        shown.append(object);
        for (int i = 0; i < object->childCount(); ++i) {
            toWalk.append(object->child(i));
        }
    }
    return shown;
}

// The value it reads of a control that holds one (a list's chosen item).
inline QString spokenValue(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Value);
}
