#include "betting/payouts.h"
#include "support/scripted_round.h"

#include <gtest/gtest.h>

TEST(Chips, MoveTheChipsValueFromTheBankrollToTheStake) {
    ScriptedRound round;
    struct Step {
        int chip;
        double stake, bankroll;
    };
    for (const Step &s : {Step{50, 50, 450}, Step{5, 55, 445}, Step{10, 65, 435}}) {
        round.model.placeChip(s.chip);
        EXPECT_EQ(round.view.stake, s.stake);
        EXPECT_EQ(round.model.bankroll(), s.bankroll);
    }
    EXPECT_TRUE(round.view.alerts.empty());
    round.expectViewShowsTheModel();
}

TEST(Chips, StakeTheWholeBankrollThenRefuseTheNextChip) {
    ScriptedRound round;
    for (int i = 0; i < 10; ++i)
        round.model.placeChip(50);
    ASSERT_EQ(round.view.stake, 500);
    ASSERT_EQ(round.model.bankroll(), 0);
    ASSERT_TRUE(round.view.alerts.empty());

    round.model.placeChip(50);
    EXPECT_EQ(round.view.alerts, std::vector{Alert::NotEnoughMoney});
    EXPECT_EQ(round.view.stake, 500);
    EXPECT_EQ(round.model.bankroll(), 0);
}

TEST(Chips, AreAcceptedExactlyWhenTheBankrollCoversThem) {
    struct Case {
        double bankroll;
        int chip;
        bool accepted;
    };
    // clang-format off
    const Case cases[] = {
        {5,    5,  true},  {5,    10, false},
        {7.5,  5,  true},  {7.5,  10, false},
        {47.5, 10, true},  {47.5, 50, false},
        {10,   10, true},  {50,   50, true},
        {2.5,  5,  false}, {0,    5,  false},
        {9.5,  10, true},  {4.5,  5,  true}, // the rule is "more than the value less one"
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "bankroll " << c.bankroll << ", chip " << c.chip);
        EXPECT_EQ(bankrollCoversChip(c.bankroll, c.chip), c.accepted);
        ScriptedRound round;
        round.model.setBankroll(c.bankroll);
        round.model.placeChip(c.chip);
        EXPECT_EQ(round.view.stake, c.accepted ? c.chip : 0);
        EXPECT_EQ(round.model.bankroll(), c.accepted ? c.bankroll - c.chip : c.bankroll);
        EXPECT_EQ(round.view.alerts.size(), c.accepted ? 0u : 1u);
    }
}

TEST(Chips, AreIgnoredWhileAHandIsPlayed) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(10), clubs(9), clubs(8));
    for (const double bankroll : {490.0, 0.0}) {
        round.model.setBankroll(bankroll);
        for (const int chip : {5, 10, 50})
            round.model.placeChip(chip);
        EXPECT_EQ(round.view.stake, 10);
        EXPECT_EQ(round.model.bankroll(), bankroll);
    }
    EXPECT_TRUE(round.view.alerts.empty()) << "a disabled chip raises no alert either";
}
