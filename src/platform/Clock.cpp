#include "Clock.h"

#include "InputDropped.h"

#include <QEventLoop>
#include <QTimer>

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

void SystemClock::waitUntil(const QDateTime& moment) {
    const InputDropped dropped;
    // A timer may fire a little early by the wall clock: the wait goes on until the moment.
    for (qint64 left = now().msecsTo(moment); left > 0; left = now().msecsTo(moment)) {
        QEventLoop loop;
        QTimer::singleShot(std::chrono::milliseconds(left), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}
