#include "platform/random_source.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<float> firstNumbers(RandomSource &random, int count) {
    std::vector<float> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(random.next());
    return numbers;
}

} // namespace

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
