#include "support/scripted_round.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

// Keeps the reports a listener is told beyond what the table shows.
struct ReportLog final : RoundListener {
    std::vector<report::ChipPlaced> chips;
    std::vector<report::ChoiceMade> choices;
    std::vector<report::InsuranceAnswered> insurance;
    std::vector<report::Doubled> doubles;
    std::vector<report::OutcomeSettled> outcomes;
    std::vector<report::RoundEnded> ends;

    void chipPlaced(const report::ChipPlaced &r) override { chips.push_back(r); }
    void choiceMade(const report::ChoiceMade &r) override { choices.push_back(r); }
    void insuranceAnswered(const report::InsuranceAnswered &r) override { insurance.push_back(r); }
    void doubled(const report::Doubled &r) override { doubles.push_back(r); }
    void outcomeSettled(const report::OutcomeSettled &r) override { outcomes.push_back(r); }
    void roundEnded(const report::RoundEnded &r) override { ends.push_back(r); }
};

struct LoggedRound : ScriptedRound {
    LoggedRound() { model.addListener(log); }
    ReportLog log;
};

} // namespace

TEST(RoundReports, TheEndOfEveryDealtRoundIsToldExactlyOnce) {
    struct Case {
        std::string how;
        std::function<void(LoggedRound &)> play;
        bool settled;
        double bankroll;
    };
    const Case cases[] = {
        {"a bust", [](LoggedRound &r) { r.hit(hearts(13)); }, true, 490},
        {"a natural", [](LoggedRound &r) { r.deal(clubs(9), hearts(1), hearts(13)); }, true, 515},
        {"the dealer's play",
         [](LoggedRound &r) {
             r.stand({clubs(9), clubs(13)});
         },
         true, 510},
        {"a restart in the turn", [](LoggedRound &r) { r.model.restart(); }, false, 490},
        {"a restart in the dealer's pause",
         [](LoggedRound &r) {
             r.random.pushCards({clubs(5)});
             r.model.stand();
             r.model.restart();
         },
         false, 490},
        {"a closed window at the offer",
         [](LoggedRound &r) {
             r.model.restart();
             r.stake(10, 490);
             r.log.ends.clear();
             r.dealToTheOffer(clubs(1), hearts(10), hearts(6));
             r.model.giveUp();
         },
         false, 490},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.how);
        LoggedRound round;
        round.stake(10, 490);
        if (c.how != "a natural")
            round.deal(clubs(7), hearts(10), hearts(6));
        c.play(round);
        round.model.restart();
        round.model.giveUp();
        ASSERT_EQ(round.log.ends.size(), 1u);
        EXPECT_EQ(round.log.ends[0].settled, c.settled);
        EXPECT_EQ(round.log.ends[0].bankroll, c.bankroll);
    }
}

TEST(RoundReports, AChoiceComesWithTheDecisionItAnswered) {
    LoggedRound round;
    round.stake(10, 490);
    round.dealToTheOffer(clubs(1), hearts(5), hearts(6));
    round.model.answerInsurance(InsuranceAnswer::Yes);
    round.doubleDown({clubs(9), clubs(10)});

    ASSERT_EQ(round.log.choices.size(), 2u);
    const report::ChoiceMade &insure = round.log.choices[0];
    EXPECT_EQ(insure.choice, Choice::Insure);
    EXPECT_TRUE(insure.decision.insuranceOffer);
    EXPECT_EQ(insure.decision.bankroll, 490) << "the money before the insurance was paid";
    const report::ChoiceMade &doubled = round.log.choices[1];
    EXPECT_EQ(doubled.choice, Choice::Double);
    EXPECT_FALSE(doubled.decision.insuranceOffer);
    EXPECT_TRUE(doubled.decision.insured);
    EXPECT_EQ(doubled.decision.upCard, 1);
    EXPECT_EQ(doubled.decision.playerCards, (HandCards{5, 6}));
    EXPECT_TRUE(doubled.decision.enabled.doubleDown);
    EXPECT_EQ(doubled.decision.bankroll, 485);

    ASSERT_EQ(round.log.insurance.size(), 1u);
    EXPECT_TRUE(round.log.insurance[0].bought);
    EXPECT_EQ(round.log.insurance[0].cost, 5);
    ASSERT_EQ(round.log.doubles.size(), 1u);
    EXPECT_EQ(round.log.doubles[0].stake, 20);
    EXPECT_EQ(round.log.doubles[0].bankroll, 475);
    ASSERT_EQ(round.log.chips.size(), 1u);
    EXPECT_EQ(round.log.chips[0].amount, 10);
}

// A refused insurance goes on as declined; a refused double is no choice at all.
TEST(RoundReports, ARefusalTellsTheChoiceThatTookEffect) {
    LoggedRound round;
    round.stake(50, 20);
    round.dealToTheOffer(clubs(1), hearts(5), hearts(6));
    round.model.answerInsurance(InsuranceAnswer::Yes);
    round.model.doubleDown();

    ASSERT_EQ(round.log.choices.size(), 1u);
    EXPECT_EQ(round.log.choices[0].choice, Choice::DeclineInsurance);
    ASSERT_EQ(round.log.insurance.size(), 1u);
    EXPECT_FALSE(round.log.insurance[0].bought);
    EXPECT_TRUE(round.log.doubles.empty());
    EXPECT_EQ(round.view.alerts, (std::vector{Alert::NotEnoughMoney, Alert::NotEnoughMoney}));
}

TEST(RoundReports, EachOutcomeComesWithItsStakeWhatItPaidAndTheMoneyAfter) {
    LoggedRound round;
    round.stake(10, 490);
    round.dealToTheOffer(clubs(1), hearts(10), hearts(8));
    round.model.answerInsurance(InsuranceAnswer::Yes);
    round.stand({clubs(13)});

    ASSERT_EQ(round.log.outcomes.size(), 2u);
    const report::OutcomeSettled &insurance = round.log.outcomes[0];
    EXPECT_EQ(insurance.outcome, RoundOutcome::InsurancePays);
    EXPECT_EQ(insurance.paid, 15);
    EXPECT_EQ(insurance.bankroll, 500);
    const report::OutcomeSettled &stake = round.log.outcomes[1];
    EXPECT_EQ(stake.outcome, RoundOutcome::Loss);
    EXPECT_EQ(stake.stake, 10);
    EXPECT_EQ(stake.paid, 0);
    EXPECT_EQ(stake.bankroll, 500);
}
