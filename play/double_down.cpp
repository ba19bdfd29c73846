#include "play/round_model.h"

// A refused double withdraws the offer; a double taken locks the table for the dealer's play.
void RoundModel::doubleDown() {
    if (!enabled.doubleDown)
        return;
    if (bet > money) {
        audience.tell(report::Refused{Alert::NotEnoughMoney});
        RoundControls withdrawn = enabled;
        withdrawn.doubleDown = false;
        setControls(withdrawn);
        return;
    }
    if (const std::optional<OpenDecision> decision = openDecision())
        audience.tell(report::ChoiceMade{Choice::Double, *decision});
    changeAmounts(money - bet, bet * 2);
    audience.tell(report::Doubled{bet, money});
    // The double is offered on two cards only: its card goes to the third box.
    dealCard(Hand::Player, 2, CardWay::Double);
    // From an opening 11 no ace can count 11 and no total can pass 21.
    playerCount = handTotal(round.PlayCard);
    showTotals();
    DealerPlay();
}
