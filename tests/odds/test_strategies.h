#pragma once

#include "odds/strategy.h"

// Plays as `base` does, except for one choice in one situation.
class OneDeviation final : public Strategy {
public:
    OneDeviation(const Strategy &base, PlayerSituation where, PlayerAction instead)
        : base(base), where(where), instead(instead) {}

    bool takesInsurance(HandCount twoCards) const override { return base.takesInsurance(twoCards); }
    PlayerAction choose(const PlayerSituation &s) const override {
        const bool here = s.upCard == where.upCard && s.cardCount == where.cardCount &&
                          s.insured == where.insured && s.hand.hardTotal == where.hand.hardTotal &&
                          s.hand.holdsAce == where.hand.holdsAce;
        return here ? instead : base.choose(s);
    }

private:
    const Strategy &base;
    PlayerSituation where;
    PlayerAction instead;
};

// Plays as `base` does, and insures every hand under an ace.
class InsuresEveryHand final : public Strategy {
public:
    explicit InsuresEveryHand(const Strategy &base) : base(base) {}
    bool takesInsurance(HandCount) const override { return true; }
    PlayerAction choose(const PlayerSituation &s) const override { return base.choose(s); }

private:
    const Strategy &base;
};

// Makes one choice in every situation and never insures.
class AlwaysChooses final : public Strategy {
public:
    explicit AlwaysChooses(PlayerAction action) : action(action) {}
    bool takesInsurance(HandCount) const override { return false; }
    PlayerAction choose(const PlayerSituation &) const override { return action; }

private:
    PlayerAction action;
};
