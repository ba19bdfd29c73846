#include "cards/system_random_source.h"
#include "odds/test_strategies.h"
#include "odds/tool/basic_strategy.h"
#include "odds/tool/headless_round.h"
#include "odds/tool/mimic_strategy.h"
#include "support/cards.h"
#include "support/scripted_platform.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace {

// Plain numbers in the rows are the clubs of that rank.
constexpr int ace = clubs(1);
constexpr int king = spades(13);

struct ScriptedRound {
    const char *what;
    const Strategy &strategy;
    int up;
    int playerFirst;
    int playerSecond;
    std::vector<int> laterCards; // the player's, then the dealer's, in the order they are drawn
    double expectedReturn;
};

double playScripted(const ScriptedRound &round) {
    ScriptedRandom random;
    random.pushDeal(round.up, round.playerFirst, round.playerSecond);
    for (const int card : round.laterCards)
        random.pushCards({card});
    const double result = makeHeadlessRounds(round.strategy, random)->playRound();
    EXPECT_EQ(random.remaining(), 0u) << round.what << ": cards left over";
    return result;
}

} // namespace

TEST(HeadlessRound, ReturnsTheBankrollsChangeOverTheStake) {
    const BasicStrategy basic;
    const MimicStrategy mimic;
    const InsuresEveryHand insuringBasic(basic);
    const AlwaysChooses hitter(PlayerAction::Hit);
    for (const ScriptedRound &round : {
             ScriptedRound{"a natural is paid 3 to 2", basic, 5, ace, king, {}, 1.5},
             ScriptedRound{"a natural under an ace, insurance declined", basic, ace, king, ace, {}, 1.5},
             ScriptedRound{
                 "a natural under an ace loses a bought insurance", insuringBasic, ace, ace, 10, {}, 1.0},
             ScriptedRound{"hard 16 hits against a ten and goes over", basic, 10, 10, 6, {10}, -1},
             ScriptedRound{"mimic hits 16 to 18; the dealer stops at 17", mimic, 7, 10, 6, {2, 10}, 1},
             ScriptedRound{"equal totals push", basic, 10, 10, 8, {8}, 0},
             ScriptedRound{"an 11 doubled to 21 against the dealer's 20", mimic, 10, 5, 6, {10, 10}, 2},
             // Basic insures an 11 under an ace and doubles it: the ten in the hole makes the dealer 21
             // against 20, the doubled stake is lost, and the insurance pays 1.5 doubled stakes.
             ScriptedRound{
                 "insured double against the dealer's blackjack", basic, ace, 2, 9, {9, king}, -0.5 - 2 + 3},
             ScriptedRound{"insured double, no ten in the hole", basic, ace, 2, 9, {9, 6}, -0.5 + 2},
             // Seven small cards make 14; a hit then draws nothing, so the hand must stand.
             ScriptedRound{"seven cards stand", hitter, 10, 2, 2, {2, 2, 2, 2, 2, 7}, -1},
         }) {
        EXPECT_DOUBLE_EQ(playScripted(round), round.expectedReturn) << round.what;
    }
}

TEST(HeadlessRound, ADoubleTheTableDoesNotOfferIsAnError) {
    ScriptedRandom random;
    random.pushDeal(10, 10, 6);
    EXPECT_THROW(makeHeadlessRounds(AlwaysChooses(PlayerAction::Double), random)->playRound(),
                 std::logic_error);
}

TEST(HeadlessRound, TheSameSeedPlaysTheSameRounds) {
    const BasicStrategy basic;
    SystemRandomSource first(99);
    SystemRandomSource second(99);
    const auto one = makeHeadlessRounds(basic, first);
    const auto other = makeHeadlessRounds(basic, second);
    for (int round = 0; round < 2000; ++round)
        ASSERT_EQ(one->playRound(), other->playRound()) << "round " << round;
}
