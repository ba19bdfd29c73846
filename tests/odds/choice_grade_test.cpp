#include "cards/system_random_source.h"
#include "odds/choice_grade.h"
#include "odds/session_record.h"
#include "support/scripted_platform.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

const Coach &coach() {
    static const Coach built;
    return built;
}

// Hears the round as the table's record keeper does.
struct RecordFeed final : RoundListener {
    SessionRecord &record;
    explicit RecordFeed(SessionRecord &record) : record(record) {}
    void roundDealt(const report::RoundDealt &d) override { record.roundDealt(d.stake, d.bankroll); }
    void choiceMade(const report::ChoiceMade &m) override {
        record.choiceMade(decisionFrom(m.decision), m.choice);
    }
    void outcomeSettled(const report::OutcomeSettled &s) override { record.roundSettled(s.outcome); }
    void roundEnded(const report::RoundEnded &e) override {
        e.settled ? void(record.roundEnded(e.bankroll)) : record.roundAbandoned();
    }
};

} // namespace

// The value given away is taken from the analysis by its own road: the difference of two action values,
// or the insurance's gain, at the stake.
TEST(ChoiceGrade, GivesAwayTheAnalysisDifferenceBetweenTheBestChoiceAndTheOneTaken) {
    const ExactAnalysis &exact = coach().analysis();
    const auto action = [&](const PlayerSituation &s, PlayerAction a) {
        return 20 * exact.actionValue(s, a);
    };
    struct Case {
        PlayerSituation situation;
        bool offer, canDouble;
        Choice taken, best;
        double givenAway;
    };
    const PlayerSituation hard16{{16, false}, 2, 10, false}, hard11{{11, false}, 2, 6, false},
        hard20{{20, false}, 2, 10, false}, soft18{{8, true}, 3, 9, false}, under16{{16, false}, 2, 1, false},
        under20{{20, false}, 2, 1, false};
    const double insure16 = -20 * exact.insuranceGain({16, false});
    const double insure20 = -20 * exact.insuranceGain({20, false});
    for (const Case &c : {
             Case{hard16, false, false, Choice::Stand, Choice::Hit,
                  action(hard16, PlayerAction::Hit) - action(hard16, PlayerAction::Stand)},
             Case{hard16, false, false, Choice::Hit, Choice::Hit, 0},
             Case{hard11, false, true, Choice::Stand, Choice::Double,
                  action(hard11, PlayerAction::Double) - action(hard11, PlayerAction::Stand)},
             Case{hard11, false, true, Choice::Hit, Choice::Double,
                  action(hard11, PlayerAction::Double) - action(hard11, PlayerAction::Hit)},
             Case{hard20, false, false, Choice::Hit, Choice::Stand,
                  action(hard20, PlayerAction::Stand) - action(hard20, PlayerAction::Hit)},
             Case{soft18, false, false, Choice::Stand, Choice::Hit,
                  action(soft18, PlayerAction::Hit) - action(soft18, PlayerAction::Stand)},
             Case{under16, true, true, Choice::Insure, Choice::DeclineInsurance, insure16},
             Case{under20, true, true, Choice::Insure, Choice::DeclineInsurance, insure20},
             Case{under20, true, true, Choice::DeclineInsurance, Choice::DeclineInsurance, 0},
         }) {
        const Decision decision{c.situation, c.offer, c.offer, !c.offer, !c.offer, c.canDouble, 20, 1000};
        SCOPED_TRACE(testing::Message() << c.situation.hand.hardTotal << " against " << c.situation.upCard);
        const std::optional<ChoiceGrade> grade = gradeChoice(coach(), decision, c.taken);
        ASSERT_TRUE(grade);
        EXPECT_EQ(grade->best, c.best);
        EXPECT_NEAR(grade->givenAway, c.givenAway, 1e-9);
    }
    // An offer that the money cannot take leaves one answer: nothing to grade.
    EXPECT_FALSE(
        gradeChoice(coach(), {under16, true, false, false, false, false, 20, 5}, Choice::DeclineInsurance));
}

// Random play, random stakes and restarts in the middle of rounds, through the model.
TEST(SessionRecord, PathEndsAtTheMoneyWithTheExpectedPathPlusLuckAndCountsEveryGradedDecision) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        SystemRandomSource cards(seed);
        FakeClock clock;
        RoundModel model(cards, clock);
        SessionRecord record(coach(), 500);
        RecordFeed feed(record);
        model.addListener(feed);
        model.load();
        std::mt19937 dice(seed);
        int decisions = 0;
        int best = 0;
        for (int round = 0; round < 400; ++round) {
            model.setBankroll(1000);
            model.placeChip(dice() % 2 ? 10 : 50);
            model.deal();
            while (const std::optional<Decision> decision = decisionAt(model)) {
                if (dice() % 50 == 0) {
                    model.restart();
                    break;
                }
                const std::vector<ChoiceValue> choices = coach().advise(*decision);
                const ChoiceValue pick = choices[dice() % choices.size()];
                if (choices.size() > 1) {
                    ++decisions;
                    best += pick.expected >= choices.front().expected - 1e-9 ? 1 : 0;
                }
                switch (pick.choice) {
                case Choice::Stand:
                    model.stand();
                    break;
                case Choice::Hit:
                    model.hit();
                    break;
                case Choice::Double:
                    model.doubleDown();
                    break;
                case Choice::Insure:
                    model.answerInsurance(InsuranceAnswer::Yes);
                    break;
                case Choice::DeclineInsurance:
                    model.answerInsurance(InsuranceAnswer::No);
                    break;
                }
            }
            while (model.phase() == RoundPhase::DealerTurn)
                model.endDealerPause();
        }
        const SessionTotals &totals = record.totals();
        const std::vector<SessionPoint> &path = record.path();
        ASSERT_EQ(path.size(), static_cast<std::size_t>(totals.rounds) + 1);
        EXPECT_NEAR(path.back().money, 500 + totals.net, 1e-9);
        EXPECT_NEAR(path.back().expected + totals.luck(), path.back().money, 1e-9);
        EXPECT_NEAR(path.back().deviation, std::sqrt(totals.variance), 1e-9);
        EXPECT_LE(totals.decisions, decisions) << "an abandoned round's decisions do not count";
        EXPECT_GT(totals.decisions, decisions * 9 / 10);
        EXPECT_LE(totals.bestChoices, best);
        EXPECT_NEAR(totals.givenAwayPerDecision() * totals.decisions, totals.skill, 1e-9);
    }
}
