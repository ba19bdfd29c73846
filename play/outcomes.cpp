#include "betting/payouts.h"
#include "play/round_model.h"

// Each outcome pays out, is told with what it paid, and sets the controls for what the player may do
// next. None touches the double.

void RoundModel::settle(RoundOutcome outcome, double stakeSettled, double paid) {
    audience.tell(report::OutcomeSettled{outcome, stakeSettled, paid, money});
}

// Settles the insurance alone: the settlement goes on to settle the stake.
void RoundModel::PayInsurance() {
    changeAmounts(money + insurancePayout(bet), bet);
    settle(RoundOutcome::InsurancePays, bet, insurancePayout(bet));
    RoundControls controls = enabled;
    controls.deal = true;
    setControls(controls);
}

// The stake comes back; the settlement clears the bet and frees the chips afterwards.
void RoundModel::PushHand() {
    changeAmounts(money + pushPayout(bet), bet);
    settle(RoundOutcome::Push, bet, pushPayout(bet));
    RoundControls controls = enabled;
    controls.hit = false;
    controls.stand = false;
    controls.deal = true;
    setControls(controls);
}

// The stake was taken when the chips were placed, so a loss leaves the bankroll as it is. Hit and
// Stand are left to the caller: the hit locks them after a bust.
void RoundModel::LoseHand() {
    const double lost = bet;
    changeAmounts(money, 0);
    settle(RoundOutcome::Loss, lost, 0);
    RoundControls controls = enabled;
    controls.chips = true;
    controls.deal = true;
    setControls(controls);
}

void RoundModel::WinHand() {
    const double won = bet;
    changeAmounts(winPayout(won) + money, 0);
    settle(dealerCount > 21 ? RoundOutcome::DealerBusts : RoundOutcome::Win, won, winPayout(won));
    RoundControls controls = enabled;
    controls.chips = true;
    controls.deal = true;
    setControls(controls);
}

void RoundModel::WinBlackjack() {
    const double won = bet;
    changeAmounts(blackjackPayout(won) + money, 0);
    settle(RoundOutcome::Blackjack, won, blackjackPayout(won));
    RoundControls controls = enabled;
    controls.chips = true;
    controls.hit = false;
    controls.stand = false;
    controls.deal = true;
    setControls(controls);
}
