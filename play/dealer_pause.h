#pragma once

#include <cstdint>

// The second at which a dealer's pause starts: the clock reading rounded to the nearest whole second,
// a half going to the even neighbour.
std::int32_t pauseStartSecond(double clockReading);

// A clock reading taken during a pause, counted on the day the pause began: the time-of-day clock
// restarts at midnight, and a pause that spans it must not wait a whole day for its mark.
double readingOnStartDay(double clockReading, double startReading);
