#pragma once

#include "odds/exact_analysis.h"
#include "odds/strategy.h"

// The best play for the table's rules, as the exact analysis finds it: every choice is a look-up in the
// analysis's tables, so a simulated round costs no more than with a fixed chart.
class BasicStrategy final : public Strategy {
public:
    explicit BasicStrategy(InsurancePayout payout = InsurancePayout::StakeAtSettlement);

    bool takesInsurance(HandCount twoCards) const override;
    PlayerAction choose(const PlayerSituation &situation) const override;

    const ExactAnalysis &analysis() const { return bestPlay; }

private:
    ExactAnalysis bestPlay;
};
