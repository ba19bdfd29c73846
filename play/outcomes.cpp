#include "betting/payouts.h"
#include "play/round_model.h"

// Each outcome pays out, marks itself with its cues (the sound first) and sets the controls for what
// the player may do next. None touches the double.

// Settles the insurance alone: the settlement goes on to settle the stake.
void RoundModel::PayInsurance() {
    view.showClip(ClipCue::Loss);
    view.tellOutcome(RoundOutcome::InsurancePays);
    changeBankroll(money + insurancePayout(bet));
    RoundControls controls = enabled;
    controls.CmdNew = true;
    setControls(controls);
}

// The stake comes back; the settlement clears the bet and frees the chips afterwards.
void RoundModel::PushHand() {
    view.playSound(SoundCue::Snore);
    view.showClip(ClipCue::Draw);
    view.tellOutcome(RoundOutcome::Push);
    RoundControls controls = enabled;
    controls.CmdHit = false;
    controls.CmdStand = false;
    controls.CmdNew = true;
    setControls(controls);
    changeBankroll(money + pushPayout(bet));
}

// The stake was taken when the chips were placed, so a loss leaves the bankroll as it is. Hit and
// Stand are left to the caller: the hit locks them after a bust.
void RoundModel::LoseHand() {
    view.playSound(SoundCue::Hung);
    view.showClip(ClipCue::Loss);
    view.tellOutcome(RoundOutcome::Loss);
    changeStake(0);
    RoundControls controls = enabled;
    controls.chips = true;
    controls.CmdNew = true;
    setControls(controls);
}

void RoundModel::WinHand() {
    view.playSound(dealerCount > 21 ? SoundCue::Explode : SoundCue::Haha);
    view.showClip(ClipCue::Win);
    view.tellOutcome(RoundOutcome::Win);
    changeBankroll(winPayout(bet) + money);
    changeStake(0);
    RoundControls controls = enabled;
    controls.chips = true;
    controls.CmdNew = true;
    setControls(controls);
}

void RoundModel::WinBlackjack() {
    view.playSound(SoundCue::Clap);
    view.showClip(ClipCue::Blackjack);
    view.tellOutcome(RoundOutcome::Blackjack);
    changeBankroll(blackjackPayout(bet) + money);
    changeStake(0);
    RoundControls controls = enabled;
    controls.chips = true;
    controls.CmdHit = false;
    controls.CmdStand = false;
    controls.CmdNew = true;
    setControls(controls);
}
