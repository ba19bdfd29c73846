#include "play/round_model.h"

// A refused double withdraws the offer; a double taken locks the table for the dealer's play.
void RoundModel::doubleDown() {
    if (!enabled.cmdDouble)
        return;
    if (bet > money) {
        view.alertRaised(Alert::NotEnoughMoney);
        RoundControls withdrawn = enabled;
        withdrawn.cmdDouble = false;
        setControls(withdrawn);
        return;
    }
    changeAmounts(money - bet, bet * 2);
    // The double is offered on two cards only: its card goes to the third box, without a sound.
    dealCard(Hand::Player, 2);
    // From an opening 11 no ace can count 11 and no total can pass 21.
    playerCount = handTotal(round.PlayCard);
    showTotals();
    DealerPlay();
}
