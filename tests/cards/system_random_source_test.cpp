#include "cards/system_random_source.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

std::vector<float> firstNumbers(RandomSource &random, int count) {
    std::vector<float> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(random.next());
    return numbers;
}

} // namespace

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
        sequences.insert(firstNumbers(random, 3));
    }
    EXPECT_EQ(sequences.size(), 20u);
}

TEST(SystemRandomSource, ReseedsAtTheSameClockReadingStillStartDifferentSequences) {
    SystemRandomSource first;
    SystemRandomSource second;
    first.reseedAt(1'000'000);
    second.reseedAt(1'000'000);
    EXPECT_NE(firstNumbers(first, 3), firstNumbers(second, 3));
}

TEST(SeededRandomSource, KeepsItsOneSequenceThroughTheDealsReseeds) {
    SystemRandomSource undisturbed(42);
    SystemRandomSource reseeded(42);
    for (int i = 0; i < 100; ++i) {
        // Every deal reseeds three times; a seeded run must not notice.
        if (i % 7 == 0)
            reseeded.reseed();
        ASSERT_EQ(reseeded.next(), undisturbed.next()) << "number " << i;
    }
}

TEST(SeededRandomSource, TheSeedChoosesTheSequence) {
    SystemRandomSource one(1);
    SystemRandomSource two(2);
    SystemRandomSource high(std::uint64_t{1} << 32);
    SystemRandomSource again(1);
    const std::vector<float> first = firstNumbers(one, 8);
    EXPECT_NE(first, firstNumbers(two, 8));
    EXPECT_NE(first, firstNumbers(high, 8)) << "the seed's upper half counts too";
    EXPECT_EQ(first, firstNumbers(again, 8));
}
