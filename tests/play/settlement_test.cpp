#include "support/scripted_round.h"

#include <gtest/gtest.h>

namespace {

// Plays a whole round from a stake of 10 (bankroll 490 after the chips): the deal, the player's hits,
// then the stand against the dealer's cards.
void playRound(ScriptedRound &round, int up, std::initializer_list<int> player,
               std::initializer_list<int> dealer, InsuranceAnswer insurance = InsuranceAnswer::No) {
    round.stake(10, 490);
    const int *cards = player.begin();
    round.deal(up, cards[0], cards[1], insurance);
    for (const int *extra = cards + 2; extra != player.end(); ++extra)
        round.hit(*extra);
    round.stand(dealer);
}

} // namespace

TEST(Settlement, ComparesTheTotalsAndPaysTheStake) {
    struct Case {
        std::initializer_list<int> player;
        std::initializer_list<int> dealer;
        RoundOutcome outcome;
        double bankroll;
    };
    for (const Case &c : {
             Case{{clubs(10), clubs(2)}, {hearts(6), spades(6)}, RoundOutcome::DealerBusts, 510},
             Case{{clubs(10), clubs(9)}, {hearts(6), spades(10)}, RoundOutcome::DealerBusts, 510},
             Case{{clubs(10), clubs(7)}, {hearts(7)}, RoundOutcome::Push, 500},
             Case{{clubs(10), clubs(8)}, {hearts(10)}, RoundOutcome::Loss, 490},
             Case{{clubs(10), clubs(10)}, {hearts(8)}, RoundOutcome::Win, 510},
             Case{{clubs(10), clubs(9), hearts(2)}, {spades(1)}, RoundOutcome::Push, 500},
             Case{{clubs(10), clubs(9)}, {spades(1)}, RoundOutcome::Loss, 490},
         }) {
        ScriptedRound round;
        playRound(round, clubs(10), c.player, c.dealer);
        SCOPED_TRACE(testing::Message() << round.view.playerTotal << " against " << round.view.dealerTotal);
        EXPECT_EQ(round.view.outcomes, std::vector{c.outcome});
        EXPECT_EQ(round.model.bankroll(), c.bankroll);
        EXPECT_EQ(round.view.stake, 0) << "the stake is cleared after every outcome, a push too";
        EXPECT_EQ(round.model.controls(), idleControls);
        EXPECT_EQ(round.model.phase(), RoundPhase::Idle);
        round.expectViewShowsTheModel();
    }
}

TEST(Settlement, PaysABoughtInsuranceOnlyAgainstAnAceUpAndATenInTheHole) {
    using enum RoundOutcome;
    struct Case {
        std::initializer_list<int> player;
        std::initializer_list<int> dealer;
        InsuranceAnswer insurance;
        double bankroll;
        std::vector<RoundOutcome> told;
    };
    for (const Case &c : {
             Case{{clubs(10), clubs(10)}, {hearts(13)}, InsuranceAnswer::Yes, 500, {InsurancePays, Loss}},
             Case{{clubs(10), clubs(9), clubs(2)},
                  {hearts(12)},
                  InsuranceAnswer::Yes,
                  510,
                  {InsurancePays, Push}},
             Case{{clubs(10), clubs(10)}, {hearts(10)}, InsuranceAnswer::No, 490, {Loss}},
             Case{{clubs(10), clubs(9), clubs(2)}, {hearts(5), clubs(5)}, InsuranceAnswer::Yes, 495, {Push}},
         }) {
        ScriptedRound round;
        playRound(round, spades(1), c.player, c.dealer, c.insurance);
        SCOPED_TRACE(testing::Message() << round.view.playerTotal << " against " << round.view.dealerTotal);
        EXPECT_EQ(round.model.bankroll(), c.bankroll);
        EXPECT_EQ(round.view.stake, 0);
        EXPECT_EQ(round.view.outcomes, c.told);
        EXPECT_EQ(round.model.controls(), idleControls);
    }
}

TEST(Settlement, IgnoresTheInsuranceAnswerUnlessTheAceIsTheUpCard) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(spades(1), clubs(9), hearts(8), InsuranceAnswer::Yes);
    round.stand({clubs(7)});
    ASSERT_EQ(round.model.cards().InsYes, 1);
    round.stake(10, 490);
    round.deal(clubs(13), clubs(10), clubs(10));
    ASSERT_EQ(round.model.cards().InsYes, 1) << "kept from the last answer";
    round.stand({hearts(1)});
    EXPECT_EQ(round.view.dealerTotal, 21);
    EXPECT_EQ(round.model.bankroll(), 490) << "a king up and an ace in the hole pays no insurance";
}

TEST(Settlement, AnInsurancePayoutAfterADoubleIsOneAndAHalfTimesTheDoubledStake) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(spades(1), clubs(5), clubs(6), InsuranceAnswer::Yes);
    ASSERT_EQ(round.model.bankroll(), 485);
    round.doubleDown({hearts(10), diamonds(13)});
    // 485 - 10 for the second stake, + 30 for the insurance, + 20 for the push of 21 against 21.
    EXPECT_EQ(round.model.bankroll(), 525);
    EXPECT_EQ(round.view.stake, 0);
}

TEST(Settlement, AWholeGameRunsFromTheFirstStakeToAnEmptyBankroll) {
    ScriptedRound round;
    round.stake(250, 250);
    round.deal(clubs(10), clubs(10), clubs(9));
    round.stand({hearts(10)});
    ASSERT_EQ(round.model.bankroll(), 250);
    round.stake(250, 0);
    round.deal(clubs(10), clubs(10), clubs(6));
    round.hit(hearts(9));
    EXPECT_EQ(round.model.bankroll(), 0);
    round.model.placeChip(5);
    EXPECT_EQ(round.view.alerts, std::vector{Alert::NotEnoughMoney});
    EXPECT_EQ(round.view.stake, 0);
}
