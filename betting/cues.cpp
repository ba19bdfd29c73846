#include "betting/cues.h"

#include "platform/animation_player.h"
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
    Flash->setMovie(mediaPath(Cue::IdleClip));
}
