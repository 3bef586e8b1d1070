#pragma once

#include <QDateTime>

// The time of day, and waiting for a moment of it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    // Returns once the clock reads moment or later. The waiting window is busy, not hung: the
    // event loop runs meanwhile (repaints, timers, the accessibility bus), while what a person
    // types or clicks is dropped (InputDropped).
    virtual void waitUntil(const QDateTime& moment) = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override;
    void waitUntil(const QDateTime& moment) override;
};
