#include "betting/cues.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

void BJMain::enableChips() {
    lblBet5->setEnabled(true);
    lblBet10->setEnabled(true);
    lblBet50->setEnabled(true);
}

// Insurance pays 2 to 1 on its cost of half the stake: the cost back plus twice the cost.
void BJMain::PayInsurance() {
    ShowClip(Cue::LossClip);
    const double stake = captionNumber(lblBet);
    const double bankroll = captionNumber(lblmoney);
    writeNumber(lblmoney, bankroll + 1.5 * stake);
    CmdNew->setEnabled(true);
}

// The stake comes back; the settlement clears the bet and frees the chips afterwards.
void BJMain::PushHand() {
    PlaySoundCue(Cue::Snore);
    ShowClip(Cue::DrawClip);
    CmdHit->setEnabled(false);
    CmdStand->setEnabled(false);
    CmdNew->setEnabled(true);
    const double stake = captionNumber(lblBet);
    const double bankroll = captionNumber(lblmoney);
    writeNumber(lblmoney, bankroll + stake);
}

// The stake was taken when the chips were placed, so a loss leaves the bankroll as it is.
void BJMain::LoseHand() {
    PlaySoundCue(Cue::Hung);
    ShowClip(Cue::LossClip);
    lblBet->setText(QStringLiteral("0"));
    enableChips();
    CmdNew->setEnabled(true);
}

void BJMain::WinHand() {
    if (Sound->isChecked())
        PlaySoundCue(captionNumber(lblCom) > 21 ? Cue::Explode : Cue::Haha);
    ShowClip(Cue::WinClip);
    const double bankroll = captionNumber(lblmoney);
    const double stake = captionNumber(lblBet);
    writeNumber(lblmoney, (stake + stake) + bankroll);
    lblBet->setText(QStringLiteral("0"));
    enableChips();
    CmdNew->setEnabled(true);
}

// A natural pays 3 to 2: the stake back plus one and a half times the stake.
void BJMain::WinBlackjack() {
    PlaySoundCue(Cue::Clap);
    ShowClip(Cue::BlackjackClip);
    const double bankroll = captionNumber(lblmoney);
    const double stake = captionNumber(lblBet);
    writeNumber(lblmoney, stake * 2.5 + bankroll);
    lblBet->setText(QStringLiteral("0"));
    enableChips();
    CmdHit->setEnabled(false);
    CmdStand->setEnabled(false);
    CmdNew->setEnabled(true);
}
