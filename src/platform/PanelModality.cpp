#include "PanelModality.h"

namespace {

// The widget's place in its window's coordinates.
QRect placeInWindow(const QWidget& widget) {
    return QRect(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
}

bool inside(const QWidget& widget, const QWidget& panel) {
    return &widget == &panel || panel.isAncestorOf(&widget);
}

} // namespace

void PanelModality::open(QWidget& panel) {
    if (open_) {
        close();
    }
    open_ = true;
    QWidget& window = *panel.window();
    const QRect covered = placeInWindow(panel);
    // Beside the panel and each container it stands in, what the panel lies over goes.
    for (QWidget* level = &panel; level != &window; level = level->parentWidget()) {
        const auto siblings =
            level->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* sibling : siblings) {
            if (sibling != level && !sibling->isWindow() && !sibling->isHidden() &&
                placeInWindow(*sibling).intersects(covered)) {
                sibling->hide();
                hidden_.emplace_back(sibling);
            }
        }
    }
    // What still shows of the window is no stop of Tab while the panel is open.
    const auto controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!control->isWindow() && !inside(*control, panel) &&
            (control->focusPolicy() & Qt::TabFocus) != 0) {
            unfocused_.emplace_back(control, control->focusPolicy());
            control->setFocusPolicy(Qt::NoFocus);
        }
    }
}

void PanelModality::close() {
    for (auto& [control, policy] : unfocused_) {
        if (!control.isNull()) {
            control->setFocusPolicy(policy);
        }
    }
    for (const QPointer<QWidget>& control : hidden_) {
        if (!control.isNull()) {
            control->show();
        }
    }
    unfocused_.clear();
    hidden_.clear();
    open_ = false;
}
