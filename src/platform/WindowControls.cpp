#include "WindowControls.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

namespace {

bool layoutHolds(const QLayout& layout, const QWidget& widget) {
    for (int index = 0; index < layout.count(); ++index) {
        QLayoutItem* item = layout.itemAt(index);
        if (item->widget() == &widget ||
            (item->layout() != nullptr && layoutHolds(*item->layout(), widget))) {
            return true;
        }
    }
    return false;
}

} // namespace

bool WindowControls::placedByLayout(const QWidget& widget) {
    const QWidget* container = widget.parentWidget();
    if (container == nullptr) {
        return false;
    }
    if (qobject_cast<const QMainWindow*>(container) != nullptr) {
        return true;
    }
    return container->layout() != nullptr && layoutHolds(*container->layout(), widget);
}

bool WindowControls::placesOwnParts(const QWidget& widget) {
    return qobject_cast<const QAbstractScrollArea*>(&widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(&widget) != nullptr ||
           qobject_cast<const QComboBox*>(&widget) != nullptr ||
           qobject_cast<const QTabWidget*>(&widget) != nullptr ||
           qobject_cast<const QCalendarWidget*>(&widget) != nullptr ||
           qobject_cast<const QSplitter*>(&widget) != nullptr ||
           qobject_cast<const QToolBar*>(&widget) != nullptr ||
           qobject_cast<const QStatusBar*>(&widget) != nullptr ||
           qobject_cast<const QMenuBar*>(&widget) != nullptr;
}
