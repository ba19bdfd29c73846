#include "platform/random_source.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

TEST(SystemRandomSource, StaysInsideTheHalfOpenUnitInterval) {
    SystemRandomSource random;
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        const float u = random.next();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        lowest = std::min(lowest, u);
        highest = std::max(highest, u);
    }
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
}

TEST(SystemRandomSource, ReseedsInQuickSuccessionStartDifferentSequences) {
    SystemRandomSource random;
    std::set<std::vector<float>> sequences;
    for (int reseed = 0; reseed < 20; ++reseed) {
        random.reseed();
        sequences.insert({random.next(), random.next(), random.next()});
    }
    EXPECT_EQ(sequences.size(), 20u);
}

TEST(SystemRandomSource, ReseedsAtTheSameClockReadingStillStartDifferentSequences) {
    SystemRandomSource first;
    SystemRandomSource second;
    first.reseedAt(1'000'000);
    second.reseedAt(1'000'000);
    const std::vector<float> firstSequence{first.next(), first.next(), first.next()};
    const std::vector<float> secondSequence{second.next(), second.next(), second.next()};
    EXPECT_NE(firstSequence, secondSequence);
}

TEST(SystemRandomSource, AFixedSeedKeepsItsOneSequenceThroughReseeds) {
    SystemRandomSource plain(42);
    SystemRandomSource reseeded(42);
    reseeded.reseed();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(plain.next(), reseeded.next()) << "draw " << i;
}
