#include "odds/tool/basic_strategy.h"

BasicStrategy::BasicStrategy(InsurancePayout payout) : bestPlay(payout) {}

bool BasicStrategy::takesInsurance(HandCount twoCards) const {
    return bestPlay.takesInsurance(twoCards);
}

PlayerAction BasicStrategy::choose(const PlayerSituation &situation) const {
    return bestPlay.action(situation);
}
