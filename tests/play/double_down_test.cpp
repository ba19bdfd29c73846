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
        // The doubled hand in the dealer's first pause, before the settlement pays it.
        round.random.pushCards({c.drawn, hearts(8)});
        round.model.doubleDown();
        EXPECT_EQ(round.model.bankroll(), c.bankroll - c.bet);
        EXPECT_EQ(round.view.stake, 2 * c.bet);
        EXPECT_EQ(round.view.playerTotal, c.total);
        EXPECT_EQ(round.model.controls(), lockedControls);
        EXPECT_EQ(round.view.cardsDrawn, 0) << "the double's own card comes without a sound";
        round.expectViewShowsTheModel();

        round.endDealerPauses();
        EXPECT_EQ(round.view.player[2].cardNumber, c.drawn);
        EXPECT_EQ(round.view.playerCardsShown(), 3);
        EXPECT_EQ(round.view.dealerPauses, 1) << "the dealer turned up the hole card";
        EXPECT_EQ(round.view.cardsDrawn, 1);
        EXPECT_EQ(round.view.stake, 0);
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
    EXPECT_EQ(round.view.stake, 50);
    EXPECT_EQ(round.view.playerCardsShown(), 2);
    EXPECT_EQ(round.model.controls(), playerTurnControls) << "the offer is withdrawn, Hit and Stand stay";
    EXPECT_EQ(round.view.dealerPauses, 0);
    EXPECT_EQ(round.random.remaining(), 1u);
    round.expectViewShowsTheModel();
}

TEST(DoubleDown, ABankrollEqualToTheStakeIsEnough) {
    ScriptedRound round;
    round.stake(50, 50);
    round.deal(clubs(10), clubs(5), diamonds(6));
    round.doubleDown({hearts(10), hearts(8)});
    EXPECT_TRUE(round.view.alerts.empty());
    EXPECT_EQ(round.model.bankroll(), 200) << "21 against 18 pays the doubled stake";
}
