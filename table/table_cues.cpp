#include "platform/animation_player.h"
#include "table/narrator.h"
#include "table/outcome_cues.h"
#include "table/table_window.h"

#include <QAction>
#include <QCoreApplication>

QString BJMain::mediaPath(const QString &name) const {
    return platform.programDirectory + name;
}

// The sound call's result is of no interest: a sound that cannot be played is replaced by the desktop's
// alert sound.
void BJMain::PlaySoundCue(const QString &name) {
    if (!Sound->isChecked())
        return;
    platform.wave->play(mediaPath(name));
}

void BJMain::ShowClip(const QString &name) {
    Flash->setVisible(true);
    Flash->setMovie(mediaPath(name));
}

// Every deal hides the last round's clip and loads the calm one, ready for the next outcome.
void BJMain::ResetClip() {
    Flash->setVisible(false);
    Flash->setMovie(mediaPath(QLatin1String(media::idleClip)));
    tellNoOutcome();
}

void BJMain::cardDrawn(Hand) {
    PlaySoundCue(QLatin1String(media::drawSound));
}

void BJMain::dealStarted() {
    record.roundDealt(round.stake(), round.bankroll());
    ResetClip();
}

void BJMain::tableRestarted() {
    Flash->setVisible(false);
    tellNoOutcome();
}

// The sound first, then the clip. The clip is all a sighted player gets of the outcome; its words go to
// the clip area's accessible name, where a screen reader finds them when it visits the clip. A screen
// reader does not speak a change of name on a control without the focus, so the narrator tells the
// outcome as it happens, with the money.
void BJMain::roundSettled(RoundOutcome outcome) {
    const OutcomeCues cues = outcomeCues(outcome);
    if (cues.sound)
        PlaySoundCue(QLatin1String(cues.sound));
    ShowClip(QLatin1String(cues.clip));
    Flash->setAccessibleName(QCoreApplication::translate("BJMain", cues.words));
    Flash->setAccessibleDescription(tr("Outcome of the round"));
    narrator->roundSettled(outcome);
    record.roundSettled(outcome);
    recordRoundEnd();
}

void BJMain::tellNoOutcome() {
    Flash->setAccessibleName(tr("No outcome yet"));
    Flash->setAccessibleDescription(QString());
}
