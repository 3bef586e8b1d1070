#include "Clock.h"

#include <QThread>

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

void SystemClock::waitUntil(const QDateTime& moment) {
    for (qint64 left = now().msecsTo(moment); left > 0; left = now().msecsTo(moment)) {
        QThread::msleep(static_cast<unsigned long>(left));
    }
}
