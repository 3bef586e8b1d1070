#include "PanelModality.h"

#include <QApplication>

namespace {

// The widget's place in its window's coordinates.
QRect placeInWindow(const QWidget& widget) {
    return QRect(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
}

bool inside(const QWidget* widget, const QWidget& panel) {
    return widget == &panel || panel.isAncestorOf(widget);
}

bool takesFocusNow(const QWidget& control) {
    return control.isVisible() && control.isEnabled() &&
           (control.focusPolicy() & Qt::TabFocus) != 0;
}

} // namespace

void PanelModality::hideCovered(QWidget& container, const QWidget& except, const QRect& covered) {
    const auto children = container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child == &except || child->isWindow() || child->isHidden()) {
            continue;
        }
        const QRect place = placeInWindow(*child);
        if (!place.intersects(covered)) {
            continue;
        }
        // What the panel stands on whole (a picture, a frame: no control) stays; what it holds
        // under the panel goes.
        if (place.contains(covered) && child->focusPolicy() == Qt::NoFocus) {
            hideCovered(*child, except, covered);
        } else {
            child->hide();
            hidden_.emplace_back(child);
        }
    }
}

void PanelModality::open(QWidget& panel, QWidget& focus) {
    if (open_) {
        close();
    }
    open_ = true;
    panel_ = &panel;
    QWidget& window = *panel.window();
    focusBefore_ = window.focusWidget();
    focus.setFocus(Qt::OtherFocusReason);
    const QRect covered = placeInWindow(panel);
    // Beside the panel and each container it stands in, what the panel lies over goes.
    for (QWidget* level = &panel; level != &window; level = level->parentWidget()) {
        hideCovered(*level->parentWidget(), *level, covered);
    }
    // What still shows of the window is no stop of Tab while the panel is open.
    const auto controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!control->isWindow() && !inside(control, panel) &&
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
    if (panel_.isNull()) {
        return;
    }
    QWidget* back = focusBefore_.data();
    if (back == nullptr || inside(back, *panel_) || !back->isVisible() || !back->isEnabled()) {
        // The first control along the window's Tab order that takes the focus now.
        back = nullptr;
        QWidget* window = panel_->window();
        for (QWidget* next = window->nextInFocusChain(); next != window && back == nullptr;
             next = next->nextInFocusChain()) {
            if (!next->isWindow() && !inside(next, *panel_) && takesFocusNow(*next)) {
                back = next;
            }
        }
    }
    if (back != nullptr) {
        back->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* focus = QApplication::focusWidget(); inside(focus, *panel_)) {
        focus->clearFocus();
    }
}
