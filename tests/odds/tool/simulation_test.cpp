#include "cards/system_random_source.h"
#include "odds/tool/basic_strategy.h"
#include "odds/tool/headless_round.h"
#include "odds/tool/mimic_strategy.h"

#include <cmath>
#include <gtest/gtest.h>

// The game's own rounds, played by each strategy, against what the exact analysis expects of it.
TEST(Simulation, MeanReturnsMatchTheExactAnalysisWithinFourStandardErrors) {
    constexpr std::uint64_t rounds = 200'000;
    const BasicStrategy basic;
    const MimicStrategy mimic;
    struct Case {
        const char *name;
        const Strategy &strategy;
        double exact;
        double variance;
    };
    for (const Case &c :
         {Case{"basic", basic, basic.analysis().expectedReturn(), basic.analysis().roundVariance()},
          Case{"mimic", mimic, expectedReturn(mimic), ExactAnalysis(mimic).roundVariance()}}) {
        SystemRandomSource random(20250101);
        const RunningStats returns = simulate(*makeHeadlessRounds(c.strategy, random), rounds);
        EXPECT_EQ(returns.count(), rounds);
        EXPECT_GT(returns.standardError(), 0.001) << "a round's return spreads by about one stake";
        EXPECT_NEAR(returns.mean(), c.exact, 4 * returns.standardError()) << c.name;
        // A round's fourth moment stays below 2, so the sample variance's standard error stays below
        // sqrt(2 / 200000): four of them make 0.013.
        EXPECT_NEAR(returns.variance(), c.variance, 0.013) << c.name;
    }
}
