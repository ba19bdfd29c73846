#include "platform/animation_player.h"
#include "table/narrator.h"
#include "table/table_window.h"

#include <QAction>

QString BJMain::mediaPath(const QString &name) const {
    return platform.programDirectory + name;
}

void BJMain::PlaySoundCue(const QString &name) {
    if (!Sound->isChecked())
        return;
    SoundResult = platform.wave->play(mediaPath(name));
}

void BJMain::ShowClip(const QString &name) {
    Flash->setVisible(true);
    Flash->setMovie(mediaPath(name));
}

// Every deal hides the last round's clip and loads the calm one, ready for the next outcome.
void BJMain::ResetClip() {
    Flash->setVisible(false);
    Flash->setMovie(mediaPath(QLatin1String(mediaName(ClipCue::Idle))));
    tellNoOutcome();
}

void BJMain::playSound(SoundCue cue) {
    PlaySoundCue(QLatin1String(mediaName(cue)));
}

void BJMain::showClip(ClipCue clip) {
    ShowClip(QLatin1String(mediaName(clip)));
}

void BJMain::resetClip() {
    ResetClip();
}

void BJMain::hideClip() {
    Flash->setVisible(false);
    tellNoOutcome();
}

// The clip is all a sighted player gets of the outcome; its words go to the clip area's accessible
// name, where a screen reader finds them when it visits the clip. A screen reader does not speak a change
// of name on a control without the focus, so the narrator tells the outcome as it happens, with the money.
void BJMain::tellOutcome(RoundOutcome outcome) {
    QString words;
    switch (outcome) {
    case RoundOutcome::InsurancePays:
        words = tr("Insurance pays");
        break;
    case RoundOutcome::Push:
        words = tr("Push");
        break;
    case RoundOutcome::Loss:
        words = tr("You lose");
        break;
    case RoundOutcome::Win:
        words = tr("You win");
        break;
    case RoundOutcome::Blackjack:
        words = tr("Blackjack!");
        break;
    }
    Flash->setAccessibleName(words);
    Flash->setAccessibleDescription(tr("Outcome of the round"));
    narrator->tellOutcome(outcome);
}

void BJMain::tellNoOutcome() {
    Flash->setAccessibleName(tr("No outcome yet"));
    Flash->setAccessibleDescription(QString());
}
