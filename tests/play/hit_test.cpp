#include "support/scripted_round.h"

#include <gtest/gtest.h>

TEST(Hit, RecountsTheTotalWithTheAceRule) {
    struct Case {
        int first, second, drawn, total;
    };
    for (const Case &c :
         {Case{clubs(1), clubs(5), hearts(9), 15}, Case{clubs(1), hearts(1), spades(9), 21},
          Case{clubs(10), clubs(6), clubs(1), 17}, Case{clubs(4), clubs(3), hearts(12), 17}}) {
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(clubs(8), c.first, c.second);
        round.hit(c.drawn);
        EXPECT_EQ(round.view.playerTotal, c.total) << c.first << ", " << c.second << ", " << c.drawn;
        EXPECT_EQ(round.model.controls(), playerTurnControls) << "21 or under: the round goes on, even at 21";
        EXPECT_EQ(round.view.cardsDrawn, 1);
        EXPECT_EQ(round.view.player[2].cardNumber, c.drawn);
        EXPECT_EQ(round.view.playerCardsShown(), 3);
        round.expectViewShowsTheModel();
    }
}

TEST(Hit, ABustLosesTheStakeOnceAndEndsTheRound) {
    ScriptedRound round;
    round.stake(20, 480);
    round.deal(clubs(9), clubs(10), clubs(6));
    round.hit(hearts(13));
    EXPECT_EQ(round.view.playerTotal, 26);
    EXPECT_EQ(round.view.outcomes, std::vector{RoundOutcome::Loss});
    EXPECT_EQ(round.model.bankroll(), 480);
    EXPECT_EQ(round.view.stake, 0);
    EXPECT_EQ(round.model.controls(), idleControls);
    EXPECT_EQ(round.model.phase(), RoundPhase::Idle);
    EXPECT_EQ(round.view.dealerCardsShown(), 1) << "the dealer's hidden card stays unturned";
    EXPECT_EQ(round.view.dealerTotal, 9);
    round.expectViewShowsTheModel();
}

TEST(Hit, FillsTheBoxesLeftToRightAndDealsNothingPastTheSeventh) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(8), clubs(2), diamonds(2));
    for (int card : {hearts(2), spades(2), clubs(3), diamonds(3), hearts(3)}) {
        round.hit(card);
        EXPECT_EQ(round.view.player[round.view.playerCardsShown() - 1].cardNumber, card);
    }
    ASSERT_EQ(round.view.playerTotal, 17);
    ASSERT_EQ(round.view.playerCardsShown(), 7);
    const int drawsBefore = round.random.draws;
    const int drawnBefore = round.view.cardsDrawn;

    round.model.hit();
    EXPECT_EQ(round.random.draws, drawsBefore);
    EXPECT_EQ(round.view.cardsDrawn, drawnBefore) << "no card, no sound";
    EXPECT_EQ(round.view.playerTotal, 17);
    EXPECT_TRUE(round.model.controls().hit);
}

TEST(Hit, WithdrawsTheDoubleDownOffer) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(8), clubs(5), diamonds(6));
    ASSERT_TRUE(round.model.controls().doubleDown);
    round.hit(hearts(2));
    EXPECT_FALSE(round.model.controls().doubleDown);
    round.model.doubleDown();
    EXPECT_EQ(round.view.stake, 10) << "a withdrawn offer takes no click";
}

TEST(Hit, CanDrawACardAlreadyOnTheTable) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(hearts(4), hearts(4), clubs(2));
    round.hit(hearts(4));
    EXPECT_EQ(round.view.player[2].cardNumber, hearts(4));
    EXPECT_EQ(round.view.playerTotal, 10);
}

TEST(Hit, IsIgnoredOutsideThePlayersTurn) {
    ScriptedRound round;
    round.model.hit();
    round.model.stand();
    EXPECT_EQ(round.random.draws, 0);
    EXPECT_EQ(round.view.playerCardsShown(), 2);
    EXPECT_EQ(round.view.dealerPauses, 0);
}
