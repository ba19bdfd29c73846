#include "cards/round_state.h"

#include <gtest/gtest.h>

TEST(HandTotal, CountsOneAceAsElevenWhileThatStaysAtOrUnderTwentyOne) {
    struct Case {
        HandCards cards;
        int total;
    };
    for (const Case &c : {
             Case{{1, 6}, 17},
             Case{{1, 6, 9}, 16},
             Case{{1, 1, 9}, 21},
             Case{{1, 1}, 12},
             Case{{10, 10, 1}, 21},
             Case{{1, 10}, 21},
             Case{{10, 9, 2}, 21},
             Case{{1, 5, 9}, 15},
             Case{{6, 1}, 17},
             Case{{2, 2, 2, 2, 2, 2, 1}, 13},
             Case{{2, 2, 2, 2, 2, 2, 2}, 14},
             Case{{10, 10, 5}, 25},
             Case{{}, 0},
         })
        EXPECT_EQ(handTotal(c.cards), c.total) << ::testing::PrintToString(c.cards);
}

TEST(HandTotal, AnEmptyPositionIsNeverTakenForAnAce) {
    const HandCount count = countHand({10, 6, 0, 0, 0, 0, 0});
    EXPECT_FALSE(count.holdsAce);
    EXPECT_EQ(count.hardTotal, 16);
    EXPECT_TRUE(countHand({0, 0, 0, 0, 0, 0, 1}).holdsAce) << "every position is looked at";
}
