#include "AccessibilityEvents.h"

#include <QWidget>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace AccessibilityEvents {

namespace {

std::vector<Event>& events() {
    static std::vector<Event> recorded;
    return recorded;
}

bool fromStart = false;

void record(QAccessibleEvent* event) {
    QObject* object = event->object();
    const auto* widget = qobject_cast<QWidget*>(object);
    const QAccessibleInterface* read = event->accessibleInterface();
    QString what;
    if (object != nullptr) {
        what = QStringLiteral("%1 %2 \"%3\"")
                   .arg(object->metaObject()->className(), object->objectName(),
                        read != nullptr ? read->text(QAccessible::Name) : QString());
    }
    events().push_back({event->type(), object, what, widget != nullptr && widget->isVisible()});
}

} // namespace

bool askedFor() {
    return qEnvironmentVariableIsSet("KORVANE_SCREEN_READER_FROM_START");
}

void activateFromStartIfAsked() {
    if (!askedFor()) {
        return;
    }
    QAccessible::installUpdateHandler(record);
    // The platform's accessibility is what a screen reader turns on; on a screen with no
    // accessibility bus only the program can.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (platform != nullptr) {
        platform->setActive(true);
    }
    fromStart = QAccessible::isActive();
}

bool activeFromStart() {
    return fromStart;
}

const std::vector<Event>& sent() {
    return events();
}

void clear() {
    events().clear();
}

std::vector<Event> focusMoves() {
    std::vector<Event> moves;
    for (const Event& event : events()) {
        if (event.type == QAccessible::Focus) {
            moves.push_back(event);
        }
    }
    return moves;
}

} // namespace AccessibilityEvents
