#include "DialogWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QWidget>

namespace {

QAccessibleInterface* dialogWindowInterface(const QString&, QObject* object) {
    auto* window = qobject_cast<QWidget*>(object);
    const bool dialogWindow = window != nullptr && window->isWindow() &&
                              window->windowType() == Qt::Dialog &&
                              qobject_cast<QDialog*>(window) == nullptr;
    return dialogWindow ? new QAccessibleWidget(window, QAccessible::Dialog) : nullptr;
}

} // namespace

void makeDialogWindow(QWidget& window) {
    window.setWindowFlags(Qt::Dialog);
    // Qt keeps the factory once, however often this runs.
    QAccessible::installFactory(dialogWindowInterface);
    // The window may have been read already as what it was.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(&window)));
}
