#include "betting/payouts.h"
#include "odds/exact_analysis.h"
#include "odds/infinite_deck.h"
#include "odds/tool/basic_strategy.h"
#include "odds/tool/mimic_strategy.h"
#include "test_strategies.h"

#include <gtest/gtest.h>

namespace {

constexpr double exact = 1e-12;

const BasicStrategy &gameBasic() {
    static const BasicStrategy basic;
    return basic;
}

} // namespace

TEST(StandValue, WeighsTheDealersTotalsAgainstThePlayers) {
    // 17: .1, 18: .2, 19: .3, 20: .1, 21: .1, over 21: .2
    const DealerOutcomes dealer{{0.1, 0.2, 0.3, 0.1, 0.1, 0.2}};
    struct Case {
        int playerTotal;
        double value;
    };
    for (const Case &c : {Case{12, 0.2 - 0.8}, Case{16, 0.2 - 0.8}, Case{17, 0.2 - 0.7}, Case{18, 0.3 - 0.5},
                          Case{19, 0.5 - 0.2}, Case{20, 0.8 - 0.1}, Case{21, 0.9}})
        EXPECT_NEAR(standValue(c.playerTotal, dealer), c.value, exact) << "standing on " << c.playerTotal;
}

TEST(ExactAnalysis, SevenCardsStandForTheirStandValue) {
    const ExactAnalysis bestPlay;
    for (int upCard = 1; upCard <= 10; ++upCard) {
        for (const HandCount hand : {HandCount{7, true}, HandCount{12, false}, HandCount{16, false}}) {
            const PlayerSituation seven{hand, 7, upCard, false};
            EXPECT_EQ(bestPlay.action(seven), PlayerAction::Stand);
            EXPECT_NEAR(bestPlay.value(seven), standValue(totalOf(hand), dealerOutcomesForUpCard(upCard)),
                        exact);
        }
    }
}

TEST(ExactAnalysis, TheSeventhCardIsTheLast) {
    // Six cards on a hard 12 that hit take one card and must stand on whatever it makes.
    const ExactAnalysis alwaysHitFromSix(
        OneDeviation(gameBasic(), {{12, false}, 6, 10, false}, PlayerAction::Hit));
    const DealerOutcomes &dealer = dealerOutcomesForUpCard(10);
    double expected = 0;
    for (int card = 1; card <= 10; ++card)
        expected += cardProbability(card) * (12 + card > 21 ? -1.0 : standValue(12 + card, dealer));
    EXPECT_NEAR(alwaysHitFromSix.value({{12, false}, 6, 10, false}), expected, exact);
}

TEST(ExactAnalysis, EvaluatingTheBestPlayAsAStrategyGivesTheSameReturn) {
    for (const InsurancePayout payout : {InsurancePayout::StakeAtSettlement, InsurancePayout::FirstStake}) {
        const BasicStrategy basic(payout);
        EXPECT_NEAR(expectedReturn(basic, payout), basic.analysis().expectedReturn(), exact);
    }
}

// Best play means no single changed choice anywhere can raise the expected return.
TEST(ExactAnalysis, NoSingleDeviationFromBestPlayPays) {
    const BasicStrategy &basic = gameBasic();
    const double best = basic.analysis().expectedReturn();
    int deviations = 0;
    for (const bool insured : {false, true}) {
        for (int upCard = 1; upCard <= 10; ++upCard) {
            if (insured && upCard != 1)
                continue;
            for (int cardCount = 2; cardCount < 7; ++cardCount) {
                for (int hard = cardCount; hard <= 21; ++hard) {
                    for (const bool holdsAce : {false, true}) {
                        const PlayerSituation s{{hard, holdsAce}, cardCount, upCard, insured};
                        for (const PlayerAction other :
                             {PlayerAction::Stand, PlayerAction::Hit, PlayerAction::Double}) {
                            if (other == basic.choose(s) ||
                                (other == PlayerAction::Double && !s.doubleOffered()))
                                continue;
                            EXPECT_LE(expectedReturn(OneDeviation(basic, s, other)), best + exact)
                                << "hard " << hard << (holdsAce ? " with an ace, " : ", ") << cardCount
                                << " cards, up " << upCard << (insured ? " insured" : "");
                            ++deviations;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(deviations, 1900) << "every situation of every hand size, insured and not";
}

TEST(ExactAnalysis, BestPlayBeatsPlayingLikeTheDealer) {
    const double basic = gameBasic().analysis().expectedReturn();
    const double mimic = expectedReturn(MimicStrategy());
    EXPECT_GT(basic, mimic + 0.02);
    // Both still lose: the house keeps an edge.
    EXPECT_LT(basic, 0);
}

// What a round reaching the settlement can win from insurance is its payout, 1.5 stakes, 4 times in 13:
// 6/13 of a stake against a cost of 1/2. Only a stake doubled before the settlement can turn that round.
TEST(Insurance, NeverPaysWhenItsPayoutStaysOnTheFirstStake) {
    const ExactAnalysis bestPlay(InsurancePayout::FirstStake);
    constexpr double mostItCanAdd = 6.0 / 13.0 - 0.5;
    for (int first = 1; first <= 10; ++first) {
        for (int second = 1; second <= 10; ++second) {
            const HandCount twoCards{first + second, first == 1 || second == 1};
            EXPECT_LE(bestPlay.insuranceGain(twoCards), mostItCanAdd + exact) << first << " and " << second;
            EXPECT_FALSE(bestPlay.takesInsurance(twoCards)) << first << " and " << second;
        }
    }
    // Standing on 17 to 20 reaches the settlement every time, so there the bound is met exactly.
    EXPECT_NEAR(bestPlay.insuranceGain({19, false}), mostItCanAdd, exact);
}

TEST(Insurance, PaysOnlyOnAnElevenThatDoublesWhenThePayoutFollowsTheDoubledStake) {
    const ExactAnalysis &bestPlay = gameBasic().analysis();
    for (int first = 1; first <= 10; ++first) {
        for (int second = 1; second <= 10; ++second) {
            const HandCount twoCards{first + second, first == 1 || second == 1};
            const bool eleven = twoCards.hardTotal == 11 && !twoCards.holdsAce;
            EXPECT_EQ(bestPlay.takesInsurance(twoCards), eleven) << first << " and " << second;
        }
    }
    EXPECT_EQ(bestPlay.action({{11, false}, 2, 1, true}), PlayerAction::Double);
    // Doubled, the payout is 3 first stakes 4 times in 13: 12/13 against the cost of 1/2.
    const double insuredDouble = bestPlay.value({{11, false}, 2, 1, true}) - insuranceCost(1.0);
    const ExactAnalysis uninsuredDouble(
        OneDeviation(gameBasic(), {{11, false}, 2, 1, false}, PlayerAction::Double));
    EXPECT_NEAR(insuredDouble - uninsuredDouble.value({{11, false}, 2, 1, false}), 12.0 / 13.0 - 0.5, exact);
}

TEST(Insurance, OnANaturalLosesItsWholeCost) {
    for (const InsurancePayout payout : {InsurancePayout::StakeAtSettlement, InsurancePayout::FirstStake})
        EXPECT_NEAR(ExactAnalysis(payout).insuranceGain({11, true}), -insuranceCost(1.0), exact);
    // A natural is paid 1.5 at the deal whatever the dealer holds; insuring every hand costs that half back.
    const BasicStrategy &basic = gameBasic();
    const double withoutInsurance = basic.analysis().expectedReturn();
    const double insuringAll = expectedReturn(InsuresEveryHand(basic));
    EXPECT_LT(insuringAll, withoutInsurance - 0.01);
}
