#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>

#include <vector>

// Accessibility as a screen reader makes it when it runs before the program starts: active before
// the first window, with every event the program sends to assistive technology written down.
// A test program's main() turns it on when KORVANE_SCREEN_READER_FROM_START is set, so that a test
// can be run both ways by ctest.
namespace AccessibilityEvents {

// Whether this run was asked to be one; called by main() before any widget is made to make it so.
bool askedFor();
void activateFromStartIfAsked();
// Whether accessibility was made active from the start.
bool activeFromStart();

struct Event {
    QAccessible::Event type;
    QPointer<QObject> object;
    QString what; // class, object name and accessible name, as the event was sent
    bool showing; // whether the widget showed on screen when the event was sent
};

// The events sent since the last clear().
const std::vector<Event>& sent();
void clear();

// The focus moves among them.
std::vector<Event> focusMoves();

} // namespace AccessibilityEvents
