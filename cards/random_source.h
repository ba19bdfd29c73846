#pragma once

// The program's uniform random generator: single-precision numbers in [0, 1) and a reseed from the clock.
// The deck draws every card with it; SystemRandomSource is the real one, tests script their own.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // The next uniform number U with 0 <= U < 1, never 1.
    virtual float next() = 0;
    // Starts a new sequence from a seed taken from a high-resolution clock.
    virtual void reseed() = 0;
};
