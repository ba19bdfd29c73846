#include "platform/animation_player.h"
#include "platform/media_file.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/outcome_cues.h"
#include "table/table_window.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <gtest/gtest.h>

// The round model tells the table what happened; these tell it directly and look at what it makes of it.

TEST(OutcomeCues, EachOutcomePlaysItsSoundShowsItsClipAndSaysItsWords) {
    struct Case {
        RoundOutcome outcome;
        QStringList sounds;
        const char *clip;
        const char *words;
    };
    // clang-format off
    const Case cases[] = {
        {RoundOutcome::InsurancePays, {},                 "/opt/corvane\\loss.swf", "Insurance pays"},
        {RoundOutcome::Push,          {"/snore.wav"},     "/opt/corvane\\draw.swf", "Push"},
        {RoundOutcome::Loss,          {"/hung-01.wav"},   "/opt/corvane\\loss.swf", "You lose"},
        {RoundOutcome::Win,           {"/haha.wav"},      "/opt/corvane\\win.swf",  "You win"},
        {RoundOutcome::DealerBusts,   {"/Explode.wav"},   "/opt/corvane\\win.swf",  "You win"},
        {RoundOutcome::Blackjack,     {"/clap.wav"},      "/opt/corvane\\bj.swf",   "Blackjack!"},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.words);
        ScriptedTable table;
        RoundView &view = *table.window;
        table.ui->Flash->hide();
        view.roundSettled(c.outcome);
        EXPECT_EQ(table.soundNames(), c.sounds);
        EXPECT_FALSE(table.ui->Flash->isHidden());
        EXPECT_EQ(table.ui->Flash->movie(), c.clip);
        QAccessibleInterface *clip = QAccessible::queryAccessibleInterface(table.ui->Flash);
        ASSERT_NE(clip, nullptr);
        EXPECT_EQ(clip->text(QAccessible::Name), c.words);
        EXPECT_EQ(clip->text(QAccessible::Description), "Outcome of the round");
    }
}

TEST(SoundCues, TheDrawsSoundPlaysOnlyWhileTheSoundIsOn) {
    ScriptedTable table;
    RoundView &view = *table.window;
    table.ui->Sound->setChecked(false);
    view.cardDrawn(Hand::Dealer);
    view.roundSettled(RoundOutcome::Win);
    EXPECT_TRUE(table.wave->played.isEmpty());

    table.ui->Sound->setChecked(true);
    view.cardDrawn(Hand::Player);
    EXPECT_EQ(table.wave->played, QStringList{"/opt/corvane/whoosh.wav"});
}

TEST(ClipCues, ADealHidesTheClipAndLoadsTheCalmOneAndARestartOnlyHidesIt) {
    ScriptedTable table;
    RoundView &view = *table.window;
    view.roundSettled(RoundOutcome::Blackjack);

    view.tableRestarted();
    EXPECT_TRUE(table.ui->Flash->isHidden());
    EXPECT_EQ(table.ui->Flash->movie(), "/opt/corvane\\bj.swf");

    view.roundSettled(RoundOutcome::Blackjack);
    view.dealStarted();
    EXPECT_TRUE(table.ui->Flash->isHidden());
    EXPECT_EQ(table.ui->Flash->movie(), "/opt/corvane/a.swf");
}

TEST(MediaFiles, TakeABackslashAsADirectorySeparator) {
    struct Case {
        const char *built;
        const char *onDisk;
    };
    for (const Case &c : {
             Case{"/opt/corvane\\loss.swf", "/opt/corvane/loss.swf"},
             Case{"/opt/corvane/whoosh.wav", "/opt/corvane/whoosh.wav"},
             Case{"C:\\Games\\win.swf", "C:/Games/win.swf"},
             Case{"C:\\Games/hung-01.wav", "C:/Games/hung-01.wav"},
             // A program at a drive root keeps the root's own separator before the name's.
             Case{"C:\\\\bj.swf", "C:/bj.swf"},
             Case{"C:\\/clap.wav", "C:/clap.wav"},
             Case{"//a.swf", "/a.swf"},
         })
        EXPECT_EQ(mediaFileOnDisk(QLatin1String(c.built)), c.onDisk) << c.built;
}

TEST(ClipCues, FindTheRealClipBesideTheProgramThroughABackslashName) {
    PlatformBundle bundle;
    bundle.random = std::make_unique<ScriptedRandom>();
    bundle.clock = std::make_unique<FakeClock>();
    bundle.wave = std::make_unique<RecordingWavePlayer>();
    bundle.programDirectory = QCoreApplication::applicationDirPath();
    BJMain table(std::move(bundle));
    RoundView &view = table;
    auto *flash = table.findChild<AnimationPlayer *>("Flash");
    ASSERT_NE(flash, nullptr);

    for (const RoundOutcome outcome :
         {RoundOutcome::Win, RoundOutcome::Loss, RoundOutcome::Push, RoundOutcome::Blackjack}) {
        const char *clip = outcomeCues(outcome).clip;
        view.roundSettled(outcome);
        EXPECT_TRUE(flash->hasClip()) << clip;
        EXPECT_EQ(flash->movie(), QCoreApplication::applicationDirPath() + QLatin1String(clip));
    }
    view.dealStarted();
    EXPECT_TRUE(flash->hasClip()) << "the calm clip";
}
