#include "play/round_model.h"

// The offer is withdrawn once the double has been tried, refused or played to its end. A double given up
// in the dealer's pause (a restart, a closed window) leaves the controls to whatever came after it: the
// offer on view may already be a later round's.
void RoundModel::doubleDown() {
    if (!enabled.cmdDouble)
        return;
    const std::uint64_t epoch = roundEpoch;
    DoubleDown();
    if (givenUpSince(epoch))
        return;
    RoundControls withdrawn = enabled;
    withdrawn.cmdDouble = false;
    setControls(withdrawn);
}

void RoundModel::DoubleDown() {
    if (bet > money) {
        view.alert(Alert::NotEnoughMoney);
        return;
    }
    changeBankroll(money - bet);
    changeStake(bet * 2);
    // The double is offered on two cards only: its card goes to the third box, without a sound.
    dealCard(Hand::Player, 2);
    // From an opening 11 no ace can count 11 and no total can pass 21.
    playerCount = handTotal(round.PlayCard);
    view.showPlayerTotal(playerCount);
    DealerPlay();
}
