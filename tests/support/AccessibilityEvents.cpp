#include "AccessibilityEvents.h"

#include <QCoreApplication>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

AccessibilityEvents* listening = nullptr;

void setAccessibilityActive(bool active) {
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->setActive(active);
    }
}

} // namespace

AccessibilityEvents::AccessibilityEvents() {
    Q_ASSERT(listening == nullptr);
    listening = this;
    setAccessibilityActive(true);
    previous_ = QAccessible::installUpdateHandler(&AccessibilityEvents::record);
}

AccessibilityEvents::~AccessibilityEvents() {
    QAccessible::installUpdateHandler(previous_);
    setAccessibilityActive(false);
    listening = nullptr;
}

void AccessibilityEvents::record(QAccessibleEvent* event) {
    QAccessibleInterface* object = event->accessibleInterface();
    Event seen{event->type(), event->object(), event->child(), QAccessible::NoRole, {}, {}};
    if (object != nullptr) {
        seen.role = object->role();
        seen.name = object->text(QAccessible::Name);
        seen.description = object->text(QAccessible::Description);
    }
    if (event->type() == QAccessible::TableModelChanged) {
        const auto* change = static_cast<QAccessibleTableModelChangeEvent*>(event);
        seen.modelChange = change->modelChangeType();
        seen.firstRow = change->firstRow();
        seen.firstColumn = change->firstColumn();
        seen.lastRow = change->lastRow();
        seen.lastColumn = change->lastColumn();
    }
    listening->events_.append(seen);
}

QList<AccessibilityEvents::Event> AccessibilityEvents::of(const QObject* object,
                                                          QAccessible::Event type) const {
    QList<Event> found;
    for (const Event& event : events_) {
        if (event.object == object && event.type == type) {
            found.append(event);
        }
    }
    return found;
}

QList<AccessibilityEvents::Event> AccessibilityEvents::ofType(QAccessible::Event type) const {
    QList<Event> found;
    for (const Event& event : events_) {
        if (event.type == type) {
            found.append(event);
        }
    }
    return found;
}

void AccessibilityEvents::clear() {
    QCoreApplication::sendPostedEvents();
    events_.clear();
}

QStringList AccessibilityEvents::announcements() {
    QCoreApplication::sendPostedEvents();
    QStringList told;
    for (const Event& event : ofType(QAccessible::ObjectShow)) {
        if (event.role == QAccessible::Notification) {
            told.append(event.name);
        }
    }
    return told;
}
