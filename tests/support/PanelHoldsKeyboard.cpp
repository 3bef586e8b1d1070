#include "PanelHoldsKeyboard.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace {

QString nameOf(const QWidget& control) {
    const QString name = control.accessibleName().isEmpty() ? control.property("text").toString()
                                                            : control.accessibleName();
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(control.metaObject()->className(), control.objectName(), name);
}

bool inPanel(const QWidget* control, const QWidget& panel) {
    return control == &panel || panel.isAncestorOf(control);
}

QRect inWindow(const QWidget& control) {
    return QRect(control.mapTo(control.window(), QPoint(0, 0)), control.size());
}

} // namespace

QStringList reachedPastPanel(QWidget& panel) {
    QStringList reached;
    const int stops = 2 * int(panel.findChildren<QWidget*>().size()) + 2;
    for (const Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
        for (int press = 0; press < stops; ++press) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : &panel, Qt::Key_Tab, modifiers);
            QCoreApplication::processEvents();
            focus = QApplication::focusWidget();
            if (focus != nullptr && !inPanel(focus, panel)) {
                const QString escape = "Tab reaches " + nameOf(*focus);
                if (!reached.contains(escape)) {
                    reached.append(escape);
                }
            }
        }
    }
    const QRect covered = inWindow(panel);
    for (QWidget* control : panel.window()->findChildren<QWidget*>()) {
        if (control->isWindow() || inPanel(control, panel) || control->isAncestorOf(&panel) ||
            !inWindow(*control).intersects(covered)) {
            continue;
        }
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
        // What the panel stands on whole and that reads as nothing (a background picture) is
        // beneath it as its window is.
        const bool standsOn = inWindow(*control).contains(covered) && read != nullptr &&
                              read->text(QAccessible::Name).isEmpty() &&
                              read->text(QAccessible::Value).isEmpty() &&
                              control->findChildren<QWidget*>().isEmpty();
        if (read != nullptr && !read->state().invisible && !standsOn) {
            reached.append("shows beneath: " + nameOf(*control));
        }
    }
    return reached;
}
