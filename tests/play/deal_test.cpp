#include "round_driver.h"

#include <gtest/gtest.h>

TEST(Deal, RefusesWithoutAStakeAndChangesNothing) {
    RoundDriver round;
    QString title, text;
    answerNextModal(QStringLiteral("OK"), &title, &text);
    RoundDriver::click(round.table->CmdNew);
    EXPECT_EQ(title, QStringLiteral("Corvane Alert"));
    EXPECT_EQ(text, QStringLiteral("Please bet first!!"));
    EXPECT_EQ(round.table.random->draws, 0);
    EXPECT_TRUE(round.table->CmdNew->isEnabled());
    EXPECT_FALSE(round.table->CmdStand->isEnabled());
    EXPECT_TRUE(round.table->lblBet5->isEnabled());
    EXPECT_EQ(round.playerTotal(), QStringLiteral("0"));
    EXPECT_TRUE(round.table->PicPlay[0]->picture().isSameAs(round.table->PicBack->picture()));
}

TEST(Deal, ShowsTheUpCardAndThePlayersTwoCardsWithTheirTotals) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(spades(12), hearts(9), clubs(5));
    EXPECT_EQ(round.dealerTotal(), QStringLiteral("10"));
    EXPECT_EQ(round.playerTotal(), QStringLiteral("14"));
    EXPECT_EQ(round.table->PicCom[0]->accessibleName(), QStringLiteral("Queen of Spades"));
    EXPECT_EQ(round.table->PicPlay[0]->accessibleName(), QStringLiteral("Nine of Hearts"));
    EXPECT_EQ(round.table->PicPlay[1]->accessibleName(), QStringLiteral("Five of Clubs"));
    EXPECT_EQ(round.visibleDealerCards(), 1);
    EXPECT_EQ(round.visiblePlayerCards(), 2);
    EXPECT_FALSE(round.table->CmdNew->isEnabled());
    EXPECT_TRUE(round.table->CmdHit->isEnabled());
    EXPECT_TRUE(round.table->CmdStand->isEnabled());
    EXPECT_FALSE(round.table->cmdDouble->isEnabled());
    EXPECT_FALSE(round.table->lblBet10->isEnabled());
    EXPECT_EQ(round.bankroll(), QStringLiteral("490")) << "the deal moves no money";
    EXPECT_EQ(round.bet(), QStringLiteral("10"));
}

TEST(Deal, ResetsTheDeckTakesThreeHiddenCardsAndPlaysNoSound) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(clubs(7), clubs(7), diamonds(2));
    EXPECT_EQ(round.table->deck.CardsDrawn, 3);
    EXPECT_EQ(std::count(round.table->deck.CardFree.begin() + 1, round.table->deck.CardFree.end(), false), 3);
    EXPECT_EQ(round.table.random->reseeds, 3);
    EXPECT_TRUE(round.table.wave->played.isEmpty());
    EXPECT_FALSE(round.table->Flash->isVisible());
    EXPECT_EQ(round.clip(), QStringLiteral("/a.swf"));
    EXPECT_EQ(round.table->PicCom[0]->accessibleName(), round.table->PicPlay[0]->accessibleName())
        << "cards are drawn with replacement: the same card can lie in both hands";
}

TEST(Deal, ANaturalInEitherOrderIsPaidAtOnce) {
    for (const auto &[first, second] :
         {std::pair{spades(1), hearts(13)}, std::pair{diamonds(10), clubs(1)}}) {
        RoundDriver round;
        round.stake(QStringLiteral("10"), QStringLiteral("490"));
        round.deal(clubs(9), first, second);
        EXPECT_EQ(round.playerTotal(), QStringLiteral("21"));
        EXPECT_EQ(round.bankroll(), QStringLiteral("515"));
        EXPECT_EQ(round.bet(), QStringLiteral("0"));
        EXPECT_EQ(round.table.soundNames(), QStringList{QStringLiteral("/clap.wav")});
        EXPECT_EQ(round.clip(), QStringLiteral("\\bj.swf"));
        EXPECT_FALSE(round.table->CmdHit->isEnabled());
        EXPECT_FALSE(round.table->CmdStand->isEnabled());
        EXPECT_TRUE(round.table->CmdNew->isEnabled());
        EXPECT_TRUE(round.table->lblBet50->isEnabled());
        EXPECT_EQ(round.visibleDealerCards(), 1) << "the dealer never plays against a natural";
    }
}

TEST(Deal, OpeningTotalsCountOneAceAsElevenWithoutANatural) {
    struct Case {
        int first, second;
        const char *total;
    };
    for (const Case &c : {Case{clubs(1), hearts(1), "12"}, Case{clubs(1), spades(9), "20"},
                          Case{diamonds(10), hearts(10), "20"}}) {
        RoundDriver round;
        round.stake(QStringLiteral("10"), QStringLiteral("490"));
        round.deal(clubs(4), c.first, c.second);
        EXPECT_EQ(round.playerTotal(), QLatin1String(c.total));
        EXPECT_TRUE(round.table->CmdHit->isEnabled()) << "no natural, the round goes on";
        EXPECT_EQ(round.bankroll(), QStringLiteral("490"));
    }
}

TEST(Deal, OffersTheDoubleOnAnOpeningElevenOnly) {
    struct Case {
        int first, second;
        bool offered;
    };
    for (const Case &c :
         {Case{clubs(2), hearts(9), true}, Case{clubs(3), hearts(8), true}, Case{clubs(4), hearts(7), true},
          Case{clubs(5), hearts(6), true}, Case{clubs(6), hearts(4), false},
          Case{clubs(10), hearts(2), false}, Case{clubs(1), hearts(10), false}}) {
        RoundDriver round;
        round.stake(QStringLiteral("10"), QStringLiteral("490"));
        round.deal(clubs(8), c.first, c.second);
        EXPECT_EQ(round.table->cmdDouble->isEnabled(), c.offered) << c.first << " and " << c.second;
    }
}

TEST(Deal, TheDealerShowsTenForEveryTenCardAndOneForAnAce) {
    for (const int up : {clubs(10), diamonds(11), hearts(12), spades(13)}) {
        RoundDriver round;
        round.stake(QStringLiteral("10"), QStringLiteral("490"));
        round.deal(up, clubs(2), clubs(3));
        EXPECT_EQ(round.dealerTotal(), QStringLiteral("10"));
    }
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(hearts(1), clubs(2), clubs(3));
    EXPECT_EQ(round.dealerTotal(), QStringLiteral("1"));
}

TEST(Deal, ClearsTheLastRoundsCardsAndClip) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(clubs(10), clubs(10), clubs(6));
    round.hit(clubs(2));
    round.stand({hearts(8)});
    ASSERT_EQ(round.visiblePlayerCards(), 3);
    ASSERT_TRUE(round.table->Flash->isVisible());

    round.stake(QStringLiteral("10"), round.bankroll());
    round.deal(clubs(3), clubs(4), clubs(5));
    EXPECT_EQ(round.visiblePlayerCards(), 2);
    EXPECT_EQ(round.visibleDealerCards(), 1);
    EXPECT_FALSE(round.table->Flash->isVisible());
    EXPECT_EQ(round.table->round.PlayCard, (HandCards{4, 5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(round.table->round.ComCard, (HandCards{3, 0, 0, 0, 0, 0, 0}));
}
