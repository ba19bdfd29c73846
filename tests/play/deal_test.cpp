#include "support/scripted_round.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(Deal, RefusesWithoutAStakeAndChangesNothing) {
    ScriptedRound round;
    round.model.deal();
    EXPECT_EQ(round.view.alerts, std::vector{Alert::BetFirst});
    EXPECT_EQ(round.random.draws, 0);
    EXPECT_EQ(round.model.controls(), idleControls);
    EXPECT_EQ(round.view.playerTotal, 0);
    EXPECT_EQ(round.view.player[0].shows, BoxShows::Back);
    round.expectViewShowsTheModel();
}

TEST(Deal, ShowsTheUpCardAndThePlayersTwoCardsWithTheirTotals) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(spades(12), hearts(9), clubs(5));
    EXPECT_EQ(round.view.dealerTotal, 10);
    EXPECT_EQ(round.view.playerTotal, 14);
    EXPECT_EQ(round.view.dealer[0].cardNumber, spades(12));
    EXPECT_EQ(round.view.player[0].cardNumber, hearts(9));
    EXPECT_EQ(round.view.player[1].cardNumber, clubs(5));
    EXPECT_EQ(round.view.dealerCardsShown(), 1);
    EXPECT_EQ(round.view.playerCardsShown(), 2);
    EXPECT_EQ(round.model.controls(), playerTurnControls);
    EXPECT_EQ(round.model.phase(), RoundPhase::PlayerTurn);
    EXPECT_EQ(round.model.bankroll(), 490) << "the deal moves no money";
    EXPECT_EQ(round.view.stake, 10);
    EXPECT_EQ(round.model.cards().PlayCard, (HandCards{9, 5, 0, 0, 0, 0, 0}));
    round.expectViewShowsTheModel();
}

TEST(Deal, ResetsTheDeckTakesThreeHiddenCardsAndPlaysNoSound) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(7), clubs(7), diamonds(2));
    EXPECT_EQ(round.random.draws, 6) << "three hidden draws of three different cards, then the three shown";
    EXPECT_EQ(round.random.reseeds, 3);
    EXPECT_EQ(round.view.cardsDrawn, 0) << "the deal's cards come without the draw's sound";
    EXPECT_EQ(round.view.dealer[0].cardNumber, round.view.player[0].cardNumber)
        << "cards are drawn with replacement: the same card can lie in both hands";
}

TEST(Deal, ANaturalInEitherOrderIsPaidAtOnce) {
    for (const auto &[first, second] :
         {std::pair{spades(1), hearts(13)}, std::pair{diamonds(10), clubs(1)}}) {
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(clubs(9), first, second);
        EXPECT_EQ(round.view.playerTotal, 21);
        EXPECT_EQ(round.model.bankroll(), 515);
        EXPECT_EQ(round.view.stake, 0);
        EXPECT_EQ(round.view.outcomes, std::vector{RoundOutcome::Blackjack});
        EXPECT_EQ(round.model.controls(), idleControls);
        EXPECT_EQ(round.model.phase(), RoundPhase::Idle);
        EXPECT_EQ(round.view.dealerCardsShown(), 1) << "the dealer never plays against a natural";
        EXPECT_EQ(round.view.dealerPauses, 0);
        round.expectViewShowsTheModel();
    }
}

TEST(Deal, OpeningTotalsCountOneAceAsElevenWithoutANatural) {
    struct Case {
        int first, second, total;
    };
    for (const Case &c : {Case{clubs(1), hearts(1), 12}, Case{clubs(1), spades(9), 20},
                          Case{spades(9), clubs(1), 20}, Case{diamonds(10), hearts(10), 20}}) {
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(clubs(4), c.first, c.second);
        EXPECT_EQ(round.view.playerTotal, c.total) << c.first << " and " << c.second;
        EXPECT_EQ(round.model.controls(), playerTurnControls) << "no natural, the round goes on";
        EXPECT_EQ(round.model.bankroll(), 490);
    }
}

TEST(Deal, OffersTheDoubleOnAnOpeningElevenOnly) {
    struct Case {
        int first, second;
        bool offered;
    };
    for (const Case &c :
         {Case{clubs(2), hearts(9), true}, Case{clubs(3), hearts(8), true}, Case{clubs(4), hearts(7), true},
          Case{clubs(5), hearts(6), true}, Case{clubs(6), hearts(4), false},
          Case{clubs(10), hearts(2), false}, Case{clubs(1), hearts(10), false}}) {
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(clubs(8), c.first, c.second);
        EXPECT_EQ(round.model.controls().doubleDown, c.offered) << c.first << " and " << c.second;
        round.expectViewShowsTheModel();
    }
}

TEST(Deal, TheDealerShowsTheUpCardsValueAloneTenForEveryTenCardAndOneForAnAce) {
    struct Case {
        int up, total;
    };
    for (const Case &c : {Case{clubs(10), 10}, Case{diamonds(11), 10}, Case{hearts(12), 10},
                          Case{spades(13), 10}, Case{hearts(1), 1}, Case{diamonds(6), 6}}) {
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(c.up, clubs(2), clubs(3));
        EXPECT_EQ(round.view.dealerTotal, c.total) << c.up;
        EXPECT_EQ(round.view.dealerTotal, c.total);
    }
}

TEST(Deal, ClearsTheLastRoundsCardsAndClip) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(10), clubs(10), clubs(6));
    round.hit(clubs(2));
    round.stand({hearts(8)});
    ASSERT_EQ(round.view.playerCardsShown(), 3);
    ASSERT_FALSE(round.view.outcomes.empty());

    round.stake(10, round.model.bankroll() - 10);
    round.deal(clubs(3), clubs(4), clubs(5));
    EXPECT_EQ(round.view.playerCardsShown(), 2);
    EXPECT_EQ(round.view.dealerCardsShown(), 1);
    EXPECT_TRUE(round.view.outcomes.empty()) << "the last round's outcome left the table";
    EXPECT_EQ(round.model.cards().PlayCard, (HandCards{4, 5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(round.model.cards().ComCard, (HandCards{3, 0, 0, 0, 0, 0, 0}));
    round.expectViewShowsTheModel();
}

TEST(Deal, IsIgnoredWhileARoundIsInPlay) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(8), clubs(9), clubs(7));
    const int draws = round.random.draws;
    round.model.deal();
    EXPECT_EQ(round.random.draws, draws) << "New Game is disabled during the player's turn";
    EXPECT_EQ(round.view.playerTotal, 16);
}
