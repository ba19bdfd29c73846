#include "play/dealer_pause.h"

#include "platform/time_of_day_clock.h"
#include "table/table_window.h"

#include <QEventLoop>
#include <QTimer>
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

namespace {

// Exit codes of the pause's event loop; anything else means the application itself is quitting.
constexpr int wokeUp = 1;
constexpr int givenUp = 2;

} // namespace

bool BJMain::PauseBeforeDealerCard(std::uint64_t epoch) {
    const double startReading = platform.clock->secondsSinceMidnight();
    round.WaitStart = pauseStartSecond(startReading);
    const double mark = static_cast<double>(round.WaitStart + round.WaitSecs);
    for (;;) {
        if (roundAbandoned(epoch))
            return false;
        const double now = readingOnStartDay(platform.clock->secondsSinceMidnight(), startReading);
        if (now >= mark)
            return true;
        // The window goes on handling events while the event loop sleeps until the mark.
        QEventLoop sleeper;
        pauseLoop = &sleeper;
        QTimer::singleShot(platform.clock->millisecondsToSleep(mark - now), &sleeper,
                           [&sleeper] { sleeper.exit(wokeUp); });
        const int woke = sleeper.exec();
        pauseLoop = nullptr;
        if (woke != wokeUp)
            return false;
    }
}

void BJMain::abandonRound() {
    ++roundEpoch;
    if (pauseLoop)
        pauseLoop->exit(givenUp);
}
