#include "play/round_model.h"

void RoundModel::SettleRound() {
    // Insurance is offered only under an ace, so the dealer's blackjack is looked for in that order alone.
    if (round.ComCard[0] == 1 && round.ComCard[1] == 10 && round.InsYes == 1)
        PayInsurance();

    // The totals alone decide: a dealer's blackjack is a 21 like any other.
    if (playerCount > dealerCount || dealerCount > 21)
        WinHand();
    else if (playerCount == dealerCount)
        PushHand();
    else
        LoseHand();
    // A push leaves the stake on the label and the chips locked; the round ends here for every outcome.
    changeAmounts(money, 0);
    enterPhase(RoundPhase::Idle);
    endRound(true);
}
