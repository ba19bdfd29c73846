#pragma once

#include "play/round_reports.h"

#include <QtGlobal>

// The media the table plays, named exactly as the program has always stored them: the sounds with a
// forward slash, the outcome clips with a backslash. They are appended to the program's directory
// unchanged.
namespace media {
inline constexpr char drawSound[] = "/whoosh.wav";
inline constexpr char insuranceCall[] = "/insurance.wav";
// The calm clip, loaded at every deal ready for the next outcome.
inline constexpr char idleClip[] = "/a.swf";
} // namespace media

// The words drawn into each clip, in English and, untranslated here, in the "Clips" context.
// media/make_media.sh draws each clip again in every language whose translation words it differently,
// as "<clip>_<language>.swf" (see AnimationPlayer::setWordsLanguage).
struct ClipWords {
    const char *clip;
    const char *words;
};
inline constexpr ClipWords clipWords[] = {
    {"a", QT_TRANSLATE_NOOP("Clips", "Place your bets")}, {"loss", QT_TRANSLATE_NOOP("Clips", "You lose")},
    {"draw", QT_TRANSLATE_NOOP("Clips", "Push")},         {"win", QT_TRANSLATE_NOOP("Clips", "You win!")},
    {"bj", QT_TRANSLATE_NOOP("Clips", "Blackjack!")},
};

// How the table marks an outcome: its sound (none for the insurance payout), its clip, and the words a
// screen reader says of it, untranslated in the "BJMain" context.
struct OutcomeCues {
    const char *sound;
    const char *clip;
    const char *words;
};

OutcomeCues outcomeCues(RoundOutcome outcome);

// The words of a refusal, untranslated in the "Alert" context.
const char *alertText(Alert alert);
