#include "round_driver.h"

#include <QAction>
#include <gtest/gtest.h>

TEST(Hit, RecountsTheTotalWithTheAceRule) {
    struct Case {
        int first, second, drawn;
        const char *total;
    };
    for (const Case &c :
         {Case{clubs(1), clubs(5), hearts(9), "15"}, Case{clubs(1), hearts(1), spades(9), "21"},
          Case{clubs(10), clubs(6), clubs(1), "17"}, Case{clubs(4), clubs(3), hearts(12), "17"}}) {
        RoundDriver round;
        round.stake(QStringLiteral("10"), QStringLiteral("490"));
        round.deal(clubs(8), c.first, c.second);
        round.hit(c.drawn);
        EXPECT_EQ(round.playerTotal(), QLatin1String(c.total));
        EXPECT_TRUE(round.table->CmdHit->isEnabled()) << "21 or under: the round goes on, even at 21";
        EXPECT_TRUE(round.table->CmdStand->isEnabled());
        EXPECT_EQ(round.table.soundNames(), QStringList{QStringLiteral("/whoosh.wav")});
        EXPECT_EQ(round.visiblePlayerCards(), 3);
    }
}

TEST(Hit, ABustLosesTheStakeOnceAndEndsTheRound) {
    RoundDriver round;
    round.stake(QStringLiteral("20"), QStringLiteral("480"));
    round.deal(clubs(9), clubs(10), clubs(6));
    round.hit(hearts(13));
    EXPECT_EQ(round.playerTotal(), QStringLiteral("26"));
    EXPECT_EQ(round.table.soundNames(),
              (QStringList{QStringLiteral("/whoosh.wav"), QStringLiteral("/hung-01.wav")}));
    EXPECT_EQ(round.clip(), QStringLiteral("\\loss.swf"));
    EXPECT_EQ(round.bankroll(), QStringLiteral("480"));
    EXPECT_EQ(round.bet(), QStringLiteral("0"));
    EXPECT_FALSE(round.table->CmdHit->isEnabled());
    EXPECT_FALSE(round.table->CmdStand->isEnabled());
    EXPECT_TRUE(round.table->CmdNew->isEnabled());
    EXPECT_TRUE(round.table->lblBet5->isEnabled());
    EXPECT_EQ(round.visibleDealerCards(), 1) << "the dealer's hidden card stays unturned";
    EXPECT_EQ(round.dealerTotal(), QStringLiteral("9"));
}

TEST(Hit, FillsTheBoxesLeftToRightAndDealsNothingPastTheSeventh) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(clubs(8), clubs(2), diamonds(2));
    for (int card : {hearts(2), spades(2), clubs(3), diamonds(3), hearts(3)}) {
        round.hit(card);
        EXPECT_EQ(round.table->PicPlay[round.visiblePlayerCards() - 1]->accessibleName(),
                  CardDeck::cardName(card));
    }
    ASSERT_EQ(round.playerTotal(), QStringLiteral("17"));
    ASSERT_EQ(round.visiblePlayerCards(), 7);
    const int drawsBefore = round.table.random->draws;
    const qsizetype soundsBefore = round.table.wave->played.size();

    RoundDriver::click(round.table->CmdHit);
    EXPECT_EQ(round.table.random->draws, drawsBefore);
    EXPECT_EQ(round.table.wave->played.size(), soundsBefore);
    EXPECT_EQ(round.playerTotal(), QStringLiteral("17"));
    EXPECT_TRUE(round.table->CmdHit->isEnabled());
}

TEST(Hit, DealsSilentlyWithTheSoundOff) {
    RoundDriver round;
    round.table->Sound->setChecked(false);
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(clubs(8), clubs(2), diamonds(2));
    round.table->SoundResult = 42;
    round.hit(hearts(5));
    EXPECT_TRUE(round.table.wave->played.isEmpty());
    EXPECT_EQ(round.table->SoundResult, 42);
    EXPECT_EQ(round.playerTotal(), QStringLiteral("9"));
}

TEST(Hit, WithdrawsTheDoubleDownOffer) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(clubs(8), clubs(5), diamonds(6));
    ASSERT_TRUE(round.table->cmdDouble->isEnabled());
    round.hit(hearts(2));
    EXPECT_FALSE(round.table->cmdDouble->isEnabled());
}

TEST(Hit, CanDrawACardAlreadyOnTheTable) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(hearts(4), hearts(4), clubs(2));
    round.hit(hearts(4));
    EXPECT_EQ(round.table->PicPlay[2]->accessibleName(), QStringLiteral("Four of Hearts"));
    EXPECT_EQ(round.playerTotal(), QStringLiteral("10"));
}
