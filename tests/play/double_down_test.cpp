#include "betting/amounts.h"
#include "round_driver.h"

#include <gtest/gtest.h>

TEST(DoubleDown, TakesASecondStakeDrawsOneCardAndHandsOverToTheDealer) {
    struct Case {
        double bet, bankroll;
        int drawn;
        const char *total;
    };
    for (const Case &c :
         {Case{10, 10, hearts(13), "21"}, Case{10, 490, hearts(1), "12"}, Case{5, 7.5, clubs(10), "21"}}) {
        RoundDriver round;
        round.stake(captionFromAmount(c.bet), captionFromAmount(c.bankroll));
        round.deal(clubs(10), clubs(5), diamonds(6));
        // Looks at the doubled hand in the dealer's first pause, before the settlement pays it.
        round.table.clock->onSleep = [&] {
            EXPECT_EQ(round.bankroll(), captionFromAmount(c.bankroll - c.bet));
            EXPECT_EQ(round.bet(), captionFromAmount(2 * c.bet));
            EXPECT_EQ(round.playerTotal(), QLatin1String(c.total));
            EXPECT_FALSE(round.table->CmdHit->isEnabled());
            EXPECT_FALSE(round.table->cmdDouble->isEnabled());
            round.table.clock->onSleep = nullptr;
        };
        round.table.random->pushCards({c.drawn, hearts(8)});
        RoundDriver::click(round.table->cmdDouble);
        EXPECT_EQ(round.table->PicPlay[2]->accessibleName(), CardDeck::cardName(c.drawn));
        EXPECT_EQ(round.visiblePlayerCards(), 3);
        EXPECT_EQ(round.table.clock->sleeps.size(), 1u) << "the dealer turned up the hole card";
        EXPECT_FALSE(round.table->cmdDouble->isEnabled());
        EXPECT_EQ(round.table.soundNames().first(), QStringLiteral("/whoosh.wav"))
            << "the double's own card comes without a sound; the dealer's with one";
        EXPECT_EQ(round.bet(), QStringLiteral("0"));
    }
}

TEST(DoubleDown, IsRefusedWhenTheBankrollCannotCoverTheStakeAndTheHandGoesOn) {
    RoundDriver round;
    round.stake(QStringLiteral("50"), QStringLiteral("40"));
    round.deal(clubs(10), clubs(5), diamonds(6));
    QString title, text;
    answerNextModal(QStringLiteral("OK"), &title, &text);
    RoundDriver::click(round.table->cmdDouble);
    EXPECT_EQ(title, QStringLiteral("Corvane Alert"));
    EXPECT_EQ(text, QStringLiteral("You have not enough money!!"));
    EXPECT_EQ(round.bankroll(), QStringLiteral("40"));
    EXPECT_EQ(round.bet(), QStringLiteral("50"));
    EXPECT_EQ(round.visiblePlayerCards(), 2);
    EXPECT_FALSE(round.table->cmdDouble->isEnabled());
    EXPECT_TRUE(round.table->CmdHit->isEnabled());
    EXPECT_TRUE(round.table->CmdStand->isEnabled());
    EXPECT_TRUE(round.table.clock->sleeps.empty());
}
