#include "cards/system_random_source.h"
#include "odds/coach.h"
#include "odds/session_record.h"
#include "odds/tool/running_stats.h"
#include "support/scripted_round.h"

#include <gtest/gtest.h>

namespace {

const Coach &coach() {
    static const Coach built;
    return built;
}

// The scripted deal, then the numbers of a fixed sequence: the rest of each round is left to chance.
class DealThenChance final : public RandomSource {
public:
    float next() override {
        const float uniform = scripted.empty() ? chance.next() : scripted.front();
        if (!scripted.empty())
            scripted.pop_front();
        return uniform;
    }
    void reseed() override {}
    void deal(int up, int first, int second) {
        for (const int card : {1, 2, 3, up, first, second})
            scripted.push_back(ScriptedRandom::uniformFor(card));
    }

private:
    SystemRandomSource chance{4242};
    std::deque<float> scripted;
};

void make(RoundModel &model, Choice choice) {
    switch (choice) {
    case Choice::Stand:
        return model.stand();
    case Choice::Hit:
        return model.hit();
    case Choice::Double:
        return model.doubleDown();
    case Choice::Insure:
        return model.answerInsurance(InsuranceAnswer::Yes);
    case Choice::DeclineInsurance:
        return model.answerInsurance(InsuranceAnswer::No);
    }
}

} // namespace

TEST(Coach, ValuesTheBestChoiceAsTheExactAnalysisAndListsOnlyTheAllowedOnesBestFirst) {
    const ExactAnalysis &exact = coach().analysis();
    struct Case {
        PlayerSituation situation;
        bool canDouble;
        int choices;
    };
    for (const Case &c :
         {Case{{{16, false}, 2, 10, false}, false, 2}, Case{{{11, false}, 2, 6, false}, true, 3},
          Case{{{11, false}, 2, 1, true}, true, 3}, Case{{{7, true}, 3, 1, true}, false, 2},
          Case{{{14, false}, 7, 9, false}, false, 1}, Case{{{12, true}, 2, 5, false}, false, 2}}) {
        const PlayerSituation &s = c.situation;
        const Decision decision{s, false, false, true, s.cardCount < 7, c.canDouble, 10, 1000};
        const std::vector<ChoiceValue> choices = coach().advise(decision);
        ASSERT_EQ(static_cast<int>(choices.size()), c.choices) << s.hand.hardTotal << " against " << s.upCard;
        EXPECT_NEAR(choices.front().expected, 10 * exact.value(s) - (s.insured ? 5 : 0), 1e-9);
        EXPECT_TRUE(std::is_sorted(choices.begin(), choices.end(),
                                   [](const auto &a, const auto &b) { return a.expected > b.expected; }));
    }
    for (const HandCount twoCards : {HandCount{11, false}, HandCount{16, false}, HandCount{11, true}}) {
        const std::vector<ChoiceValue> offer =
            coach().advise({{twoCards, 2, 1, false}, true, true, {}, {}, {}, 10, 1000});
        ASSERT_EQ(offer.size(), 2u);
        const double gain = offer[0].choice == Choice::Insure ? offer[0].expected - offer[1].expected
                                                              : offer[1].expected - offer[0].expected;
        EXPECT_NEAR(gain, 10 * exact.insuranceGain(twoCards), 1e-9) << twoCards.hardTotal;
    }
}

TEST(Coach, AgreesWithRoundsPlayedThroughTheModelWithinFourStandardErrors) {
    struct Case {
        int up, first, second;
        Choice choice;
    };
    for (const Case &c : {Case{10, 10, 6, Choice::Stand}, Case{10, 10, 6, Choice::Hit},
                          Case{6, 5, 6, Choice::Double}, Case{1, 5, 6, Choice::Insure},
                          Case{1, 10, 6, Choice::DeclineInsurance}, Case{1, 1, 10, Choice::Insure}}) {
        DealThenChance random;
        FakeClock clock;
        HeadlessView view;
        RoundModel model(random, clock);
        model.addListener(view);
        model.load();
        RunningStats results;
        double expected = 0;
        for (int round = 0; round < 20'000; ++round) {
            model.setBankroll(1e6);
            model.placeChip(10);
            random.deal(c.up, c.first, c.second);
            model.deal();
            for (const auto &choice : coach().advise(*decisionAt(model)))
                expected = choice.choice == c.choice ? choice.expected : expected;
            make(model, c.choice);
            while (const std::optional<Decision> decision = decisionAt(model))
                make(model, coach().advise(*decision).front().choice);
            while (model.phase() == RoundPhase::DealerTurn)
                model.endDealerPause();
            results.add(model.bankroll() - 1e6);
        }
        EXPECT_NEAR(results.mean(), expected, 4 * results.standardError())
            << c.first << ", " << c.second << " against " << c.up;
    }
}

// The record's skill and best-play expectation come from the analysis by another road than the record's.
TEST(SessionRecord, NetIsTheBestPlaysExpectationLessSkillPlusLuckOverAScriptedSession) {
    const ExactAnalysis &exact = coach().analysis();
    ScriptedRound table;
    SessionRecord record(coach(), 500);
    const auto choose = [&](Choice choice) {
        const Decision decision = *decisionAt(table.model);
        make(table.model, choice);
        record.choiceMade(decision, choice);
    };
    const auto end = [&] {
        table.endDealerPauses();
        for (const RoundOutcome outcome : table.view.outcomes)
            record.roundSettled(outcome);
        record.roundEnded(table.model.bankroll());
    };
    const auto deal = [&](int up, int first, int second) {
        table.stake(10, 990);
        record.roundDealt(table.view.stake, table.model.bankroll());
        table.dealToTheOffer(up, first, second);
    };
    deal(6, 5, 6); // stands on 11 rather than doubling, and wins as the dealer goes over with 26
    table.random.pushCards({10, 10});
    choose(Choice::Stand);
    end();
    deal(1, 10, 6); // insures 16, then stands: the ten in the hole pays the insurance, the stake is lost
    choose(Choice::Insure);
    table.random.pushCards({10});
    choose(Choice::Stand);
    end();
    deal(9, 1, 10); // a natural
    end();
    deal(10, 10, 2); // a round given up to a restart counts for nothing
    choose(Choice::Stand);
    record.roundAbandoned();

    const SessionTotals &totals = record.totals();
    EXPECT_EQ((std::array{totals.rounds, totals.won, totals.lost, totals.pushed, totals.blackjacks,
                          totals.insuranceBought, totals.insurancePaid, totals.doubles}),
              (std::array{3, 2, 1, 0, 1, 1, 1, 0}));
    EXPECT_EQ(totals.net, 10 + (-5 + 15 - 10) + 15);
    EXPECT_EQ(totals.highestBankroll, 1015);
    const double skill = 10 * (exact.actionValue({{11, false}, 2, 6, false}, PlayerAction::Double) -
                               exact.actionValue({{11, false}, 2, 6, false}, PlayerAction::Stand)) -
                         10 * exact.insuranceGain({16, false}) +
                         10 * (exact.value({{16, false}, 2, 1, true}) -
                               exact.actionValue({{16, false}, 2, 1, true}, PlayerAction::Stand));
    EXPECT_NEAR(totals.skill, skill, 1e-9);
    EXPECT_NEAR(totals.expectedBest, 3 * 10 * exact.expectedReturn(), 1e-9);
    EXPECT_NEAR(totals.net, totals.expectedBest - totals.skill + totals.luck(), 1e-9);
}
