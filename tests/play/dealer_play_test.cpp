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
        std::int16_t comNoAce;
    };
    for (const Case &c : {
             Case{clubs(6), {hearts(1)}, 17, 2, 0},                      // soft 17 stands
             Case{clubs(1), {hearts(1), spades(6)}, 18, 3, 0},           // 12 draws
             Case{clubs(1), {hearts(5), spades(9), clubs(4)}, 19, 4, 0}, // 15 draws again
             Case{clubs(10), {hearts(6), spades(2)}, 18, 3, 1},
             Case{clubs(10), {hearts(7)}, 17, 2, 1},
             Case{clubs(10), {hearts(6), spades(10)}, 26, 3, 1},
         }) {
        ScriptedRound round;
        standOnEighteen(round, c.up, c.drawn);
        EXPECT_EQ(round.model.dealerTotal(), c.total) << "up card " << c.up;
        EXPECT_EQ(round.model.cards().ComNoAce, c.comNoAce);
        EXPECT_EQ(round.view.dealerCardsShown(), c.cards);
        EXPECT_EQ(round.view.pauses, c.cards - 1) << "one pause before every dealer card";
        EXPECT_EQ(round.clock.sleeps.size(), static_cast<std::size_t>(c.cards - 1));
        EXPECT_EQ(round.view.sounds().size(), static_cast<std::size_t>(c.cards))
            << "a whoosh a card, and the outcome";
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

TEST(DealerPlay, LocksTheRoundsControlsAndCuesEachCardAfterItsPause) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(10), clubs(10), clubs(8));
    std::vector<std::size_t> cuesAtEachPause;
    round.clock.onSleep = [&] {
        EXPECT_EQ(round.model.controls(), lockedControls);
        EXPECT_EQ(round.view.controls, lockedControls) << "the view is told before the pause";
        EXPECT_EQ(round.model.phase(), RoundPhase::DealerTurn);
        cuesAtEachPause.push_back(round.view.cues.size());
    };
    round.stand({hearts(3), hearts(4)});
    EXPECT_EQ(cuesAtEachPause, (std::vector<std::size_t>{1, 2})) << "the card's sound follows its pause";
    EXPECT_EQ(round.view.sounds(), (std::vector<std::string>{"/whoosh.wav", "/whoosh.wav", "/haha.wav"}));
}

TEST(DealerPlay, RedrawsTheSeventhCardWhileAllSevenStillTotalUnderSeventeen) {
    ScriptedRound round;
    standOnEighteen(round, clubs(2),
                    {diamonds(2), hearts(2), spades(2), clubs(2), diamonds(2), hearts(2), spades(10)});
    EXPECT_EQ(round.view.dealerCardsShown(), 7);
    EXPECT_EQ(round.view.dealer[6].cardNumber, spades(10));
    EXPECT_EQ(round.model.dealerTotal(), 22) << "the replaced two no longer counts";
    EXPECT_EQ(round.view.pauses, 7);
    EXPECT_EQ(round.view.sounds().size(), 8u) << "each redraw has its own cue";
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
    EXPECT_EQ(doubled.model.dealerTotal(), stood.model.dealerTotal());
    EXPECT_EQ(doubled.view.pauses, stood.view.pauses);
}

TEST(DealerPause, StartsOnTheRoundedSecondAndEndsOneSecondLater) {
    struct Case {
        double start;
        std::int32_t startSecond;
        double end;
    };
    for (const Case &c : {Case{100.3, 100, 101.0}, Case{100.5, 100, 101.0}, Case{100.6, 101, 102.0},
                          Case{101.5, 102, 103.0}, Case{99.99, 100, 101.0}}) {
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(clubs(10), clubs(10), clubs(8));
        round.clock.now = c.start;
        round.stand({hearts(7)});
        EXPECT_EQ(round.model.cards().WaitStart, c.startSecond) << "start " << c.start;
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
    EXPECT_EQ(round.model.dealerTotal(), 17);
}

TEST(DealerPause, CountsReadingsAfterMidnightOnTheDayThePauseBegan) {
    EXPECT_DOUBLE_EQ(readingOnStartDay(0.4, 86399.8), 86400.4);
    EXPECT_DOUBLE_EQ(readingOnStartDay(100.9, 100.2), 100.9);
    EXPECT_EQ(pauseStartSecond(86399.5), 86400);
    EXPECT_EQ(pauseStartSecond(0.5), 0);
    EXPECT_EQ(pauseStartSecond(2.5), 2);
    EXPECT_EQ(pauseStartSecond(3.5), 4);
}

TEST(DealerPause, EndsEarlyWhenTheRoundIsGivenUpDuringASleep) {
    FakeClock clock;
    RoundState round;
    std::uint64_t roundEpoch = 0;
    DealerPause pause(clock, round, roundEpoch);
    int sleeps = 0;
    EXPECT_TRUE(pause.wait([&](int) { return ++sleeps > 0; }));
    EXPECT_EQ(round.WaitStart, 36000);

    // The window's sleep reports a wake-up in time, but a restart came first.
    EXPECT_FALSE(pause.wait([&](int) {
        ++roundEpoch;
        return true;
    }));
    EXPECT_TRUE(pause.roundGivenUp());
    EXPECT_FALSE(pause.wait([&](int) { return true; })) << "a given-up round stays given up";
}

TEST(DealerPlay, StopsWhenTheViewReportsAPauseThatGaveTheRoundUp) {
    // A view that ends its pauses at once, but lets a restart in first.
    struct RestartingView final : RecordingView {
        RoundModel *model = nullptr;
        bool waitBeforeDealerCard(DealerPause &) override {
            model->restart();
            return true;
        }
    } view;
    ScriptedRandom random;
    FakeClock clock;
    RoundModel model(view, random, clock);
    view.model = &model;
    model.load();
    model.placeChip(10);
    random.pushDeal(clubs(10), clubs(10), clubs(8));
    model.deal();
    random.pushCards({hearts(7)});
    model.stand();
    EXPECT_EQ(random.remaining(), 1u) << "no card after the restart";
    EXPECT_TRUE(view.sounds().empty());
    EXPECT_EQ(model.bankroll(), 500);
    EXPECT_EQ(model.controls(), idleControls);
}

TEST(DealerPause, AHeadlessViewMayReturnAtOnceWithoutTheClock) {
    struct Instant final : RoundView {
        void showCardBox(Hand, int, BoxShows, int) override {}
        void showBankroll(double) override {}
        void showStake(double) override {}
        void showPlayerTotal(int) override {}
        void showDealerTotal(int) override {}
        void enableControls(const RoundControls &) override {}
        void playSound(SoundCue) override {}
        void showClip(ClipCue) override {}
        void resetClip() override {}
        void hideClip() override {}
        void alert(Alert) override {}
        InsuranceAnswer askInsurance() override { return InsuranceAnswer::No; }
        bool waitBeforeDealerCard(DealerPause &) override { return true; }
    } view;
    ScriptedRandom random;
    FakeClock clock;
    RoundModel model(view, random, clock);
    model.load();
    model.placeChip(10);
    random.pushDeal(clubs(10), clubs(10), clubs(8));
    model.deal();
    random.pushCards({hearts(6), hearts(5)});
    model.stand();
    EXPECT_TRUE(clock.sleeps.empty());
    EXPECT_EQ(model.dealerTotal(), 21);
    EXPECT_EQ(model.bankroll(), 490);
}

namespace {

struct GiveUpCase {
    const char *how;
    void (RoundModel::*giveUp)();
};

} // namespace

TEST(DealerPlay, GivingTheRoundUpDuringThePauseDrawsCuesAndPaysNothingMore) {
    for (const GiveUpCase &c : {GiveUpCase{"the window closed", &RoundModel::giveUp},
                                GiveUpCase{"a restart", &RoundModel::restart}}) {
        SCOPED_TRACE(c.how);
        ScriptedRound round;
        round.stake(10, 490);
        round.deal(clubs(10), clubs(10), clubs(8));
        const std::size_t cuesBefore = round.view.cues.size();
        round.clock.onSleep = [&] { (round.model.*c.giveUp)(); };
        round.stand({hearts(3), hearts(4)});
        EXPECT_EQ(round.view.dealer[1].shows, BoxShows::Nothing) << "no hole card";
        EXPECT_EQ(round.random.remaining(), 2u);
        EXPECT_EQ(round.view.sounds().size(), 0u);
        EXPECT_LE(round.view.cues.size(), cuesBefore + 1) << "at most the restart's hidden clip";
        EXPECT_EQ(round.view.pauses, 1);
        round.expectViewShowsTheModel();
    }
}

TEST(DealerPlay, AClosedTableKeepsTheStakeOnTheTableAndPlaysOnAfterARestart) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(10), clubs(10), clubs(8));
    round.clock.onSleep = [&] { round.model.giveUp(); };
    round.stand({hearts(7)});
    EXPECT_EQ(round.model.stake(), 10);
    EXPECT_EQ(round.model.bankroll(), 490);
    EXPECT_EQ(round.model.controls(), lockedControls) << "only a restart frees the table";

    round.clock.onSleep = nullptr;
    round.random.clearScript(); // the hole card that was never drawn
    round.model.restart();
    round.stake(10, 490);
    round.deal(clubs(10), clubs(10), clubs(8));
    EXPECT_EQ(round.model.controls(), playerTurnControls);
}

TEST(DealerPlay, ARestartDuringThePauseLeavesTheFreshTableAsItIs) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(10), clubs(10), clubs(8));
    round.clock.onSleep = [&] { round.model.restart(); };
    round.stand({hearts(3), hearts(4)});
    EXPECT_EQ(round.model.bankroll(), 500);
    EXPECT_EQ(round.model.stake(), 0);
    EXPECT_EQ(round.model.dealerTotal(), 0);
    EXPECT_EQ(round.model.playerTotal(), 0);
    EXPECT_EQ(round.view.dealer[0].shows, BoxShows::Back);
    EXPECT_EQ(round.view.dealer[1].shows, BoxShows::Nothing);
    EXPECT_EQ(round.model.controls(), idleControls);
    EXPECT_TRUE(round.view.sounds().empty());
    EXPECT_FALSE(round.view.clipShown);
    round.expectViewShowsTheModel();
}

TEST(DealerPlay, ARoundDealtAfterARestartInThePausePlaysToItsEndAndTheOldOneStaysGivenUp) {
    ScriptedRound round;
    round.stake(10, 490);
    round.deal(clubs(10), clubs(10), clubs(8));
    round.clock.onSleep = [&] {
        round.clock.onSleep = nullptr;
        round.model.restart();
        round.random.clearScript(); // the old round's hole card, never drawn
        round.stake(20, 480);
        round.deal(clubs(9), clubs(10), clubs(9));
        round.stand({hearts(8)}); // 17 against 19
    };
    round.stand({hearts(7)});
    EXPECT_EQ(round.model.bankroll(), 520) << "the new round won; the old one paid nothing";
    EXPECT_EQ(round.view.sounds(), (std::vector<std::string>{"/whoosh.wav", "/haha.wav"}));
    EXPECT_EQ(round.model.controls(), idleControls);
}
