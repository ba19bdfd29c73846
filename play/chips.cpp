#include "betting/payouts.h"
#include "play/round_model.h"

// The stake is written before the bankroll; there is no upper limit but the bankroll.
void RoundModel::placeChip(int value) {
    if (!enabled.chips)
        return;
    if (!bankrollCoversChip(money, value)) {
        view.alert(Alert::NotEnoughMoney);
        return;
    }
    changeStake(bet + value);
    changeBankroll(money - value);
}
