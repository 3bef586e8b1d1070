#include "Panel3DAccessible.h"

#include "AccessibleInterfaceFactory.h"
#include "Announcement.h"
#include "DisplayText.h"
#include "Panel3D.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPushButton>
#include <QRegion>

namespace {

// Whether a widget hides what lies beneath it: a panel with a solid back colour, a command
// button (a card's back over its picture), or a widget filling its background.
bool paintsOver(const QWidget& widget) {
    if (const auto* panel = qobject_cast<const Panel3D*>(&widget)) {
        return panel->backColour().alpha() == 255;
    }
    return qobject_cast<const QPushButton*>(&widget) != nullptr || widget.autoFillBackground() ||
           widget.testAttribute(Qt::WA_OpaquePaintEvent);
}

// Whether a shown control stacked above the control, or above one of the panels that hold it,
// hides it whole: a person sees nothing of it, so a screen reader does not read it either.
bool coveredWhole(const QWidget& control) {
    QRect area = control.rect();
    for (const QWidget* level = &control; !level->isWindow() && level->parentWidget() != nullptr;
         level = level->parentWidget()) {
        area.translate(level->pos()); // in the coordinates of level's parent
        const QObjectList& siblings = level->parentWidget()->children(); // bottom to top
        for (qsizetype i = siblings.indexOf(level) + 1; i < siblings.size(); ++i) {
            const auto* above = qobject_cast<const QWidget*>(siblings.at(i));
            if (above != nullptr && !above->isWindow() && !above->isHidden() &&
                paintsOver(*above) && above->geometry().contains(area)) {
                return true;
            }
        }
    }
    return false;
}

int area(const QRegion& region) {
    int total = 0;
    for (const QRect& part : region) {
        total += part.width() * part.height();
    }
    return total;
}

// Whether the controls the panel holds hide its caption from sight (the counts of a check over
// the clue it named): a person sees nothing of it but slivers between them, so a screen reader
// reads no text of it either.
bool captionHidden(const Panel3D& panel) {
    const QRegion caption(panel.fontMetrics().boundingRect(
        panel.captionArea(), int(panel.alignment()) | Qt::TextWordWrap,
        DisplayText::lines(panel.caption())));
    if (caption.isEmpty()) {
        return false; // no caption: what shows (a gauge's percentage) is read
    }
    QRegion seen = caption;
    for (QObject* child : panel.children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        if (control != nullptr && !control->isWindow() && !control->isHidden() &&
            paintsOver(*control)) {
            seen -= control->geometry();
        }
    }
    constexpr int kSliver = 4; // a quarter of the caption, or less, is no readable text
    return area(seen) * kSliver <= area(caption);
}

// The text a screen reader reads of the panel: what it shows that a person can see.
QString seenText(const Panel3D& panel) {
    return captionHidden(panel) ? QString() : panel.shownText();
}

// The child controls a person can see some of, bottom to top.
QList<QWidget*> uncoveredChildren(const QWidget& parent) {
    QList<QWidget*> shown;
    for (QObject* child : parent.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control != nullptr && !control->isWindow() && !coveredWhole(*control)) {
            shown.append(control);
        }
    }
    return shown;
}

class Panel3DAccessible : public QAccessibleWidget {
public:
    explicit Panel3DAccessible(Panel3D* panel) : QAccessibleWidget(panel) {}

    // Read as a button when it can be pressed; else as text while it shows some, else as the
    // area that holds other controls.
    QAccessible::Role role() const override {
        if (panel()->pressable()) {
            return QAccessible::Button;
        }
        return seenText(*panel()).isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
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
        const QString shown = seenText(*panel());
        const QString given = QAccessibleWidget::text(QAccessible::Name);
        if (shown.isEmpty() || (type != QAccessible::Name && type != QAccessible::Description)) {
            return QAccessibleWidget::text(type);
        }
        if (type == QAccessible::Name) {
            return shown;
        }
        return given.isEmpty() || given == shown ? QAccessibleWidget::text(type) : given;
    }

    // A panel covered whole by another is not showing, and the controls it holds that another
    // covers are left out of what is read.
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (coveredWhole(*panel())) {
            state.offscreen = true;
        }
        return state;
    }
    int childCount() const override { return int(uncoveredChildren(*panel()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = uncoveredChildren(*panel());
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* control = child != nullptr ? qobject_cast<QWidget*>(child->object()) : nullptr;
        return int(uncoveredChildren(*panel()).indexOf(control));
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
    if (!QAccessible::isActive()) {
        return;
    }
    // The description is the given name while text shows, so it changes with the name.
    for (const QAccessible::Event change :
         {QAccessible::NameChanged, QAccessible::DescriptionChanged}) {
        QAccessibleEvent event(&panel, change);
        QAccessible::updateAccessibility(&event);
    }
    if (panel.live() && !panel.shownText().isEmpty()) {
        Announcement::announce(panel, panel.liveWithName()
                                          ? panel.accessibleName() + ' ' + panel.shownText()
                                          : panel.shownText());
    }
}

} // namespace Panel3DAccessibility
