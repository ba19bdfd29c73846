#include "support/scripted_round.h"

#include <gtest/gtest.h>

TEST(InsuranceOffer, TheAnswerSetsTheCostAndHandsTheTurnBack) {
    struct Case {
        double bet, bankrollBefore;
        InsuranceAnswer answer;
        double bankrollAfter;
        std::int16_t insYes;
        bool alerted;
    };
    for (const Case &c :
         {Case{10, 490, InsuranceAnswer::Yes, 485, 1, false}, Case{10, 5, InsuranceAnswer::Yes, 0, 1, false},
          Case{50, 20, InsuranceAnswer::Yes, 20, 0, true}, Case{10, 490, InsuranceAnswer::No, 490, 0, false},
          Case{10, 490, InsuranceAnswer::Closed, 490, 0, false}}) {
        SCOPED_TRACE(testing::Message() << "bet " << c.bet << ", bankroll " << c.bankrollBefore);
        ScriptedRound round;
        round.stake(c.bet, c.bankrollBefore);
        round.dealToTheOffer(clubs(1), hearts(10), hearts(7));
        EXPECT_EQ(round.model.phase(), RoundPhase::InsuranceOffer);
        EXPECT_TRUE(round.view.insuranceOfferOnScreen);
        EXPECT_EQ(round.view.controls, lockedControls) << "the offer holds the player's turn";
        EXPECT_EQ(round.view.dealer[1].shows, BoxShows::Back) << "the hole card lies face down";
        round.model.answerInsurance(c.answer);

        EXPECT_EQ(round.view.insuranceOffers, 1);
        EXPECT_EQ(round.model.bankroll(), c.bankrollAfter);
        EXPECT_EQ(round.model.cards().InsYes, c.insYes);
        EXPECT_EQ(round.view.alerts, c.alerted ? std::vector{Alert::NotEnoughMoney} : std::vector<Alert>{});
        EXPECT_EQ(round.view.stake, c.bet) << "the stake is not touched";
        EXPECT_EQ(round.model.controls(), playerTurnControls);
        EXPECT_FALSE(round.view.insuranceOfferOnScreen) << "the answer closes the offer";
        EXPECT_EQ(round.view.dealer[1].shows, BoxShows::Back);
        EXPECT_EQ(round.model.cards().ComCard[1], 0)
            << "the hole card is drawn only when the dealer turns it up";
        round.expectViewShowsTheModel();
    }
}

TEST(InsuranceOffer, IsMadeOnlyUnderAnAceUpCard) {
    for (const int up : {clubs(2), clubs(10), clubs(13)}) {
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(up, hearts(10), hearts(7), InsuranceAnswer::Yes);
        EXPECT_EQ(round.view.insuranceOffers, 0) << up;
        EXPECT_EQ(round.model.bankroll(), 490);
    }
}

TEST(InsuranceOffer, ComesBeforeTheNaturalWhichKeepsTheInsuranceCost) {
    ScriptedRound round;
    round.stake(10, 490);
    round.dealToTheOffer(spades(1), clubs(1), hearts(13));
    EXPECT_TRUE(round.view.outcomes.empty()) << "the natural waits for the answer";
    round.model.answerInsurance(InsuranceAnswer::Yes);
    EXPECT_EQ(round.view.outcomes, std::vector{RoundOutcome::Blackjack});
    EXPECT_EQ(round.model.bankroll(), 510) << "485 after the insurance, plus 25 for the natural";
    EXPECT_EQ(round.model.controls(), idleControls);
}

TEST(InsuranceOffer, AnOpeningElevenIsOfferedTheDoubleAfterTheAnswer) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(spades(1), clubs(5), hearts(6));
    EXPECT_EQ(round.model.controls(), doubleOfferedControls);
}

TEST(InsuranceOffer, EachHandRecordsItsOwnAnswer) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(spades(1), clubs(9), hearts(8), InsuranceAnswer::Yes);
    round.stand({clubs(7)});
    ASSERT_EQ(round.model.cards().InsYes, 1);
    round.stake(10, round.model.bankroll() - 10);
    round.deal(spades(1), clubs(9), hearts(8), InsuranceAnswer::No);
    EXPECT_EQ(round.model.cards().InsYes, 0);
}

TEST(InsuranceOffer, AClosedWindowOrARestartWithdrawsTheOfferAndLaterAnswersAreIgnored) {
    for (const bool restart : {false, true}) {
        SCOPED_TRACE(restart ? "a restart" : "the window closed");
        ScriptedRound round;
        round.stake(10, 490);
        round.dealToTheOffer(spades(1), clubs(1), hearts(13));
        restart ? round.model.restart() : round.model.giveUp();
        EXPECT_FALSE(round.view.insuranceOfferOnScreen);
        round.model.answerInsurance(InsuranceAnswer::Yes);
        EXPECT_EQ(round.model.cards().InsYes, 0) << "no answer was taken";
        EXPECT_EQ(round.model.bankroll(), restart ? 500 : 490)
            << "neither the insurance nor the natural paid";
        EXPECT_EQ(round.view.stake, restart ? 0 : 10);
        EXPECT_TRUE(round.view.outcomes.empty());
        EXPECT_EQ(round.model.phase(), restart ? RoundPhase::Idle : RoundPhase::GivenUp);
    }
}
