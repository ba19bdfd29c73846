#pragma once

#include "odds/exact_analysis.h"
#include "odds/strategy.h"
#include "play/round_reports.h"

#include <optional>
#include <vector>

class RoundModel;

// A choice that the table lets the player make now. A refused one (a double or an insurance the bankroll
// cannot cover) is not allowed: it would change nothing.
struct Decision {
    PlayerSituation situation;
    bool insuranceOffer = false; // the offer waits for an answer: the choices are Insure and Decline
    bool canInsure = false;
    bool canStand = false;
    bool canHit = false;
    bool canDouble = false;
    double stake = 0;    // the first stake
    double bankroll = 0; // what is left beside the stake, which a later double must cover
};

// The decision as the coach values it.
Decision decisionFrom(const OpenDecision &open);
// The decision open on the table, or none outside one (no round, or the dealer's play).
std::optional<Decision> decisionAt(const RoundModel &model);

// A choice and the round's expected result when it is made and every later choice is the best: the money
// the player ends the round with less the money held before the stake was placed, in the currency of
// the table. Insurance bought in this round counts with its cost.
struct ChoiceValue {
    Choice choice;
    double expected;
};

// The exact expected result of each choice, from the same analysis as corvane-odds: every card is drawn
// with replacement, so the analysis of an infinite deck is exact for the game itself. The analysis is
// built once; each answer is a handful of look-ups.
class Coach {
public:
    Coach() = default;

    // Every allowed choice, best first; equal values keep the order Stand, Hit, Double and Decline,
    // Insure. Empty when nothing is allowed.
    std::vector<ChoiceValue> advise(const Decision &decision) const;

    // The expected result of a round about to be dealt on `stake` with `bankroll` behind it, every choice
    // the best of those the bankroll allows.
    double expectedAtDeal(double stake, double bankroll) const;
    // The variance of a round's result on a stake of 1 under best play.
    double roundVariance() const { return variance; }

    const ExactAnalysis &analysis() const { return bestPlay; }

private:
    // The best play's value, in first stakes, of a player's turn in `situation`.
    double bestTurnValue(const PlayerSituation &situation, bool canDouble) const;

    ExactAnalysis bestPlay;
    double variance = bestPlay.roundVariance();
};
