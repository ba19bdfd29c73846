#pragma once

#include "play/round_listener.h"

#include <QCoreApplication>
#include <QString>

class AnimationPlayer;
class WavePlayer;

// The sounds and clips that mark what happens at the table: a card drawn by a hit or the dealer, and
// each outcome. The cues own the Sound setting, on at every start and never saved: a sound plays only
// while it is on, the clips always. The clip area also tells assistive technology the outcome in words.
class TableCues final : public RoundListener {
    Q_DECLARE_TR_FUNCTIONS(BJMain)

public:
    // Media names are appended to `programDirectory` as stored.
    TableCues(AnimationPlayer &Flash, WavePlayer &wave, QString programDirectory);

    bool soundOn() const { return sound; }
    void setSoundOn(bool on) { sound = on; }

    void cardDealt(const report::CardDealt &card) override;
    void roundDealt(const report::RoundDealt &) override;
    void tableRestarted(const report::TableRestarted &) override;
    void outcomeSettled(const report::OutcomeSettled &settled) override;

private:
    // The cues as the program has always played them: a wave file only while Sound is on, a clip in the
    // animation player; both by the program's directory followed by the name as stored.
    void PlaySoundCue(const QString &name);
    void ShowClip(const QString &name);
    void ResetClip();
    // What the clip area tells assistive technology when it shows no outcome.
    void tellNoOutcome();

    AnimationPlayer &Flash;
    WavePlayer &wave;
    QString programDirectory;
    bool sound = true;
};
