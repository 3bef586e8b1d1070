#pragma once

#include <QAccessible>

// Makes the accessibility framework describe every widget of class Control by Interface (a class
// built from a Control*). Qt keeps the factory once, however often this runs, so each control can
// call it as it is made.
template <class Control, class Interface> void installAccessibleInterface() {
    QAccessible::installFactory([](const QString& className, QObject* object) {
        auto* control = qobject_cast<Control*>(object);
        const bool ours =
            control != nullptr && className == QLatin1String(Control::staticMetaObject.className());
        return ours ? static_cast<QAccessibleInterface*>(new Interface(control)) : nullptr;
    });
}
