#include "cards/deck.h"
#include "cards/system_random_source.h"

#include <array>
#include <gtest/gtest.h>

// A million shown cards from the game's own generator, on a fixed seed: every card number must come up
// as often as chance allows. The chi-square statistic over the 52 numbers has 51 degrees of freedom; a
// fair draw exceeds 87.97 only once in a thousand seeds.
TEST(CardDraw, AMillionCardsAreSpreadEvenlyOverTheDeck) {
    constexpr int draws = 1'000'000;
    constexpr double criticalAtOnePerThousand = 87.97;
    SystemRandomSource random(20261207);
    std::array<int, cardsInDeck + 1> seen{};
    for (int i = 0; i < draws; ++i)
        ++seen[static_cast<std::size_t>(drawShownCard(random))];

    EXPECT_EQ(seen[0], 0);
    const double expected = double(draws) / cardsInDeck;
    double chiSquare = 0;
    for (int number = 1; number <= cardsInDeck; ++number) {
        const double off = seen[static_cast<std::size_t>(number)] - expected;
        chiSquare += off * off / expected;
    }
    EXPECT_LT(chiSquare, criticalAtOnePerThousand) << "chi-square " << chiSquare;
}
