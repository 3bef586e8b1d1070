#include "Panel3DAccessible.h"

#include "AccessibleInterfaceFactory.h"
#include "Panel3D.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class Panel3DAccessible : public QAccessibleWidget {
public:
    explicit Panel3DAccessible(Panel3D* panel) : QAccessibleWidget(panel) {}

    // Read as text while it shows some, else as the area that holds other controls.
    QAccessible::Role role() const override {
        return panel()->shownText().isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
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
