#include "odds/tool/running_stats.h"

#include <cmath>
#include <limits>

void RunningStats::add(double value) {
    ++samples;
    const double fromOldMean = value - runningMean;
    runningMean += fromOldMean / static_cast<double>(samples);
    squaredSpread += fromOldMean * (value - runningMean);
}

double RunningStats::variance() const {
    if (samples < 2)
        return std::numeric_limits<double>::quiet_NaN();
    return squaredSpread / static_cast<double>(samples - 1);
}

double RunningStats::standardError() const {
    return std::sqrt(variance() / static_cast<double>(samples));
}
