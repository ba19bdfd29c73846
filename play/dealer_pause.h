#pragma once

#include "cards/round_state.h"
#include "platform/time_of_day_clock.h"

#include <cstdint>

// The second at which a dealer's pause starts: the clock reading rounded to the nearest whole second,
// a half going to the even neighbour.
std::int32_t pauseStartSecond(double clockReading);

// A clock reading taken during a pause, counted on the day the pause began: the time-of-day clock
// restarts at midnight, and a pause that spans it must not wait a whole day for its mark.
double readingOnStartDay(double clockReading, double startReading);

// The dealer's pauses of one dealer's play, timed on the time-of-day clock: each lasts from the start
// reading, rounded, until the clock reaches that second plus WaitSecs.
class DealerPause {
public:
    // `roundEpoch` is the model's count of given-up rounds; a change means this round was given up.
    DealerPause(TimeOfDayClock &clock, RoundState &round, const std::uint64_t &roundEpoch)
        : clock(clock), round(round), roundEpoch(roundEpoch), epoch(roundEpoch) {}

    // One pause. `sleep(milliseconds)` lets the window handle its events for about that long and
    // returns false when woken because the round was given up (or the application is quitting).
    // True when the pause ran out with the round still in play.
    template <typename Sleep> bool wait(Sleep &&sleep);

    // True once a restart or a closed window has given up the round this dealer's play belongs to.
    bool roundGivenUp() const { return roundEpoch != epoch; }

private:
    TimeOfDayClock &clock;
    RoundState &round;
    const std::uint64_t &roundEpoch;
    const std::uint64_t epoch;
};

template <typename Sleep> bool DealerPause::wait(Sleep &&sleep) {
    const double startReading = clock.secondsSinceMidnight();
    round.WaitStart = pauseStartSecond(startReading);
    const double mark = static_cast<double>(round.WaitStart + round.WaitSecs);
    for (;;) {
        if (roundGivenUp())
            return false;
        const double now = readingOnStartDay(clock.secondsSinceMidnight(), startReading);
        if (now >= mark)
            return true;
        if (!sleep(clock.millisecondsToSleep(mark - now)))
            return false;
    }
}
