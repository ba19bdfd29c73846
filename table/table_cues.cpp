#include "table/table_cues.h"

#include "platform/animation_player.h"
#include "platform/wave_player.h"
#include "table/outcome_cues.h"
#include "table/translations_setup.h"

TableCues::TableCues(AnimationPlayer &Flash, WavePlayer &wave, QString programDirectory)
    : Flash(Flash), wave(wave), programDirectory(std::move(programDirectory)) {
    // English clips are named without a language.
    const QString language = gameLanguage();
    Flash.setWordsLanguage(language == QLatin1String("en") ? QString() : language);
    tellNoOutcome();
}

// The sound call's result is of no interest: a sound that cannot be played is replaced by the desktop's
// alert sound.
void TableCues::PlaySoundCue(const QString &name) {
    if (sound)
        wave.play(programDirectory + name);
}

void TableCues::ShowClip(const QString &name) {
    Flash.setVisible(true);
    Flash.setMovie(programDirectory + name);
}

// Every deal hides the last round's clip and loads the calm one, ready for the next outcome.
void TableCues::ResetClip() {
    Flash.setVisible(false);
    Flash.setMovie(programDirectory + QLatin1String(media::idleClip));
    tellNoOutcome();
}

void TableCues::tellNoOutcome() {
    Flash.setAccessibleName(tr("No outcome yet"));
    Flash.setAccessibleDescription(QString());
}

// The deal's opening cards and the double's come without a sound.
void TableCues::cardDealt(const report::CardDealt &card) {
    if (card.way == CardWay::Hit || card.way == CardWay::DealerDraw)
        PlaySoundCue(QLatin1String(media::drawSound));
}

void TableCues::roundDealt(const report::RoundDealt &) {
    ResetClip();
}

void TableCues::tableRestarted(const report::TableRestarted &) {
    Flash.setVisible(false);
    tellNoOutcome();
}

// The sound first, then the clip. The clip is all a sighted player gets of the outcome; its words go to
// the clip area's accessible name, where a screen reader finds them when it visits the clip. A screen
// reader does not speak a change of name on a control without the focus, so the narrator tells the
// outcome as it happens, with the money.
void TableCues::outcomeSettled(const report::OutcomeSettled &settled) {
    const OutcomeCues cues = outcomeCues(settled.outcome);
    if (cues.sound)
        PlaySoundCue(QLatin1String(cues.sound));
    ShowClip(QLatin1String(cues.clip));
    Flash.setAccessibleName(QCoreApplication::translate("BJMain", cues.words));
    Flash.setAccessibleDescription(tr("Outcome of the round"));
}
