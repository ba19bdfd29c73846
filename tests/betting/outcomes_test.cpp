#include "support/scripted_round.h"

#include <gtest/gtest.h>

namespace {

using Handler = void (RoundModel::*)();

// Which of the controls that the outcomes touch are enabled.
struct Controls {
    bool newGame;
    bool hitAndStand;
    bool chips;
};

struct Outcome {
    const char *name;
    Handler handler;
    double stake;
    double bankroll;
    double bankrollAfter;
    double stakeAfter;
    Controls after;
    const char *sound; // nullptr: none
    const char *clip;
};

// Each row: the outcome, its handler, stake and bankroll before, then bankroll and stake after; below,
// New Game / Hit and Stand / chips enabled after, the sound and the clip. The hand is in play before
// (the deal locked the chips and New Game, Hit and Stand are live) with the double offered, to show
// that no outcome touches it. The dealer shows a ten.
// clang-format off
const Outcome outcomes[] = {
    {"insurance payout",   &RoundModel::PayInsurance, 10,  485, 500,   10,
                           {true, true,  false},  nullptr,        "\\loss.swf"},
    {"push",               &RoundModel::PushHand,     10,  490, 500,   10,
                           {true, false, false},  "/snore.wav",   "\\draw.swf"},
    {"loss",               &RoundModel::LoseHand,     20,  480, 480,   0,
                           {true, true,  true},   "/hung-01.wav", "\\loss.swf"},
    {"win",                &RoundModel::WinHand,      20,  480, 520,   0,
                           {true, true,  true},   "/haha.wav",    "\\win.swf"},
    {"win on a fraction",  &RoundModel::WinHand,      5,   2.5, 12.5,  0,
                           {true, true,  true},   "/haha.wav",    "\\win.swf"},
    {"blackjack",          &RoundModel::WinBlackjack, 5,   495, 507.5, 0,
                           {true, false, true},   "/clap.wav",    "\\bj.swf"},
    {"all-in blackjack",   &RoundModel::WinBlackjack, 500, 0,   1250,  0,
                           {true, false, true},   "/clap.wav",    "\\bj.swf"},
};
// clang-format on

} // namespace

TEST(Outcomes, PayOutSetTheControlsAndCueTheResult) {
    for (const Outcome &o : outcomes) {
        SCOPED_TRACE(o.name);
        ScriptedRound round;
        round.stake(o.stake, o.bankroll);
        round.deal(clubs(10), clubs(5), clubs(6));
        ASSERT_EQ(round.model.controls(), doubleOfferedControls);
        round.view.cues.clear();

        (round.model.*o.handler)();

        EXPECT_EQ(round.model.bankroll(), o.bankrollAfter);
        EXPECT_EQ(round.model.stake(), o.stakeAfter);
        const RoundControls expected{.CmdNew = o.after.newGame,
                                     .CmdHit = o.after.hitAndStand,
                                     .CmdStand = o.after.hitAndStand,
                                     .cmdDouble = true,
                                     .chips = o.after.chips};
        EXPECT_EQ(round.model.controls(), expected);
        std::vector<std::string> cues;
        if (o.sound)
            cues.emplace_back(o.sound);
        cues.emplace_back(o.clip);
        EXPECT_EQ(round.view.cues, cues) << "the sound first, then the clip";
        EXPECT_TRUE(round.view.clipShown);
        round.expectViewShowsTheModel();
    }
}

TEST(Outcomes, AWinPlaysTheExplosionOnlyAgainstADealerOverTwentyOne) {
    struct Case {
        std::initializer_list<int> dealer;
        int dealerTotal;
        const char *sound;
    };
    for (const Case &c : {Case{{hearts(7)}, 17, "/haha.wav"}, Case{{hearts(1)}, 21, "/haha.wav"},
                          Case{{hearts(6), spades(6)}, 22, "/Explode.wav"},
                          Case{{hearts(6), spades(10)}, 26, "/Explode.wav"}}) {
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(clubs(10), clubs(10), clubs(9));
        round.stand(c.dealer);
        ASSERT_EQ(round.model.dealerTotal(), c.dealerTotal);

        round.model.WinHand();
        EXPECT_EQ(round.view.sounds().back(), c.sound) << "against " << c.dealerTotal;
    }
}
