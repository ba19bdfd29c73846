#include "play/dealer_pause.h"
#include "support/scripted_round.h"

#include <gtest/gtest.h>

namespace {

// The player stands on 18 against the dealer's scripted cards.
void standOnEighteen(ScriptedRound &round, int upCard, std::initializer_list<int> dealerCards) {
    round.stake(10, 490);
    round.deal(upCard, clubs(10), clubs(8));
    round.stand(dealerCards);
}

} // namespace

TEST(DealerPlay, DrawsBelowSeventeenAndStandsOnEverySeventeen) {
    struct Case {
        int up;
        std::initializer_list<int> drawn;
        int total;
        int cards;
    };
    for (const Case &c : {
             Case{clubs(6), {hearts(1)}, 17, 2},                      // soft 17 stands
             Case{clubs(1), {hearts(1), spades(6)}, 18, 3},           // 12 draws
             Case{clubs(1), {hearts(5), spades(9), clubs(4)}, 19, 4}, // 15 draws again
             Case{clubs(10), {hearts(6), spades(2)}, 18, 3},
             Case{clubs(10), {hearts(7)}, 17, 2},
             Case{clubs(10), {hearts(6), spades(10)}, 26, 3},
         }) {
        ScriptedRound round;
        standOnEighteen(round, c.up, c.drawn);
        EXPECT_EQ(round.view.dealerTotal, c.total) << "up card " << c.up;
        EXPECT_EQ(round.view.dealerCardsShown(), c.cards);
        EXPECT_EQ(round.view.dealerPauses, c.cards - 1) << "one pause before every dealer card";
        EXPECT_EQ(round.clock.sleeps.size(), static_cast<std::size_t>(c.cards - 1));
        EXPECT_EQ(round.view.cardsDrawn, c.cards - 1) << "each drawn with the draw's sound";
        EXPECT_EQ(round.random.remaining(), 0u) << "every scripted card was drawn";
        round.expectViewShowsTheModel();
    }
}

TEST(DealerPlay, TurnsTheHoleCardUpInTheSecondBoxWhetherFaceDownOrEmpty) {
    for (const int up : {clubs(1), clubs(9)}) {
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(up, clubs(10), clubs(8));
        ASSERT_EQ(round.view.dealer[1].shows, up == clubs(1) ? BoxShows::Back : BoxShows::Nothing);
        round.stand({hearts(9)});
        EXPECT_EQ(round.view.dealer[1].shows, BoxShows::Face);
        EXPECT_EQ(round.view.dealer[1].cardNumber, hearts(9));
        EXPECT_EQ(round.model.cards().ComCard[1], 9);
        EXPECT_EQ(round.view.dealer[2].shows, BoxShows::Nothing);
    }
}

TEST(DealerPlay, LocksTheTableAndDrawsEachCardOnlyOnceItsPauseHasEnded) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(10), clubs(10), clubs(8));
    round.random.pushCards({hearts(3), hearts(4)});
    round.model.stand();
    for (int card = 1; card <= 2; ++card) {
        SCOPED_TRACE(card);
        ASSERT_TRUE(round.view.dealerPauseWaiting);
        EXPECT_EQ(round.model.phase(), RoundPhase::DealerTurn);
        EXPECT_EQ(round.view.controls, lockedControls) << "the view is told before the pause";
        EXPECT_EQ(round.view.cardsDrawn, card - 1);
        round.model.hit();
        round.model.stand();
        round.model.deal();
        EXPECT_EQ(round.view.dealerPauses, card) << "no action of the round starts in the pause";
        round.view.dealerPauseWaiting = false;
        round.model.endDealerPause();
        EXPECT_EQ(round.view.cardsDrawn, card);
    }
    EXPECT_EQ(round.view.outcomes, std::vector{RoundOutcome::Win});
}

TEST(DealerPlay, RedrawsTheSeventhCardWhileAllSevenStillTotalUnderSeventeen) {
    ScriptedRound round;
    standOnEighteen(round, clubs(2),
                    {diamonds(2), hearts(2), spades(2), clubs(2), diamonds(2), hearts(2), spades(10)});
    EXPECT_EQ(round.view.dealerCardsShown(), 7);
    EXPECT_EQ(round.view.dealer[6].cardNumber, spades(10));
    EXPECT_EQ(round.view.dealerTotal, 22) << "the replaced two no longer counts";
    EXPECT_EQ(round.view.dealerPauses, 7);
    EXPECT_EQ(round.view.cardsDrawn, 7) << "each redraw has its own sound";
}

TEST(DealerPlay, IsTheSameAfterADoubleAsAfterAStand) {
    ScriptedRound stood, doubled;
    for (ScriptedRound *round : {&stood, &doubled}) {
        round->stake(10, 490);
        round->deal(clubs(10), clubs(5), clubs(6));
    }
    stood.hit(hearts(10));
    stood.stand({hearts(6), spades(5)});
    doubled.doubleDown({hearts(10), hearts(6), spades(5)});
    EXPECT_EQ(doubled.view.dealer, stood.view.dealer);
    EXPECT_EQ(doubled.view.dealerTotal, stood.view.dealerTotal);
    EXPECT_EQ(doubled.view.dealerPauses, stood.view.dealerPauses);
}

TEST(DealerPause, StartsOnTheRoundedSecondAndEndsOneSecondLater) {
    struct Case {
        double start;
        double end;
    };
    for (const Case &c : {Case{100.3, 101.0}, Case{100.5, 101.0}, Case{100.6, 102.0}, Case{101.5, 103.0},
                          Case{99.99, 101.0}}) {
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(clubs(10), clubs(10), clubs(8));
        round.clock.now = c.start;
        round.stand({hearts(7)});
        EXPECT_DOUBLE_EQ(round.clock.now, c.end) << "start " << c.start;
    }
}

TEST(DealerPause, LastsAboutASecondAcrossMidnight) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(10), clubs(10), clubs(8));
    round.clock.now = 86399.7;
    round.stand({hearts(7)});
    ASSERT_EQ(round.clock.sleeps.size(), 1u);
    EXPECT_NEAR(round.clock.sleeps.front(), 1.3, 1e-9);
    EXPECT_NEAR(round.clock.now, 1.0, 1e-9);
    EXPECT_EQ(round.view.dealerTotal, 17);
}

TEST(DealerPause, CountsReadingsAfterMidnightOnTheDayThePauseBegan) {
    EXPECT_DOUBLE_EQ(readingOnStartDay(0.4, 86399.8), 86400.4);
    EXPECT_DOUBLE_EQ(readingOnStartDay(100.9, 100.2), 100.9);
    EXPECT_EQ(pauseStartSecond(86399.5), 86400);
    EXPECT_EQ(pauseStartSecond(0.5), 0);
    EXPECT_EQ(pauseStartSecond(2.5), 2);
    EXPECT_EQ(pauseStartSecond(3.5), 4);
}

TEST(DealerPause, AWakeUpBeforeTheMarkAsksForTheRestAndDrawsNothing) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(10), clubs(10), clubs(8));
    round.random.pushCards({hearts(7)});
    round.clock.now = 100.3;
    round.model.stand();
    ASSERT_EQ(round.view.dealerPauses, 1);
    round.clock.now = 100.8; // the timer came early, or the clock was set back
    round.model.endDealerPause();
    EXPECT_EQ(round.view.dealerPauses, 2);
    EXPECT_NEAR(round.clock.sleeps.back(), 0.2, 1e-9);
    EXPECT_EQ(round.view.cardsDrawn, 0);
    round.endDealerPauses();
    EXPECT_EQ(round.view.dealerTotal, 17);
}

TEST(DealerPlay, GivingTheRoundUpInThePauseCancelsItAndNothingMoreIsDrawnOrPaid) {
    for (const bool restart : {false, true}) {
        SCOPED_TRACE(restart ? "a restart" : "the window closed");
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(clubs(10), clubs(10), clubs(8));
        round.random.pushCards({hearts(3), hearts(4)});
        round.model.stand();
        restart ? round.model.restart() : round.model.giveUp();
        EXPECT_FALSE(round.view.dealerPauseWaiting) << "the pause is cancelled";
        round.model.endDealerPause(); // a wake-up that was already on its way
        EXPECT_EQ(round.view.dealer[1].shows, BoxShows::Nothing) << "no hole card";
        EXPECT_EQ(round.random.remaining(), 2u);
        EXPECT_EQ(round.view.cardsDrawn, 0);
        EXPECT_TRUE(round.view.outcomes.empty());
        EXPECT_EQ(round.model.bankroll(), restart ? 500 : 490);
        EXPECT_EQ(round.view.stake, restart ? 0 : 10) << "a closed table keeps the stake on the table";
        EXPECT_EQ(round.model.controls(), restart ? idleControls : lockedControls)
            << "only a restart frees the table";
        round.expectViewShowsTheModel();
    }
}
