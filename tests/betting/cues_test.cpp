#include "betting/cues.h"
#include "platform/animation_player.h"
#include "platform/media_file.h"
#include "support/scripted_platform.h"
#include "table/table_window.h"

#include <QAction>
#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(SoundCues, PlayTheProgramDirectoryFollowedByTheNameExactlyAsStored) {
    ScriptedTable table;
    const QStringList names{Cue::Whoosh, Cue::Explode, Cue::Hung, QStringLiteral("\\odd name.wav"),
                            QString()};
    for (const QString &name : names)
        table->PlaySoundCue(name);

    EXPECT_EQ(table.wave->played,
              QStringList({"/opt/corvane/whoosh.wav", "/opt/corvane/Explode.wav", "/opt/corvane/hung-01.wav",
                           "/opt/corvane\\odd name.wav", "/opt/corvane"}));
}

TEST(SoundCues, KeepThePlayersResultInSoundResult) {
    ScriptedTable table;
    for (int result : {0, 1, 7, 0}) {
        table.wave->result = result;
        table->PlaySoundCue(Cue::Clap);
        EXPECT_EQ(table->SoundResult, result);
    }
}

TEST(SoundCues, AreSkippedWhileTheSoundIsOff) {
    ScriptedTable table;
    table.wave->result = 0;
    table->SoundResult = 5;
    table->Sound->setChecked(false);

    table->PlaySoundCue(Cue::Whoosh);

    EXPECT_TRUE(table.wave->played.isEmpty());
    EXPECT_EQ(table->SoundResult, 5);

    table->Sound->setChecked(true);
    table->PlaySoundCue(Cue::Whoosh);
    EXPECT_EQ(table.soundNames(), QStringList{Cue::Whoosh});
    EXPECT_EQ(table->SoundResult, 0);
}

TEST(ClipCues, ShowTheAnimationWithTheClipPathAsBuilt) {
    ScriptedTable table;
    table->Flash->hide();

    table->ShowClip(Cue::WinClip);

    EXPECT_FALSE(table->Flash->isHidden());
    EXPECT_EQ(table->Flash->movie(), "/opt/corvane\\win.swf");
}

TEST(ClipCues, TheResetHidesTheAnimationAndLoadsTheCalmClip) {
    ScriptedTable table;
    table->ShowClip(Cue::BlackjackClip);

    table->ResetClip();

    EXPECT_TRUE(table->Flash->isHidden());
    EXPECT_EQ(table->Flash->movie(), "/opt/corvane/a.swf");
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

    for (const QString &clip :
         {Cue::WinClip, Cue::LossClip, Cue::DrawClip, Cue::BlackjackClip, Cue::IdleClip}) {
        table.ShowClip(clip);
        EXPECT_TRUE(table.Flash->hasClip()) << clip.toStdString();
        EXPECT_EQ(table.Flash->movie(), QCoreApplication::applicationDirPath() + clip);
    }
    table.ShowClip(QStringLiteral("\\no such clip.swf"));
    EXPECT_FALSE(table.Flash->hasClip());
}
