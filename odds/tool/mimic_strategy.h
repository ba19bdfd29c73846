#pragma once

#include "odds/strategy.h"

// Plays the hand the way the dealer plays: hits below 17 and stands on 17 or more, soft or hard, by the
// total the table shows; doubles every two-card 11 and never insures.
class MimicStrategy final : public Strategy {
public:
    bool takesInsurance(HandCount twoCards) const override;
    PlayerAction choose(const PlayerSituation &situation) const override;
};
