#pragma once

// The time-of-day clock that times the dealer's pauses. The game reads the computer's clock through it;
// tests and the simulator script their own.
class TimeOfDayClock {
public:
    virtual ~TimeOfDayClock() = default;

    static constexpr double secondsPerDay = 86400.0;

    // Seconds since midnight, with a fractional part; restarts at 0 at midnight.
    virtual double secondsSinceMidnight() const = 0;
    // How many real milliseconds to sleep for this clock to move on by `seconds`.
    // A scripted clock moves itself at once and asks for no sleep at all.
    virtual int millisecondsToSleep(double seconds) = 0;
};
