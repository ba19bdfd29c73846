#include "play/round_model.h"

void RoundModel::enterPhase(RoundPhase phase) {
    currentPhase = phase;
    RoundControls controls;
    switch (phase) {
    case RoundPhase::Idle: // waiting for a stake and a deal
        controls = {.deal = true, .hit = false, .stand = false, .doubleDown = false, .chips = true};
        break;
    case RoundPhase::InsuranceOffer: // the modal offer holds the whole table
    case RoundPhase::DealerTurn:     // nothing may start while the dealer pauses between cards
    case RoundPhase::GivenUp:
        controls = {.deal = false, .hit = false, .stand = false, .doubleDown = false, .chips = false};
        break;
    case RoundPhase::PlayerTurn: // the deal offers the double on its own, on an opening 11
        controls = {.deal = false, .hit = true, .stand = true, .doubleDown = false, .chips = false};
        break;
    }
    setControls(controls);
}

void RoundModel::setControls(const RoundControls &controls) {
    if (controls == enabled)
        return;
    enabled = controls;
    audience.tell(report::ControlsChanged{enabled});
}
