#pragma once

#include "odds/tool/simulation.h"

#include <memory>

class RandomSource;
class Strategy;

// Every simulated round is played on this stake. With it every amount the table moves is a whole number
// (the insurance costs 5, a natural pays 25, an insurance on a doubled stake 30).
constexpr int simulatedStake = 10;

// Rounds played through the game's own round model with no window: no pauses, no sounds and a bankroll
// that never runs short, every choice made by `strategy`. Both must outlive the rounds.
std::unique_ptr<RoundSource> makeHeadlessRounds(const Strategy &strategy, RandomSource &random);
