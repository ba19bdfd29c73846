#include "betting/alerts.h"
#include "betting/cues.h"

#include <gtest/gtest.h>
#include <string_view>

TEST(CueNames, AreStoredExactlyAsThePlayerFindsTheFiles) {
    struct Sound {
        SoundCue cue;
        std::string_view name;
    };
    for (const Sound &s : {Sound{SoundCue::Whoosh, "/whoosh.wav"},
                           Sound{SoundCue::Insurance, "/insurance.wav"}, Sound{SoundCue::Snore, "/snore.wav"},
                           Sound{SoundCue::Hung, "/hung-01.wav"}, Sound{SoundCue::Explode, "/Explode.wav"},
                           Sound{SoundCue::Haha, "/haha.wav"}, Sound{SoundCue::Clap, "/clap.wav"}})
        EXPECT_EQ(mediaName(s.cue), s.name);

    struct Clip {
        ClipCue cue;
        std::string_view name;
    };
    // The calm clip of the deal has a forward slash, the outcomes' clips a backslash.
    for (const Clip &c :
         {Clip{ClipCue::Idle, "/a.swf"}, Clip{ClipCue::Loss, "\\loss.swf"}, Clip{ClipCue::Draw, "\\draw.swf"},
          Clip{ClipCue::Win, "\\win.swf"}, Clip{ClipCue::Blackjack, "\\bj.swf"}})
        EXPECT_EQ(mediaName(c.cue), c.name);
}

TEST(AlertTexts, AreTheGamesTwoRefusals) {
    EXPECT_EQ(std::string_view(alertText(Alert::NotEnoughMoney)), "You have not enough money!!");
    EXPECT_EQ(std::string_view(alertText(Alert::BetFirst)), "Please bet first!!");
}
