#include "support/event_waits.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

void runEventsFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitUntil(const std::function<bool()> &done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        runEventsFor(10);
    }
    return true;
}
