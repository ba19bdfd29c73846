#pragma once

#include "odds/dealer_outcomes.h"
#include "odds/strategy.h"

#include <array>

// What a bought insurance pays when the dealer turns up a ten-value hole card under the ace.
enum class InsurancePayout {
    // 1.5 times the stake on the table at the settlement, so a doubled stake doubles the payout. This is
    // how the game pays.
    StakeAtSettlement,
    // 1.5 times the first stake, whatever became of the stake since.
    FirstStake,
};

// The net return, in stakes, of standing on `playerTotal` (21 or less) against the dealer's final totals:
// the dealer over 21 or below the player wins 1 to 1, equal totals push, a higher dealer total loses.
double standValue(int playerTotal, const DealerOutcomes &dealer);

// Exact expected returns of every situation of a round on an infinite deck, under best play or under a
// given strategy, for the table's rules: a player natural paid 3 to 2 at once, whatever the dealer holds;
// no peek for a dealer blackjack (the hole card is drawn after the player acts); the double on a two-card
// 11 alone, for one card counted as a plain sum; no splits; seven boxes to a hand; insurance at half the
// stake, paid only when the round reaches the settlement. Values are in first stakes.
class ExactAnalysis {
public:
    // Best play: every choice, the insurance included, maximises the expected return.
    explicit ExactAnalysis(InsurancePayout payout = InsurancePayout::StakeAtSettlement);
    // The play of `strategy`, which is asked once for every situation here and not kept.
    explicit ExactAnalysis(const Strategy &strategy,
                           InsurancePayout payout = InsurancePayout::StakeAtSettlement);

    // The choice made in a situation; with seven cards, always Stand. Best play prefers Stand to Hit, and
    // Hit to Double, on equal values.
    PlayerAction action(const PlayerSituation &situation) const;
    // The expected net return from the situation on, the insurance payout included when insured, its cost
    // not (that was paid at the deal).
    double value(const PlayerSituation &situation) const;
    // The expected net return of taking `action` in the situation and playing this analysis's way from
    // then on, counted as value() counts. With seven cards a hit draws nothing and the hand still has to
    // stand, so it is worth the stand. std::invalid_argument for a double the situation does not offer.
    double actionValue(const PlayerSituation &situation, PlayerAction action) const;

    // Whether insurance is bought on these two cards under an ace.
    bool takesInsurance(HandCount twoCards) const { return insures[indexOfTwoCards(twoCards)]; }
    // What buying insurance on these two cards under an ace adds to the round's expected return, its cost
    // included, each way followed by this analysis's play.
    double insuranceGain(HandCount twoCards) const;

    // The expected net return of a round, in first stakes.
    double expectedReturn() const;
    // The variance of a round's net return, in first stakes squared: exact, from the second moment of
    // every situation's return under this analysis's play.
    double roundVariance() const;

private:
    static constexpr int hardTotals = 22; // a hand still in play has a hard total of 21 or less
    static constexpr int tableSize = 2 * 11 * 8 * hardTotals * 2;
    static constexpr int twoCardEntries = hardTotals * 2;

    static std::size_t indexOf(const PlayerSituation &situation);
    static std::size_t indexOfTwoCards(HandCount twoCards) {
        return static_cast<std::size_t>(twoCards.hardTotal * 2 + (twoCards.holdsAce ? 1 : 0));
    }

    // Values every situation; with no strategy, chooses the best play.
    void analyse(const Strategy *strategy);
    void analyseSituation(const PlayerSituation &situation, const Strategy *strategy);
    // What a bought insurance adds to a round that reaches the settlement with `stakes` first stakes on it.
    double settlementBonus(const PlayerSituation &situation, int stakes) const;
    // The mean square of the return of standing on `playerTotal` with `stakes` first stakes on the table.
    double standSecondMoment(const PlayerSituation &situation, int playerTotal, int stakes) const;
    // The sum over a round's opening cards of each round's return (power 1) or its square (power 2).
    double overOpeningCards(int power) const;

    InsurancePayout payout;
    std::array<double, tableSize> values{};
    std::array<double, tableSize> secondMoments{};
    std::array<PlayerAction, tableSize> actions{};
    std::array<bool, twoCardEntries> insures{};
};

// The exact expected return of a round played by `strategy`.
double expectedReturn(const Strategy &strategy, InsurancePayout payout = InsurancePayout::StakeAtSettlement);
