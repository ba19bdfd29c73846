#include "cards/deck.h"
#include "cards/system_random_source.h"
#include "support/scripted_platform.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

TEST(CardValue, IsTheRankWithFaceCardsCappedAtTen) {
    for (int number = 1; number <= 52; ++number) {
        const int rank = (number - 1) % 13 + 1;
        EXPECT_EQ(cardValue(number), std::min(rank, 10)) << "card number " << number;
    }
}

TEST(CardValue, KnownCards) {
    struct Case {
        int number;
        int value;
    };
    for (const Case &c : {Case{1, 1}, Case{14, 1}, Case{27, 1}, Case{40, 1}, Case{10, 10}, Case{11, 10},
                          Case{12, 10}, Case{13, 10}, Case{23, 10}, Case{26, 10}, Case{37, 10}, Case{39, 10},
                          Case{50, 10}, Case{52, 10}, Case{45, 6}, Case{30, 4}})
        EXPECT_EQ(cardValue(c.number), c.value) << "card number " << c.number;
}

TEST(ShownCardDraw, SpansOneToFiftyTwoAtTheBoundsOfTheUniformNumber) {
    EXPECT_EQ(shownCardNumber(0.0f), 1);
    EXPECT_EQ(shownCardNumber(std::nextafter(1.0f, 0.0f)), 52);
    EXPECT_EQ(shownCardNumber(1.0f / 52.0f), 2);
    EXPECT_EQ(shownCardNumber(std::nextafter(1.0f / 52.0f, 0.0f)), 1);
}

TEST(ShownCardDraw, StaysOnTheDeckForNumbersOutsideTheUnitInterval) {
    EXPECT_EQ(shownCardNumber(1.0f), 52);
    EXPECT_EQ(shownCardNumber(-0.25f), 1);
}

TEST(ShownCardDraw, EveryScriptedCardComesBackAsScripted) {
    ScriptedRandom random;
    for (int number = 1; number <= 52; ++number) {
        random.pushCards({number});
        EXPECT_EQ(drawShownCard(random), number);
    }
}

TEST(Deck, ResetFreesEveryCardAndClearsTheCounters) {
    Deck deck;
    deck.DealDraws = 3;
    deck.ResetDeck();
    EXPECT_TRUE(std::all_of(deck.CardFree.begin() + 1, deck.CardFree.end(), [](bool free) { return free; }));
    EXPECT_EQ(deck.DealDraws, 0);
}

TEST(Deck, EachDrawReseedsAndTakesAFreeCardDrawingAgainPastTakenOnes) {
    ScriptedRandom random;
    Deck deck;
    deck.ResetDeck();
    random.pushCards({7, 7, 7, 9, 20});
    deck.DrawCard(random);
    EXPECT_EQ(deck.DrawnCard, 7);
    deck.DrawCard(random);
    EXPECT_EQ(deck.DrawnCard, 9) << "7 is taken, so the second draw goes on to the next number";
    deck.DrawCard(random);
    EXPECT_EQ(deck.DrawnCard, 20);
    EXPECT_EQ(random.reseeds, 3);
    EXPECT_EQ(std::count(deck.CardFree.begin() + 1, deck.CardFree.end(), false), 3);
    EXPECT_FALSE(deck.CardFree[7]);
    EXPECT_FALSE(deck.CardFree[9]);
    EXPECT_FALSE(deck.CardFree[20]);
}

TEST(Deck, ThreeDrawsOnTheRealGeneratorTakeExactlyThreeCards) {
    SystemRandomSource random;
    Deck deck;
    for (int deal = 0; deal < 100; ++deal) {
        deck.ResetDeck();
        for (int draw = 0; draw < 3; ++draw)
            deck.DrawCard(random);
        ASSERT_EQ(std::count(deck.CardFree.begin() + 1, deck.CardFree.end(), false), 3);
        ASSERT_GE(deck.DrawnCard, 1);
        ASSERT_LE(deck.DrawnCard, 52);
    }
}
