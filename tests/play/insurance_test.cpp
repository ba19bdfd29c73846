#include "round_driver.h"

#include <QAction>
#include <gtest/gtest.h>

namespace {

struct InsuranceCase {
    const char *bet;
    const char *bankrollBefore;
    const char *answer;
    const char *bankrollAfter;
    int insYes;
    bool alerted;
};

} // namespace

TEST(InsuranceOffer, TheAnswerSetsTheCostAndHandsTheTurnBack) {
    for (const InsuranceCase &c :
         {InsuranceCase{"10", "490", "Yes", "485", 1, false}, InsuranceCase{"10", "5", "Yes", "0", 1, false},
          InsuranceCase{"50", "20", "Yes", "20", 0, true},
          InsuranceCase{"10", "490", "No", "490", 0, false}}) {
        RoundDriver round;
        round.stake(QLatin1String(c.bet), QLatin1String(c.bankrollBefore));
        QString alertText;
        whenModalOpens([&](QWidget *dialog) {
            if (c.alerted)
                answerNextModal(QStringLiteral("OK"), nullptr, &alertText);
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Insurance"));
            EXPECT_FALSE(round.table->CmdHit->isEnabled()) << "the offer holds the player's turn";
            answerNextModal(QLatin1String(c.answer));
        });
        round.table.random->pushDeal(clubs(1), hearts(10), hearts(7));
        RoundDriver::click(round.table->CmdNew);

        EXPECT_EQ(round.bankroll(), QLatin1String(c.bankrollAfter)) << c.answer << " on " << c.bankrollBefore;
        EXPECT_EQ(round.table->insurance().InsYes, c.insYes);
        EXPECT_EQ(alertText, c.alerted ? QStringLiteral("You have not enough money!!") : QString());
        EXPECT_EQ(round.bet(), QLatin1String(c.bet)) << "the stake label is not touched";
        EXPECT_TRUE(round.table->CmdHit->isEnabled());
        EXPECT_TRUE(round.table->CmdStand->isEnabled());
        EXPECT_EQ(round.table->insurance().window(), nullptr) << "the answer unloads the window";
        EXPECT_TRUE(round.table->PicCom[1]->isVisibleTo(round.table.window.get()));
        EXPECT_TRUE(round.table->PicCom[1]->picture().isSameAs(round.table->PicBack->picture()));
        EXPECT_EQ(round.table->PicCom[1]->accessibleName(), QStringLiteral("Face-down card"));
        EXPECT_EQ(round.table->round.ComCard[1], 0)
            << "the hole card is drawn only when the dealer turns it up";
    }
}

TEST(InsuranceOffer, ClosingTheWindowWithoutAnAnswerCountsAsNo) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.table->insurance().InsYes = 1;
    whenModalOpens([](QWidget *dialog) { dialog->close(); });
    round.table.random->pushDeal(clubs(1), hearts(10), hearts(7));
    RoundDriver::click(round.table->CmdNew);
    EXPECT_EQ(round.table->insurance().InsYes, 0);
    EXPECT_EQ(round.bankroll(), QStringLiteral("490"));
    EXPECT_TRUE(round.table->CmdHit->isEnabled());
    EXPECT_TRUE(round.table->CmdStand->isEnabled());
    EXPECT_EQ(round.table->insurance().window(), nullptr);
}

TEST(InsuranceOffer, PlaysItsCallWhateverTheSoundSetting) {
    RoundDriver round;
    round.table->Sound->setChecked(false);
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(diamonds(1), hearts(10), hearts(7));
    EXPECT_EQ(round.table.soundNames(), QStringList{QStringLiteral("/insurance.wav")});
    EXPECT_EQ(round.table->SoundResult, 0) << "the dialog drops the call's result";
}

TEST(InsuranceOffer, ComesBeforeTheNaturalWhichKeepsTheInsuranceCost) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(spades(1), clubs(1), hearts(13), QStringLiteral("Yes"));
    EXPECT_EQ(round.table.soundNames(),
              (QStringList{QStringLiteral("/insurance.wav"), QStringLiteral("/clap.wav")}));
    EXPECT_EQ(round.bankroll(), QStringLiteral("510")) << "485 after the insurance, plus 25 for the natural";
    EXPECT_FALSE(round.table->CmdHit->isEnabled());
    EXPECT_TRUE(round.table->CmdNew->isEnabled());
}

TEST(InsuranceOffer, EachHandRecordsItsOwnAnswer) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(spades(1), clubs(9), hearts(8), QStringLiteral("Yes"));
    round.stand({clubs(7)});
    ASSERT_EQ(round.table->insurance().InsYes, 1);
    round.stake(QStringLiteral("10"), round.bankroll());
    round.deal(spades(1), clubs(9), hearts(8), QStringLiteral("No"));
    EXPECT_EQ(round.table->insurance().InsYes, 0);
}
