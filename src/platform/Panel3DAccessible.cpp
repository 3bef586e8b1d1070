#include "Panel3DAccessible.h"

#include "AccessibleInterfaceFactory.h"
#include "Panel3D.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class Panel3DAccessible : public QAccessibleWidget {
public:
    explicit Panel3DAccessible(Panel3D* panel) : QAccessibleWidget(panel) {}

    // Read as a button when it can be pressed; else as text while it shows some, else as the
    // area that holds other controls.
    QAccessible::Role role() const override {
        if (panel()->pressable()) {
            return QAccessible::Button;
        }
        return panel()->shownText().isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (panel()->pressable() && panel()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction() && panel()->pressable()) {
            return {QStringLiteral("Space")};
        }
        return QAccessibleWidget::keyBindingsForAction(action);
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && panel()->pressable()) {
            panel()->press();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QString text(QAccessible::Text type) const override {
        const QString shown = panel()->shownText();
        const QString given = QAccessibleWidget::text(QAccessible::Name);
        if (shown.isEmpty() || (type != QAccessible::Name && type != QAccessible::Description)) {
            return QAccessibleWidget::text(type);
        }
        if (type == QAccessible::Name) {
            return shown;
        }
        return given.isEmpty() || given == shown ? QAccessibleWidget::text(type) : given;
    }

private:
    Panel3D* panel() const { return static_cast<Panel3D*>(widget()); }
};

} // namespace

namespace Panel3DAccessibility {

void install() {
    installAccessibleInterface<Panel3D, Panel3DAccessible>();
}

void shownTextChanged(Panel3D& panel) {
    if (QAccessible::isActive()) {
        QAccessibleEvent event(&panel, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace Panel3DAccessibility
