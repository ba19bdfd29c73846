#include "round_driver.h"

#include <gtest/gtest.h>

namespace {

struct SettlementCase {
    int up;
    std::initializer_list<int> player;
    std::initializer_list<int> dealer;
    const char *sound;
    const char *bankroll;
};

} // namespace

// Whole rounds from a stake of 10 (bankroll 490 after the chips) to the settlement.
TEST(Settlement, ComparesTheTotalsAndPaysTheStake) {
    for (const SettlementCase &c : {
             SettlementCase{
                 clubs(10), {clubs(10), clubs(2)}, {hearts(6), spades(6)}, "/Explode.wav", "510"},  // 22 v 12
             SettlementCase{clubs(10), {clubs(10), clubs(7)}, {hearts(7)}, "/snore.wav", "500"},    // 17 v 17
             SettlementCase{clubs(10), {clubs(10), clubs(8)}, {hearts(10)}, "/hung-01.wav", "490"}, // 20 v 18
             SettlementCase{clubs(10), {clubs(10), clubs(10)}, {hearts(8)}, "/haha.wav", "510"},    // 18 v 20
             SettlementCase{
                 clubs(10), {clubs(10), clubs(9), hearts(2)}, {spades(1)}, "/snore.wav", "500"}, // 21 v 21
         }) {
        RoundDriver round;
        round.stake(QStringLiteral("10"), QStringLiteral("490"));
        auto cards = c.player.begin();
        round.deal(c.up, cards[0], cards[1]);
        for (auto extra = cards + 2; extra != c.player.end(); ++extra)
            round.hit(*extra);
        round.stand(c.dealer);

        EXPECT_EQ(round.table.soundNames().last(), QLatin1String(c.sound))
            << round.dealerTotal().toStdString();
        EXPECT_EQ(round.bankroll(), QLatin1String(c.bankroll));
        EXPECT_EQ(round.bet(), QStringLiteral("0")) << "the stake is cleared after every outcome, a push too";
        EXPECT_TRUE(round.table->lblBet5->isEnabled());
        EXPECT_TRUE(round.table->lblBet10->isEnabled());
        EXPECT_TRUE(round.table->lblBet50->isEnabled());
        EXPECT_TRUE(round.table->CmdNew->isEnabled());
        EXPECT_FALSE(round.table->CmdHit->isEnabled());
        EXPECT_FALSE(round.table->CmdStand->isEnabled());
    }
}

namespace {

struct InsuranceRound {
    std::initializer_list<int> player;
    std::initializer_list<int> dealer;
    const char *insurance;
    const char *bankroll;
};

} // namespace

TEST(Settlement, PaysABoughtInsuranceOnlyAgainstAnAceUpAndATenInTheHole) {
    for (const InsuranceRound &c : {
             InsuranceRound{{clubs(10), clubs(10)}, {hearts(13)}, "Yes", "500"},          // paid, then lost
             InsuranceRound{{clubs(10), clubs(9), clubs(2)}, {hearts(12)}, "Yes", "510"}, // paid, then push
             InsuranceRound{{clubs(10), clubs(10)}, {hearts(10)}, "No", "490"},           // declined
             InsuranceRound{
                 {clubs(10), clubs(9), clubs(2)}, {hearts(5), clubs(5)}, "Yes", "495"}, // ace, five, five
         }) {
        RoundDriver round;
        round.stake(QStringLiteral("10"), QStringLiteral("490"));
        auto cards = c.player.begin();
        round.deal(spades(1), cards[0], cards[1], QLatin1String(c.insurance));
        for (auto extra = cards + 2; extra != c.player.end(); ++extra)
            round.hit(*extra);
        round.stand(c.dealer);
        EXPECT_EQ(round.bankroll(), QLatin1String(c.bankroll))
            << c.insurance << " against " << round.dealerTotal().toStdString();
        EXPECT_EQ(round.bet(), QStringLiteral("0"));
        const QStringList sounds = round.table.soundNames();
        EXPECT_EQ(sounds.count(QStringLiteral("/hung-01.wav")) + sounds.count(QStringLiteral("/snore.wav")) +
                      sounds.count(QStringLiteral("/haha.wav")) +
                      sounds.count(QStringLiteral("/Explode.wav")),
                  1)
            << "exactly one outcome for the stake";
    }
}

TEST(Settlement, IgnoresTheInsuranceAnswerUnlessTheAceIsTheUpCard) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(clubs(13), clubs(10), clubs(10));
    round.table->insurance().InsYes = 1;
    round.stand({hearts(1)});
    EXPECT_EQ(round.dealerTotal(), QStringLiteral("21"));
    EXPECT_EQ(round.bankroll(), QStringLiteral("490"))
        << "a king up and an ace in the hole pays no insurance";
}

TEST(Settlement, AnInsurancePayoutAfterADoubleIsOneAndAHalfTimesTheDoubledStake) {
    RoundDriver round;
    round.stake(QStringLiteral("10"), QStringLiteral("490"));
    round.deal(spades(1), clubs(5), clubs(6), QStringLiteral("Yes"));
    ASSERT_EQ(round.bankroll(), QStringLiteral("485"));
    round.table.random->pushCards({hearts(10), diamonds(13)});
    RoundDriver::click(round.table->cmdDouble);
    // 485 - 10 for the second stake, + 30 for the insurance, + 20 for the push of 21 against 21.
    EXPECT_EQ(round.bankroll(), QStringLiteral("525"));
    EXPECT_EQ(round.bet(), QStringLiteral("0"));
}

TEST(Settlement, AWholeGameRunsFromTheFirstStakeToAnEmptyBankroll) {
    RoundDriver round;
    round.stake(QStringLiteral("250"), QStringLiteral("250"));
    round.deal(clubs(10), clubs(10), clubs(9));
    round.stand({hearts(10)});
    ASSERT_EQ(round.bankroll(), QStringLiteral("250"));
    round.stake(QStringLiteral("250"), QStringLiteral("0"));
    round.deal(clubs(10), clubs(10), clubs(6));
    round.hit(hearts(9));
    EXPECT_EQ(round.bankroll(), QStringLiteral("0"));
    QString text;
    answerNextModal(QStringLiteral("OK"), nullptr, &text);
    RoundDriver::click(round.table->lblBet5);
    EXPECT_EQ(text, QStringLiteral("You have not enough money!!"));
}
