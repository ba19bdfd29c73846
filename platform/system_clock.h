#pragma once

#include "play/time_of_day_clock.h"

// The computer's own time of day, read through Qt.
class SystemTimeOfDayClock final : public TimeOfDayClock {
public:
    double secondsSinceMidnight() const override;
    int millisecondsToSleep(double seconds) override;
};
