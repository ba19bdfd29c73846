#include "play/round_model.h"

void RoundModel::SettleRound() {
    // Insurance is offered only under an ace, so the dealer's blackjack is looked for in that order alone.
    if (round.ComCard[0] == 1 && round.ComCard[1] == 10 && round.InsYes == 1)
        PayInsurance();

    if (dealerCount == playerCount)
        round.Outcome = RoundState::OutcomePush;
    if (playerCount < dealerCount)
        round.Outcome = RoundState::OutcomeDealerWins;
    if (dealerCount > 21 && playerCount < dealerCount)
        round.Outcome = RoundState::OutcomePlayerWins;
    if (playerCount > dealerCount)
        round.Outcome = RoundState::OutcomePlayerWins;

    switch (round.Outcome) {
    case RoundState::OutcomePush:
        PushHand();
        break;
    case RoundState::OutcomeDealerWins:
        LoseHand();
        break;
    case RoundState::OutcomePlayerWins:
        WinHand();
        break;
    }
    // A push leaves the stake on the label and the chips locked; the round ends here for every outcome.
    changeStake(0);
    enterPhase(RoundPhase::Idle);
}
