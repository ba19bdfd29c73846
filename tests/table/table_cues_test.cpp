#include "platform/animation_player.h"
#include "platform/media_file.h"
#include "support/scripted_platform.h"
#include "table/outcome_cues.h"
#include "table/table_cues.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <gtest/gtest.h>

// The cues hear the round's reports; these tell them directly and look at what they make of it.

namespace {

struct Cues {
    AnimationPlayer Flash;
    RecordingWavePlayer wave;
    TableCues cues{Flash, wave, scriptedProgramDirectory};

    void settled(RoundOutcome outcome) { cues.outcomeSettled({outcome, 10, 20, 510}); }
    void drawn(Hand hand, CardWay way) { cues.cardDealt({hand, 2, 7, way}); }
};

} // namespace

TEST(OutcomeCues, EachOutcomePlaysItsSoundShowsItsClipAndSaysItsWords) {
    struct Case {
        RoundOutcome outcome;
        QStringList sounds;
        const char *clip;
        const char *words;
    };
    // clang-format off
    const Case cases[] = {
        {RoundOutcome::InsurancePays, {},                              "/opt/corvane\\loss.swf", "Insurance pays"},
        {RoundOutcome::Push,          {"/opt/corvane/snore.wav"},      "/opt/corvane\\draw.swf", "Push"},
        {RoundOutcome::Loss,          {"/opt/corvane/hung-01.wav"},    "/opt/corvane\\loss.swf", "You lose"},
        {RoundOutcome::Win,           {"/opt/corvane/haha.wav"},       "/opt/corvane\\win.swf",  "You win"},
        {RoundOutcome::DealerBusts,   {"/opt/corvane/Explode.wav"},    "/opt/corvane\\win.swf",  "You win"},
        {RoundOutcome::Blackjack,     {"/opt/corvane/clap.wav"},       "/opt/corvane\\bj.swf",   "Blackjack!"},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.words);
        Cues table;
        table.Flash.hide();
        table.settled(c.outcome);
        EXPECT_EQ(table.wave.played, c.sounds);
        EXPECT_FALSE(table.Flash.isHidden());
        EXPECT_EQ(table.Flash.movie(), c.clip);
        QAccessibleInterface *clip = QAccessible::queryAccessibleInterface(&table.Flash);
        ASSERT_NE(clip, nullptr);
        EXPECT_EQ(clip->text(QAccessible::Name), c.words);
        EXPECT_EQ(clip->text(QAccessible::Description), "Outcome of the round");
    }
}

TEST(SoundCues, OnlyADrawnCardSoundsAndOnlyWhileTheSoundIsOn) {
    Cues table;
    table.cues.setSoundOn(false);
    table.drawn(Hand::Dealer, CardWay::DealerDraw);
    table.settled(RoundOutcome::Win);
    EXPECT_TRUE(table.wave.played.isEmpty());

    table.cues.setSoundOn(true);
    table.drawn(Hand::Player, CardWay::Deal);
    table.drawn(Hand::Player, CardWay::Double);
    EXPECT_TRUE(table.wave.played.isEmpty()) << "the deal's and the double's cards come silently";
    table.drawn(Hand::Player, CardWay::Hit);
    table.drawn(Hand::Dealer, CardWay::DealerDraw);
    EXPECT_EQ(table.wave.played, QStringList({"/opt/corvane/whoosh.wav", "/opt/corvane/whoosh.wav"}));
}

TEST(ClipCues, ADealHidesTheClipAndLoadsTheCalmOneAndARestartOnlyHidesIt) {
    Cues table;
    table.settled(RoundOutcome::Blackjack);

    table.cues.tableRestarted({500});
    EXPECT_TRUE(table.Flash.isHidden());
    EXPECT_EQ(table.Flash.movie(), "/opt/corvane\\bj.swf");

    table.settled(RoundOutcome::Blackjack);
    table.cues.roundDealt({10, 490});
    EXPECT_TRUE(table.Flash.isHidden());
    EXPECT_EQ(table.Flash.movie(), "/opt/corvane/a.swf");
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
    AnimationPlayer flash;
    RecordingWavePlayer wave;
    TableCues cues(flash, wave, QCoreApplication::applicationDirPath());

    for (const RoundOutcome outcome :
         {RoundOutcome::Win, RoundOutcome::Loss, RoundOutcome::Push, RoundOutcome::Blackjack}) {
        const char *clip = outcomeCues(outcome).clip;
        cues.outcomeSettled({outcome, 10, 20, 510});
        EXPECT_TRUE(flash.hasClip()) << clip;
        EXPECT_EQ(flash.movie(), QCoreApplication::applicationDirPath() + QLatin1String(clip));
    }
    cues.roundDealt({10, 490});
    EXPECT_TRUE(flash.hasClip()) << "the calm clip";
}
