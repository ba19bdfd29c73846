#include "support/scripted_round.h"

#include <gtest/gtest.h>

TEST(DoubleDown, TakesASecondStakeDrawsOneCardAndHandsOverToTheDealer) {
    struct Case {
        double bet, bankroll;
        int drawn, total;
    };
    for (const Case &c :
         {Case{10, 10, hearts(13), 21}, Case{10, 490, hearts(1), 12}, Case{5, 7.5, clubs(10), 21}}) {
        ScriptedRound round;
        round.stake(c.bet, c.bankroll);
        round.deal(clubs(10), clubs(5), diamonds(6));
        // Looks at the doubled hand in the dealer's first pause, before the settlement pays it.
        round.clock.onSleep = [&] {
            EXPECT_EQ(round.model.bankroll(), c.bankroll - c.bet);
            EXPECT_EQ(round.model.stake(), 2 * c.bet);
            EXPECT_EQ(round.model.playerTotal(), c.total);
            EXPECT_EQ(round.model.controls(), lockedControls);
            round.expectViewShowsTheModel();
            round.clock.onSleep = nullptr;
        };
        round.doubleDown({c.drawn, hearts(8)});
        EXPECT_EQ(round.view.player[2].cardNumber, c.drawn);
        EXPECT_EQ(round.view.playerCardsShown(), 3);
        EXPECT_EQ(round.view.pauses, 1) << "the dealer turned up the hole card";
        ASSERT_FALSE(round.view.sounds().empty());
        EXPECT_EQ(round.view.sounds().front(), "/whoosh.wav")
            << "the double's own card comes without a sound; the dealer's with one";
        EXPECT_EQ(round.model.stake(), 0);
        EXPECT_EQ(round.model.controls(), idleControls);
        round.expectViewShowsTheModel();
    }
}

TEST(DoubleDown, IsRefusedWhenTheBankrollCannotCoverTheStakeAndTheHandGoesOn) {
    ScriptedRound round;
    round.stake(50, 40);
    round.deal(clubs(10), clubs(5), diamonds(6));
    round.doubleDown({hearts(2)});
    EXPECT_EQ(round.view.alerts, std::vector{Alert::NotEnoughMoney});
    EXPECT_EQ(round.model.bankroll(), 40);
    EXPECT_EQ(round.model.stake(), 50);
    EXPECT_EQ(round.view.playerCardsShown(), 2);
    EXPECT_EQ(round.model.controls(), playerTurnControls) << "the offer is withdrawn, Hit and Stand stay";
    EXPECT_EQ(round.view.pauses, 0);
    EXPECT_EQ(round.random.remaining(), 1u);
    round.expectViewShowsTheModel();
}

TEST(DoubleDown, ABankrollEqualToTheStakeIsEnough) {
    ScriptedRound round;
    round.stake(50, 50);
    round.deal(clubs(10), clubs(5), diamonds(6));
    round.clock.onSleep = [&] {
        EXPECT_EQ(round.model.bankroll(), 0);
        EXPECT_EQ(round.model.stake(), 100);
        round.clock.onSleep = nullptr;
    };
    round.doubleDown({hearts(10), hearts(8)});
    EXPECT_TRUE(round.view.alerts.empty());
    EXPECT_EQ(round.model.bankroll(), 200) << "21 against 18 pays the doubled stake";
}

// A restart in the dealer's pause gives the doubled round up; a new round dealt before that play has
// unwound keeps its own offer to double.
TEST(DoubleDown, GivenUpInThePauseLeavesALaterRoundsOfferStanding) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(10), clubs(5), diamonds(6));
    round.clock.onSleep = [&] {
        round.clock.onSleep = nullptr;
        round.model.restart();
        round.stake(10, 490);
        round.deal(clubs(9), clubs(2), diamonds(9));
        ASSERT_TRUE(round.model.controls().cmdDouble) << "the new round's opening 11 is offered the double";
    };
    round.doubleDown({hearts(5), hearts(8)});

    EXPECT_TRUE(round.model.controls().cmdDouble);
    EXPECT_EQ(round.model.playerTotal(), 11);
    EXPECT_EQ(round.model.stake(), 10);
}
