#include "play/dealer_pause.h"

#include <cmath>

std::int32_t pauseStartSecond(double clockReading) {
    double second = std::round(clockReading);
    if (std::fabs(clockReading - std::trunc(clockReading)) == 0.5)
        second = 2.0 * std::round(clockReading / 2.0);
    return static_cast<std::int32_t>(second);
}

double readingOnStartDay(double clockReading, double startReading) {
    // A pause lasts under two seconds, so a reading earlier than the start means midnight has passed.
    return clockReading < startReading ? clockReading + TimeOfDayClock::secondsPerDay : clockReading;
}

void DealerPause::begin(const TimeOfDayClock &clock, int seconds) {
    startReading = clock.secondsSinceMidnight();
    mark = static_cast<double>(pauseStartSecond(startReading) + seconds);
}

double DealerPause::secondsLeft(const TimeOfDayClock &clock) const {
    return mark - readingOnStartDay(clock.secondsSinceMidnight(), startReading);
}

int nextDealerSlotCode(const HandBoxes &dealerBoxes, int previousCode) {
    int code = previousCode;
    for (int candidate = 1; candidate <= 5; ++candidate) {
        if (dealerBoxes[7 - candidate] == BoxShows::Nothing)
            code = candidate;
    }
    if (dealerBoxes[1] == BoxShows::Back)
        code = 6;
    if (dealerBoxes[1] == BoxShows::Nothing)
        code = 7;
    return code;
}

int positionForSlotCode(int slotCode) {
    return slotCode <= 5 ? 7 - slotCode : 1;
}
