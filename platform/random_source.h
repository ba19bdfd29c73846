#pragma once

#include <cstdint>
#include <random>

// The program's uniform random generator: single-precision numbers in [0, 1) and a reseed from the clock.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // The next uniform number U with 0 <= U < 1, never 1.
    virtual float next() = 0;
    // Starts a new sequence from a seed taken from a high-resolution clock.
    virtual void reseed() = 0;
};

class SystemRandomSource final : public RandomSource {
public:
    SystemRandomSource();
    // One fixed sequence for a repeatable run: reseed() then keeps that sequence going. The deal reseeds
    // from the clock at every round, which would otherwise make the cards depend on the moment of play.
    explicit SystemRandomSource(std::uint64_t seed);

    float next() override;
    void reseed() override;
    // reseed() at a given reading of the high-resolution clock. Two reseeds at the same reading, as on a
    // clock that ticks coarsely or on a fast machine, still start different sequences.
    void reseedAt(std::int64_t clockTicks);

private:
    std::mt19937 generator;
    bool fixedSequence = false;
};
