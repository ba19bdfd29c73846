#pragma once

#include "cards/round_state.h"
#include "play/time_of_day_clock.h"

#include <cstdint>

// The second at which a dealer's pause starts: the clock reading rounded to the nearest whole second,
// a half going to the even neighbour.
std::int32_t pauseStartSecond(double clockReading);

// A clock reading taken during a pause, counted on the day the pause began: the time-of-day clock
// restarts at midnight, and a pause that spans it must not wait a whole day for its mark.
double readingOnStartDay(double clockReading, double startReading);

// The dealer's next card goes to the box a slot code names: codes 1 to 5 are boxes 7 down to 3, codes 6
// and 7 the hole card. The hole card always comes first, then the lowest empty box among 3 to 7; with
// every box showing, the code is kept from the card before, and the seventh card is drawn again.
int nextDealerSlotCode(const HandBoxes &dealerBoxes, int previousCode);
int positionForSlotCode(int slotCode);

// One dealer's pause, timed on the time-of-day clock: it lasts from the start reading, rounded, until
// the clock reaches that second plus the pause's length in whole seconds.
class DealerPause {
public:
    // Starts the pause at the clock's reading.
    void begin(const TimeOfDayClock &clock, int seconds);
    // How long the clock has still to run before the pause is over; 0 or less once it is.
    double secondsLeft(const TimeOfDayClock &clock) const;

private:
    double startReading = 0;
    double mark = 0;
};
