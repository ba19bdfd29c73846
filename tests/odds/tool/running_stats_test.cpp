#include "odds/tool/running_stats.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

TEST(RunningStats, GivesTheMeanAndTheSampleVariance) {
    struct Case {
        std::vector<double> values;
        double mean;
        double variance;
    };
    for (const Case &c : {
             Case{{2, 4, 4, 4, 5, 5, 7, 9}, 5, 32.0 / 7},
             Case{{-1, 1}, 0, 2},
             Case{{1.5, 1.5, 1.5}, 1.5, 0},
             // Far from zero the textbook sum of squares loses every digit; the spread must not.
             Case{{1e9 + 4, 1e9 + 7, 1e9 + 13, 1e9 + 16}, 1e9 + 10, 30},
         }) {
        RunningStats stats;
        for (const double value : c.values)
            stats.add(value);
        EXPECT_EQ(stats.count(), c.values.size());
        EXPECT_NEAR(stats.mean(), c.mean, 1e-9);
        EXPECT_NEAR(stats.variance(), c.variance, 1e-9);
        EXPECT_NEAR(stats.standardError(), std::sqrt(c.variance / static_cast<double>(c.values.size())),
                    1e-9);
    }
}

TEST(RunningStats, HasNoSpreadToReportBelowTwoValues) {
    RunningStats stats;
    EXPECT_TRUE(std::isnan(stats.variance()));
    stats.add(1.5);
    EXPECT_EQ(stats.mean(), 1.5);
    EXPECT_TRUE(std::isnan(stats.standardError()));
}
