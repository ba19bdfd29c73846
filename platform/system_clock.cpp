#include "platform/system_clock.h"

#include <QTime>
#include <cmath>

double SystemTimeOfDayClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

int SystemTimeOfDayClock::millisecondsToSleep(double seconds) {
    // Rounded up, so a wake-up never comes a millisecond before the clock has reached its mark.
    return seconds <= 0 ? 0 : static_cast<int>(std::ceil(seconds * 1000.0));
}
