#include "odds/tool/mimic_strategy.h"

#include "odds/infinite_deck.h"

bool MimicStrategy::takesInsurance(HandCount) const {
    return false;
}

PlayerAction MimicStrategy::choose(const PlayerSituation &situation) const {
    if (situation.doubleOffered())
        return PlayerAction::Double;
    return totalOf(situation.hand) < dealerStandsFrom ? PlayerAction::Hit : PlayerAction::Stand;
}
