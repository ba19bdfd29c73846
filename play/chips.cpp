#include "betting/payouts.h"
#include "play/round_model.h"

// There is no upper limit to the stake but the bankroll.
void RoundModel::placeChip(int value) {
    if (!enabled.chips)
        return;
    if (!bankrollCoversChip(money, value)) {
        audience.tell(report::Refused{Alert::NotEnoughMoney});
        return;
    }
    changeAmounts(money - value, bet + value);
    audience.tell(report::ChipPlaced{value, bet, money});
}
