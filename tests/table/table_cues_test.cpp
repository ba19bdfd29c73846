#include "platform/animation_player.h"
#include "platform/media_file.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/table_window.h"

#include <QAction>
#include <QCoreApplication>
#include <gtest/gtest.h>

// The round model reports its cues through the table's view interface; these try it directly.

TEST(SoundCues, PlayTheProgramDirectoryFollowedByTheNameExactlyAsStored) {
    ScriptedTable table;
    RoundView &view = *table.window;
    for (const SoundCue cue : {SoundCue::Whoosh, SoundCue::Explode, SoundCue::Hung, SoundCue::Snore,
                               SoundCue::Haha, SoundCue::Clap})
        view.playSound(cue);

    EXPECT_EQ(table.wave->played,
              QStringList({"/opt/corvane/whoosh.wav", "/opt/corvane/Explode.wav", "/opt/corvane/hung-01.wav",
                           "/opt/corvane/snore.wav", "/opt/corvane/haha.wav", "/opt/corvane/clap.wav"}));
}

TEST(SoundCues, KeepThePlayersResultInSoundResult) {
    ScriptedTable table;
    RoundView &view = *table.window;
    for (int result : {0, 1, 7, 0}) {
        table.wave->result = result;
        view.playSound(SoundCue::Clap);
        EXPECT_EQ(table->soundResult(), result);
    }
}

TEST(SoundCues, AreSkippedWhileTheSoundIsOff) {
    ScriptedTable table;
    RoundView &view = *table.window;
    table.wave->result = 5;
    view.playSound(SoundCue::Clap);
    table.wave->played.clear();
    table.wave->result = 0;
    table.ui->Sound->setChecked(false);

    view.playSound(SoundCue::Whoosh);

    EXPECT_TRUE(table.wave->played.isEmpty());
    EXPECT_EQ(table->soundResult(), 5);

    table.ui->Sound->setChecked(true);
    view.playSound(SoundCue::Whoosh);
    EXPECT_EQ(table.soundNames(), QStringList{"/whoosh.wav"});
    EXPECT_EQ(table->soundResult(), 0);
}

TEST(ClipCues, ShowTheAnimationWithTheClipPathAsBuilt) {
    ScriptedTable table;
    RoundView &view = *table.window;
    table.ui->Flash->hide();

    view.showClip(ClipCue::Win);

    EXPECT_FALSE(table.ui->Flash->isHidden());
    EXPECT_EQ(table.ui->Flash->movie(), "/opt/corvane\\win.swf");
}

TEST(ClipCues, TheResetHidesTheAnimationAndLoadsTheCalmClipAndTheRestartOnlyHidesIt) {
    ScriptedTable table;
    RoundView &view = *table.window;
    view.showClip(ClipCue::Blackjack);

    view.hideClip();
    EXPECT_TRUE(table.ui->Flash->isHidden());
    EXPECT_EQ(table.ui->Flash->movie(), "/opt/corvane\\bj.swf");

    view.showClip(ClipCue::Blackjack);
    view.resetClip();
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

    for (const ClipCue clip : {ClipCue::Win, ClipCue::Loss, ClipCue::Draw, ClipCue::Blackjack}) {
        view.showClip(clip);
        EXPECT_TRUE(flash->hasClip()) << mediaName(clip);
        EXPECT_EQ(flash->movie(), QCoreApplication::applicationDirPath() + QLatin1String(mediaName(clip)));
    }
    view.resetClip();
    EXPECT_TRUE(flash->hasClip()) << "the calm clip";
}
