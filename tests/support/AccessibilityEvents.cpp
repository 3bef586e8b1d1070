#include "AccessibilityEvents.h"

#include <QCoreApplication>
#include <QWidget>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

// Every one living hears every event; the handler they replaced comes back once the last goes.
QList<AccessibilityEvents*> listening;
QAccessible::UpdateHandler replaced = nullptr;
bool activeBefore = false;

AccessibilityEvents* fromTheStart = nullptr;
bool activeFromTheStart = false;

// The platform's accessibility is what a screen reader turns on; on a screen with no
// accessibility bus only the program can.
void setAccessibilityActive(bool active) {
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->setActive(active);
    }
}

} // namespace

AccessibilityEvents::AccessibilityEvents() {
    if (listening.isEmpty()) {
        activeBefore = QAccessible::isActive();
        replaced = QAccessible::installUpdateHandler(&AccessibilityEvents::record);
        setAccessibilityActive(true);
    }
    listening.append(this);
}

AccessibilityEvents::~AccessibilityEvents() {
    listening.removeOne(this);
    if (fromTheStart == this) {
        fromTheStart = nullptr;
    }
    if (listening.isEmpty()) {
        QAccessible::installUpdateHandler(replaced);
        if (!activeBefore) {
            setAccessibilityActive(false);
        }
    }
}

bool AccessibilityEvents::askedFor() {
    return qEnvironmentVariableIsSet("KORVANE_SCREEN_READER_FROM_START");
}

std::unique_ptr<AccessibilityEvents> AccessibilityEvents::listenFromStartIfAsked() {
    if (!askedFor()) {
        return nullptr;
    }
    auto screenReader = std::make_unique<AccessibilityEvents>();
    fromTheStart = screenReader.get();
    activeFromTheStart = QAccessible::isActive();
    return screenReader;
}

AccessibilityEvents* AccessibilityEvents::fromStart() {
    return fromTheStart;
}

bool AccessibilityEvents::activeFromStart() {
    return activeFromTheStart;
}

void AccessibilityEvents::record(QAccessibleEvent* event) {
    QObject* object = event->object();
    const auto* widget = qobject_cast<QWidget*>(object);
    Event seen{event->type(),
               object,
               event->child(),
               QAccessible::NoRole,
               {},
               {},
               widget != nullptr && widget->isVisible()};
    if (QAccessibleInterface* read = event->accessibleInterface()) {
        seen.role = read->role();
        seen.name = read->text(QAccessible::Name);
        seen.description = read->text(QAccessible::Description);
    }
    if (event->type() == QAccessible::TableModelChanged) {
        const auto* change = static_cast<QAccessibleTableModelChangeEvent*>(event);
        seen.modelChange = change->modelChangeType();
        seen.firstRow = change->firstRow();
        seen.firstColumn = change->firstColumn();
        seen.lastRow = change->lastRow();
        seen.lastColumn = change->lastColumn();
    }
    for (AccessibilityEvents* listener : listening) {
        listener->events_.append(seen);
    }
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
