#pragma once

#include <cstdint>

// Mean and variance of a stream of returns in one pass, by Welford's update: each new value moves the
// mean by its share and adds its spread about both the old and the new mean, so no large sums of squares
// are ever subtracted from each other and the variance keeps its digits over 10^8 rounds.
class RunningStats {
public:
    void add(double value);

    std::uint64_t count() const { return samples; }
    double mean() const { return runningMean; }
    // The sample variance (divided by count - 1); not a number below two values.
    double variance() const;
    // The standard error of the mean, sqrt(variance / count); not a number below two values.
    double standardError() const;

private:
    std::uint64_t samples = 0;
    double runningMean = 0;
    double squaredSpread = 0;
};
