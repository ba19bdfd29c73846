#include "betting/payouts.h"
#include "play/round_model.h"

// Each outcome is told first, then pays out and sets the controls for what the player may do next.
// None touches the double.

// Settles the insurance alone: the settlement goes on to settle the stake.
void RoundModel::PayInsurance() {
    view.roundSettled(RoundOutcome::InsurancePays);
    changeAmounts(money + insurancePayout(bet), bet);
    RoundControls controls = enabled;
    controls.CmdNew = true;
    setControls(controls);
}

// The stake comes back; the settlement clears the bet and frees the chips afterwards.
void RoundModel::PushHand() {
    view.roundSettled(RoundOutcome::Push);
    RoundControls controls = enabled;
    controls.CmdHit = false;
    controls.CmdStand = false;
    controls.CmdNew = true;
    setControls(controls);
    changeAmounts(money + pushPayout(bet), bet);
}

// The stake was taken when the chips were placed, so a loss leaves the bankroll as it is. Hit and
// Stand are left to the caller: the hit locks them after a bust.
void RoundModel::LoseHand() {
    view.roundSettled(RoundOutcome::Loss);
    changeAmounts(money, 0);
    RoundControls controls = enabled;
    controls.chips = true;
    controls.CmdNew = true;
    setControls(controls);
}

void RoundModel::WinHand() {
    view.roundSettled(dealerCount > 21 ? RoundOutcome::DealerBusts : RoundOutcome::Win);
    changeAmounts(winPayout(bet) + money, 0);
    RoundControls controls = enabled;
    controls.chips = true;
    controls.CmdNew = true;
    setControls(controls);
}

void RoundModel::WinBlackjack() {
    view.roundSettled(RoundOutcome::Blackjack);
    changeAmounts(blackjackPayout(bet) + money, 0);
    RoundControls controls = enabled;
    controls.chips = true;
    controls.CmdHit = false;
    controls.CmdStand = false;
    controls.CmdNew = true;
    setControls(controls);
}
