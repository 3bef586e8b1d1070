#pragma once

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QStringList>

#include <memory>

// What a screen reader listening to the program is told: every accessibility event sent while
// this lives, each with what its object read at that moment. Accessibility is switched on for
// it, as a running screen reader switches it on, and off again once the last one goes if it was
// off before the first.
//
// A screen reader running before the program starts is one made by a test program's main()
// before any widget, when KORVANE_SCREEN_READER_FROM_START is set, so that ctest can run a test
// both ways; it lives until main() returns.
class AccessibilityEvents {
public:
    struct Event {
        QAccessible::Event type;
        QPointer<QObject> object;
        int child; // the child the event is about (a table's cell), -1 for the object itself
        QAccessible::Role role;
        QString name;
        QString description;
        bool showing; // whether the object was a widget showing on screen when the event was sent
        // A table's change: its kind and the cells it covers.
        int modelChange = -1; // a QAccessibleTableModelChangeEvent::ModelChangeType
        int firstRow = -1;
        int firstColumn = -1;
        int lastRow = -1;
        int lastColumn = -1;
    };

    AccessibilityEvents();
    ~AccessibilityEvents();
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    // Whether this run was asked to have a screen reader from the start.
    static bool askedFor();
    // Called by main() once the application is made and before any widget: the screen reader
    // from the start when this run was asked for one, nothing otherwise.
    static std::unique_ptr<AccessibilityEvents> listenFromStartIfAsked();
    // The screen reader from the start, nullptr when this run has none.
    static AccessibilityEvents* fromStart();
    // Whether accessibility was made active from the start.
    static bool activeFromStart();

    // The events since the start or the last clear, oldest first.
    const QList<Event>& all() const { return events_; }
    QList<Event> of(const QObject* object, QAccessible::Event type) const;
    // Forgets the events so far, the notifications still to be told included.
    void clear();
    // The notifications a screen reader speaks, as told since the last clear; the ones the
    // handler that ran last told are told once the events posted meanwhile are handled.
    QStringList announcements();
    // The objects a focus event was sent for, with the child it named.
    QList<Event> focusMoves() const { return ofType(QAccessible::Focus); }

private:
    static void record(QAccessibleEvent* event);
    QList<Event> ofType(QAccessible::Event type) const;

    QList<Event> events_;
};
