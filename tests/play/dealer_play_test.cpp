#include "play/dealer_pause.h"
#include "round_driver.h"

#include <QAction>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The player stands on 18 against the dealer's scripted cards.
void standOnEighteen(RoundDriver &round, int upCard, std::initializer_list<int> dealerCards) {
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(upCard, clubs(10), clubs(8));
    round.stand(dealerCards);
}

} // namespace

TEST(DealerPlay, DrawsBelowSeventeenAndStandsOnEverySeventeen) {
    struct Case {
        int up;
        std::initializer_list<int> drawn;
        const char *total;
        int cards;
    };
    for (const Case &c :
         {Case{clubs(6), {hearts(1)}, "17", 2},                      // soft 17 stands
          Case{clubs(1), {hearts(1), spades(6)}, "18", 3},           // 12 draws
          Case{clubs(1), {hearts(5), spades(9), clubs(4)}, "19", 4}, // 15 draws again
          Case{clubs(10), {hearts(6), spades(2)}, "18", 3}, Case{clubs(10), {hearts(7)}, "17", 2},
          Case{clubs(10), {hearts(6), spades(10)}, "26", 3}}) {
        RoundDriver round;
        standOnEighteen(round, c.up, c.drawn);
        EXPECT_EQ(round.dealerTotal(), QLatin1String(c.total));
        EXPECT_EQ(round.visibleDealerCards(), c.cards);
        EXPECT_EQ(round.table.clock->sleeps.size(), static_cast<std::size_t>(c.cards - 1))
            << "one pause before every dealer card";
        EXPECT_EQ(round.table.random->remaining(), 0u) << "every scripted card was drawn";
    }
}

TEST(DealerPlay, TurnsTheHoleCardUpInTheSecondBoxWhetherFaceDownOrHidden) {
    for (const int up : {clubs(1), clubs(9)}) {
        RoundDriver round;
        standOnEighteen(round, up, {hearts(9)});
        EXPECT_EQ(round.table->PicCom[1]->accessibleName(), QStringLiteral("Nine of Hearts"));
        EXPECT_EQ(round.table->round.ComCard[1], 9);
        EXPECT_TRUE(round.table->PicCom[2]->isHidden());
    }
}

TEST(DealerPlay, LocksTheRoundsButtonsAndCuesEachCard) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(clubs(10), clubs(10), clubs(8));
    round.table.clock->onSleep = [&] {
        EXPECT_FALSE(round.table->CmdNew->isEnabled());
        EXPECT_FALSE(round.table->CmdHit->isEnabled());
        EXPECT_FALSE(round.table->CmdStand->isEnabled());
        EXPECT_FALSE(round.table->cmdDouble->isEnabled());
    };
    round.stand({hearts(3), hearts(4)});
    EXPECT_EQ(round.table.soundNames().mid(0, 2),
              (QStringList{QStringLiteral("/whoosh.wav"), QStringLiteral("/whoosh.wav")}));
}

TEST(DealerPlay, PausesButPlaysNothingWithTheSoundOff) {
    RoundDriver round;
    round.table->Sound->setChecked(false);
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(clubs(10), clubs(10), clubs(8));
    round.stand({hearts(3), hearts(4)});
    EXPECT_TRUE(round.table.wave->played.isEmpty());
    EXPECT_EQ(round.table.clock->sleeps.size(), 2u);
}

TEST(DealerPlay, RedrawsTheSeventhCardWhileAllSevenStillTotalUnderSeventeen) {
    RoundDriver round;
    standOnEighteen(round, clubs(2),
                    {diamonds(2), hearts(2), spades(2), clubs(2), diamonds(2), hearts(2), spades(10)});
    EXPECT_EQ(round.visibleDealerCards(), 7);
    EXPECT_EQ(round.table->PicCom[6]->accessibleName(), QStringLiteral("Ten of Spades"));
    EXPECT_EQ(round.dealerTotal(), QStringLiteral("22")) << "the replaced two no longer counts";
    EXPECT_EQ(round.table.clock->sleeps.size(), 7u);
}

TEST(DealerPause, StartsOnTheRoundedSecondAndEndsOneSecondLater) {
    struct Case {
        double start;
        std::int32_t startSecond;
        double end;
    };
    for (const Case &c : {Case{100.3, 100, 101.0}, Case{100.5, 100, 101.0}, Case{100.6, 101, 102.0},
                          Case{101.5, 102, 103.0}, Case{99.99, 100, 101.0}}) {
        RoundDriver round;
        round.stake(QStringLiteral("10"), QStringLiteral("490"));
        round.deal(clubs(10), clubs(10), clubs(8));
        round.table.clock->now = c.start;
        round.stand({hearts(7)});
        EXPECT_EQ(round.table->round.WaitStart, c.startSecond) << "start " << c.start;
        EXPECT_DOUBLE_EQ(round.table.clock->now, c.end) << "start " << c.start;
    }
}

TEST(DealerPause, LastsAboutASecondAcrossMidnight) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(clubs(10), clubs(10), clubs(8));
    round.table.clock->now = 86399.7;
    round.stand({hearts(7)});
    ASSERT_EQ(round.table.clock->sleeps.size(), 1u);
    EXPECT_NEAR(round.table.clock->sleeps.front(), 1.3, 1e-9);
    EXPECT_NEAR(round.table.clock->now, 1.0, 1e-9);
    EXPECT_EQ(round.dealerTotal(), QStringLiteral("17"));
}

TEST(DealerPause, CountsReadingsAfterMidnightOnTheDayThePauseBegan) {
    EXPECT_DOUBLE_EQ(readingOnStartDay(0.4, 86399.8), 86400.4);
    EXPECT_DOUBLE_EQ(readingOnStartDay(100.9, 100.2), 100.9);
    EXPECT_EQ(pauseStartSecond(86399.5), 86400);
    EXPECT_EQ(pauseStartSecond(0.5), 0);
    EXPECT_EQ(pauseStartSecond(2.5), 2);
    EXPECT_EQ(pauseStartSecond(3.5), 4);
}

TEST(DealerPlay, ClosingTheTableDuringThePauseEndsTheRoundWithNothingMoreDrawnOrPaid) {
    for (const auto &closeTable :
         {std::function<void(BJMain &)>([](BJMain &table) { table.close(); }),
          std::function<void(BJMain &)>([](BJMain &table) { table.Exit_Click(); })}) {
        RoundDriver round;
        round.stake(QStringLiteral("10"), QStringLiteral("490"));
        round.deal(clubs(10), clubs(10), clubs(8));
        round.table.clock->onSleep = [&] { closeTable(*round.table.window); };
        round.stand({hearts(7)});
        EXPECT_FALSE(round.table->isVisible());
        EXPECT_TRUE(round.table->PicCom[1]->isHidden());
        EXPECT_TRUE(round.table.wave->played.isEmpty());
        EXPECT_EQ(round.bet(), QStringLiteral("10"));
        EXPECT_EQ(round.bankroll(), QStringLiteral("490"));
        EXPECT_EQ(round.table.random->remaining(), 1u);

        // Shown again, the table plays its next round to the end.
        round.table.clock->onSleep = nullptr;
        round.table->show();
        round.table->New_Game_Click();
        round.stake(QStringLiteral("10"), QStringLiteral("490"));
        round.deal(clubs(10), clubs(10), clubs(8));
        round.stand({hearts(7)});
        EXPECT_EQ(round.bankroll(), QStringLiteral("510"));
    }
}

TEST(DealerPlay, ARestartDuringThePauseLeavesTheFreshTableAsItIs) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(clubs(10), clubs(10), clubs(8));
    round.table.clock->onSleep = [&] { round.table->New_Game_Click(); };
    round.stand({hearts(3), hearts(4)});
    EXPECT_EQ(round.bankroll(), QStringLiteral("500"));
    EXPECT_EQ(round.bet(), QStringLiteral("0"));
    EXPECT_EQ(round.dealerTotal(), QStringLiteral("0"));
    EXPECT_TRUE(round.table->PicCom[1]->isHidden());
    EXPECT_TRUE(round.table->PicCom[0]->picture().isSameAs(round.table->PicBack->picture()));
    EXPECT_TRUE(round.table->CmdNew->isEnabled());
    EXPECT_TRUE(round.table.wave->played.isEmpty());
    EXPECT_FALSE(round.table->Flash->isVisible());
}
