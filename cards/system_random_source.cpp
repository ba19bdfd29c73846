#include "cards/system_random_source.h"

#include <atomic>
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
    reseedAt(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

void SystemRandomSource::reseedAt(std::int64_t clockTicks) {
    if (fixedSequence)
        return;
    // Nanoseconds, not seconds, so that two deals within the same second do not share a seed; and a count
    // of every reseed in the process, so that two within the same tick of the clock do not either.
    static std::atomic<std::uint64_t> reseeds{0};
    const auto ticks = static_cast<std::uint64_t>(clockTicks);
    const std::uint64_t count = reseeds.fetch_add(1, std::memory_order_relaxed);
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                       static_cast<std::uint32_t>(count), static_cast<std::uint32_t>(count >> 32)};
    generator.seed(seed);
}
