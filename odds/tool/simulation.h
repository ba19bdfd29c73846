#pragma once

#include "odds/tool/running_stats.h"

#include <cstdint>

class ProgressBar;

// A source of whole rounds, each played from the bet to the end of the round.
class RoundSource {
public:
    virtual ~RoundSource() = default;
    // The round's net return: the bankroll's change over the first stake.
    virtual double playRound() = 0;
};

// Plays `rounds` rounds and gathers their returns; the bar, if any, follows the count.
RunningStats simulate(RoundSource &source, std::uint64_t rounds, ProgressBar *progress = nullptr);
