#include "platform/random_source.h"

#include <chrono>

SystemRandomSource::SystemRandomSource() {
    reseed();
}

SystemRandomSource::SystemRandomSource(std::uint64_t seed) : fixedSequence(true) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    generator.seed(sequence);
}

float SystemRandomSource::next() {
    // Twenty-four random bits scaled by 2^-24 fill a float's mantissa exactly, so the largest result
    // is 1 - 2^-24 and 1.0 itself can never come out (std::generate_canonical<float> may round up to it).
    constexpr float scale = 1.0f / 16777216.0f;
    return static_cast<float>(generator() >> 8) * scale;
}

void SystemRandomSource::reseed() {
    if (fixedSequence)
        return;
    // Nanoseconds, not seconds: two deals within the same second must not share a seed.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto bits = static_cast<std::uint64_t>(ticks);
    std::seed_seq seed{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32)};
    generator.seed(seed);
}
