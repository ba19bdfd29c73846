#include "play/round_model.h"

void RoundModel::enterPhase(RoundPhase phase) {
    currentPhase = phase;
    RoundControls controls;
    switch (phase) {
    case RoundPhase::Idle: // waiting for a stake and a deal
        controls = {.CmdNew = true, .CmdHit = false, .CmdStand = false, .cmdDouble = false, .chips = true};
        break;
    case RoundPhase::InsuranceOffer: // the modal offer holds the whole table
    case RoundPhase::DealerTurn:     // nothing may start while the dealer pauses between cards
    case RoundPhase::GivenUp:
        controls = {.CmdNew = false, .CmdHit = false, .CmdStand = false, .cmdDouble = false, .chips = false};
        break;
    case RoundPhase::PlayerTurn: // the deal offers the double on its own, on an opening 11
        controls = {.CmdNew = false, .CmdHit = true, .CmdStand = true, .cmdDouble = false, .chips = false};
        break;
    }
    setControls(controls);
}

void RoundModel::setControls(const RoundControls &controls) {
    if (controls == enabled)
        return;
    enabled = controls;
    view.controlsChanged(enabled);
}
