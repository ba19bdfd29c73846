#include "platform/animation_player.h"
#include "support/scripted_platform.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using Handler = void (BJMain::*)();

// Which of the controls that the outcomes touch are enabled.
struct Controls {
    bool newGame;
    bool hitAndStand;
    bool chips;
};

struct Outcome {
    const char *name;
    Handler handler;
    const char *stake;
    const char *bankroll;
    const char *dealerTotal;
    const char *bankrollAfter;
    const char *stakeAfter;
    Controls after;
    const char *sound; // nullptr: none
    const char *clip;
};

// Before an outcome the hand is in play: the deal has locked the chips and New Game, and the
// player's buttons are still live. Double is left on to show that no outcome touches it.
const Controls inPlay{false, true, false};

// Each row: the outcome, its handler, stake, bankroll and dealer total before, then bankroll and stake
// after; below, New Game / Hit and Stand / chips enabled after, the sound and the clip.
// clang-format off
const Outcome outcomes[] = {
    {"insurance payout",   &BJMain::PayInsurance, "10",  "485", "21", "500",   "10",
                           {true, true,  false},  nullptr,        "\\loss.swf"},
    {"push",               &BJMain::PushHand,     "10",  "490", "18", "500",   "10",
                           {true, false, false},  "/snore.wav",   "\\draw.swf"},
    {"loss",               &BJMain::LoseHand,     "20",  "480", "19", "480",   "0",
                           {true, true,  true},   "/hung-01.wav", "\\loss.swf"},
    {"win against 21",     &BJMain::WinHand,      "20",  "480", "21", "520",   "0",
                           {true, true,  true},   "/haha.wav",    "\\win.swf"},
    {"win against a bust", &BJMain::WinHand,      "20",  "480", "22", "520",   "0",
                           {true, true,  true},   "/Explode.wav", "\\win.swf"},
    {"win on a fraction",  &BJMain::WinHand,      "5",   "2.5", "17", "12.5",  "0",
                           {true, true,  true},   "/haha.wav",    "\\win.swf"},
    {"blackjack",          &BJMain::WinBlackjack, "5",   "495", "10", "507.5", "0",
                           {true, false, true},   "/clap.wav",    "\\bj.swf"},
    {"all-in blackjack",   &BJMain::WinBlackjack, "500", "0",   "10", "1250",  "0",
                           {true, false, true},   "/clap.wav",    "\\bj.swf"},
};
// clang-format on

class Outcomes : public ::testing::Test {
protected:
    Outcomes() { QLocale::setDefault(QLocale::c()); }
    ~Outcomes() override { QLocale::setDefault(savedLocale); }

    void setUpHandInPlay(const Outcome &o) {
        table->lblBet->setText(QLatin1String(o.stake));
        table->lblmoney->setText(QLatin1String(o.bankroll));
        table->lblCom->setText(QLatin1String(o.dealerTotal));
        table->CmdNew->setEnabled(inPlay.newGame);
        table->CmdHit->setEnabled(inPlay.hitAndStand);
        table->CmdStand->setEnabled(inPlay.hitAndStand);
        table->cmdDouble->setEnabled(true);
        for (ChipLabel *chip : {table->lblBet5, table->lblBet10, table->lblBet50})
            chip->setEnabled(inPlay.chips);
        // The deal hides the animation until the outcome shows its clip.
        table->ResetClip();
    }

    void expectAmountsControlsAndClip(const Outcome &o) {
        EXPECT_EQ(table->lblmoney->text(), o.bankrollAfter);
        EXPECT_EQ(table->lblBet->text(), o.stakeAfter);
        EXPECT_EQ(table->CmdNew->isEnabled(), o.after.newGame);
        EXPECT_EQ(table->CmdHit->isEnabled(), o.after.hitAndStand);
        EXPECT_EQ(table->CmdStand->isEnabled(), o.after.hitAndStand);
        EXPECT_TRUE(table->cmdDouble->isEnabled());
        for (ChipLabel *chip : {table->lblBet5, table->lblBet10, table->lblBet50})
            EXPECT_EQ(chip->isEnabled(), o.after.chips) << chip->objectName().toStdString();
        EXPECT_FALSE(table->Flash->isHidden());
        EXPECT_EQ(table->Flash->movie(), scriptedProgramDirectory + QLatin1String(o.clip));
    }

    QLocale savedLocale;
    ScriptedTable table;
};

} // namespace

TEST_F(Outcomes, PayOutSetTheControlsAndCueTheResult) {
    for (const Outcome &o : outcomes) {
        SCOPED_TRACE(o.name);
        setUpHandInPlay(o);
        table.wave->played.clear();

        (table.window.get()->*o.handler)();

        expectAmountsControlsAndClip(o);
        const QStringList expectedSounds = o.sound ? QStringList{QLatin1String(o.sound)} : QStringList{};
        EXPECT_EQ(table.soundNames(), expectedSounds);
    }
}

TEST_F(Outcomes, WithTheSoundOffStillPayAndShowTheirClipsInSilence) {
    table->Sound->setChecked(false);
    table.wave->result = 0;
    table->SoundResult = 42;
    for (const Outcome &o : outcomes) {
        SCOPED_TRACE(o.name);
        setUpHandInPlay(o);

        (table.window.get()->*o.handler)();

        expectAmountsControlsAndClip(o);
        EXPECT_TRUE(table.wave->played.isEmpty());
        EXPECT_EQ(table->SoundResult, 42);
    }
}
