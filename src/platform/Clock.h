#pragma once

#include <QDateTime>

// The time of day, and waiting for a moment of it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    // Blocks the whole program, processing no event, until the clock reads moment or later.
    virtual void waitUntil(const QDateTime& moment) = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override;
    void waitUntil(const QDateTime& moment) override;
};
