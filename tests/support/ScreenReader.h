#pragma once

#include <QAccessible>
#include <QWidget>

// What a screen reader reads of a control: its name, and the description it may add after it.
inline QString spokenName(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

inline QString spokenDescription(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Description);
}

// The value it reads of a control that holds one (a list's chosen item).
inline QString spokenValue(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Value);
}
