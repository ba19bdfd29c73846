#pragma once

// The cues that mark what the player should notice: a wave sound, an animation clip, or both.
enum class SoundCue { Whoosh, Insurance, Snore, Hung, Explode, Haha, Clap };
enum class ClipCue { Idle, Loss, Draw, Win, Blackjack };

// The media names, stored exactly as the program has always written them: the sounds with a forward
// slash, the outcome clips with a backslash. They are appended to the program's directory unchanged.
constexpr const char *mediaName(SoundCue cue) {
    switch (cue) {
    case SoundCue::Whoosh:
        return "/whoosh.wav";
    case SoundCue::Insurance:
        return "/insurance.wav";
    case SoundCue::Snore:
        return "/snore.wav";
    case SoundCue::Hung:
        return "/hung-01.wav";
    case SoundCue::Explode:
        return "/Explode.wav";
    case SoundCue::Haha:
        return "/haha.wav";
    case SoundCue::Clap:
        return "/clap.wav";
    }
    return "";
}

constexpr const char *mediaName(ClipCue cue) {
    switch (cue) {
    case ClipCue::Idle:
        return "/a.swf";
    case ClipCue::Loss:
        return "\\loss.swf";
    case ClipCue::Draw:
        return "\\draw.swf";
    case ClipCue::Win:
        return "\\win.swf";
    case ClipCue::Blackjack:
        return "\\bj.swf";
    }
    return "";
}
