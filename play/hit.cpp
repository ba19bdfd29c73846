#include "play/round_model.h"

void RoundModel::hit() {
    if (!enabled.hit)
        return;
    if (const std::optional<OpenDecision> decision = openDecision())
        audience.tell(report::ChoiceMade{Choice::Hit, *decision});
    // The lowest empty box among 3 to 7 is the next free one, since the boxes fill left to right.
    // Past the seventh card a hit draws nothing and only recounts.
    int position = -1;
    for (int i = 6; i >= 2; --i) {
        if (round.PicPlay[i] == BoxShows::Nothing)
            position = i;
    }
    if (position >= 0)
        dealCard(Hand::Player, position, CardWay::Hit);
    recountPlayer();
    if (playerCount > 21) {
        LoseHand();
        enterPhase(RoundPhase::Idle);
        endRound(true);
    } else {
        // Doubling after a hit would replace a card on the table: the offer is withdrawn.
        enterPhase(RoundPhase::PlayerTurn);
    }
}
