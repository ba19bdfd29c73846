#include "support/scripted_round.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    const char *name;
    double stake;
    double bankroll;
    std::function<void(ScriptedRound &)> play;
    double bankrollAfter;
    std::vector<RoundOutcome> told;
};

// Each row: a stake and the bankroll beside it, a round played on them, and what the round pays and
// tells. Every round ends on an idle table with the stake cleared.
const Outcome outcomes[] = {
    {"win on a fraction",
     5,
     2.5,
     [](ScriptedRound &r) {
         r.deal(clubs(10), clubs(10), clubs(9));
         r.stand({hearts(7)});
     },
     12.5,
     {RoundOutcome::Win}},
    {"bust",
     20,
     480,
     [](ScriptedRound &r) {
         r.deal(clubs(10), clubs(10), clubs(6));
         r.hit(hearts(9));
     },
     480,
     {RoundOutcome::Loss}},
    {"blackjack",
     5,
     495,
     [](ScriptedRound &r) { r.deal(clubs(9), clubs(1), hearts(13)); },
     507.5,
     {RoundOutcome::Blackjack}},
    {"all-in blackjack",
     500,
     0,
     [](ScriptedRound &r) { r.deal(clubs(9), hearts(12), clubs(1)); },
     1250,
     {RoundOutcome::Blackjack}},
    {"blackjack after bought insurance",
     10,
     490,
     [](ScriptedRound &r) { r.deal(spades(1), clubs(1), hearts(13), InsuranceAnswer::Yes); },
     510,
     {RoundOutcome::Blackjack}},
};

} // namespace

TEST(Outcomes, PayTheStakeTellTheOutcomeAndFreeTheTable) {
    for (const Outcome &o : outcomes) {
        SCOPED_TRACE(o.name);
        ScriptedRound round;
        round.stake(o.stake, o.bankroll);
        o.play(round);
        EXPECT_EQ(round.model.bankroll(), o.bankrollAfter);
        EXPECT_EQ(round.view.stake, 0);
        EXPECT_EQ(round.view.outcomes, o.told);
        EXPECT_EQ(round.model.controls(), idleControls);
        round.expectViewShowsTheModel();
    }
}
