#pragma once

#include "cards/random_source.h"

#include <cstdint>
#include <random>

// The standard library's Mersenne Twister behind the random source. It needs nothing beyond the standard
// library, so the game and the command-line simulator share it.
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
