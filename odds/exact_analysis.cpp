#include "odds/exact_analysis.h"

#include "betting/payouts.h"
#include "odds/infinite_deck.h"

#include <stdexcept>

double standValue(int playerTotal, const DealerOutcomes &dealer) {
    double value = dealer.bust();
    for (int total = DealerOutcomes::lowestFinal; total <= DealerOutcomes::highestFinal; ++total) {
        if (total < playerTotal)
            value += dealer.ofTotal(total);
        else if (total > playerTotal)
            value -= dealer.ofTotal(total);
    }
    return value;
}

namespace {

// Two cards holding an ace and a hard 11 are an ace and a ten-value card.
bool isNatural(HandCount twoCards) {
    return twoCards.holdsAce && twoCards.hardTotal == 11;
}

// The table's money rules for a first stake of 1, as net returns: every payout gives the stake back.
constexpr double naturalReturn = blackjackPayout(1.0) - 1.0;
constexpr double insuranceCostOfOne = insuranceCost(1.0);

} // namespace

ExactAnalysis::ExactAnalysis(InsurancePayout payout) : payout(payout) {
    analyse(nullptr);
}

ExactAnalysis::ExactAnalysis(const Strategy &strategy, InsurancePayout payout) : payout(payout) {
    analyse(&strategy);
}

std::size_t ExactAnalysis::indexOf(const PlayerSituation &situation) {
    const int index =
        (((situation.insured ? 1 : 0) * 11 + situation.upCard) * 8 + situation.cardCount) * hardTotals +
        situation.hand.hardTotal;
    return static_cast<std::size_t>(index * 2 + (situation.hand.holdsAce ? 1 : 0));
}

// The settlement pays a bought insurance when the ace up card has a ten-value card beside it. The hole
// card is drawn after the player acts and is never redrawn, so that chance is the same 4 in 13 whatever the
// player did; only whether the round reaches the settlement (no bust) and the stake then on the table
// matter, and the payout adds to what the totals decide.
double ExactAnalysis::settlementBonus(const PlayerSituation &situation, int stakes) const {
    if (!situation.insured || situation.upCard != 1)
        return 0;
    const int paidOn = payout == InsurancePayout::StakeAtSettlement ? stakes : 1;
    return insurancePayout(1.0) * cardProbability(10) * paidOn;
}

void ExactAnalysis::analyse(const Strategy *strategy) {
    for (const bool insured : {false, true}) {
        for (int upCard = lowestCardValue; upCard <= highestCardValue; ++upCard) {
            // A hit leads to a hand of one more card, so the hands with more cards are valued first.
            for (int cardCount = handBoxes; cardCount >= 2; --cardCount) {
                for (int hardTotal = cardCount; hardTotal <= 21; ++hardTotal) {
                    for (const bool holdsAce : {false, true})
                        analyseSituation({{hardTotal, holdsAce}, cardCount, upCard, insured}, strategy);
                }
            }
        }
    }
    for (int hardTotal = 2; hardTotal <= 20; ++hardTotal) {
        for (const bool holdsAce : {false, true}) {
            const HandCount twoCards{hardTotal, holdsAce};
            insures[indexOfTwoCards(twoCards)] =
                strategy ? strategy->takesInsurance(twoCards) : insuranceGain(twoCards) > 0;
        }
    }
}

double ExactAnalysis::standSecondMoment(const PlayerSituation &situation, int playerTotal, int stakes) const {
    const DealerOutcomes &dealer = dealerOutcomesForUpCard(situation.upCard);
    const double push = playerTotal >= DealerOutcomes::lowestFinal ? dealer.ofTotal(playerTotal) : 0;
    const double square = static_cast<double>(stakes * stakes);
    if (!situation.insured || situation.upCard != 1)
        return square * (1 - push);
    // The payout comes exactly when the hole card is a ten, and the ace and the ten stand on 21.
    const double ten = cardProbability(10);
    const double onTen = (playerTotal == 21 ? 0 : -stakes) + settlementBonus(situation, stakes) / ten;
    const double pushWithoutTen = push - (playerTotal == 21 ? ten : 0);
    return ten * onTen * onTen + square * (1 - ten - pushWithoutTen);
}

double ExactAnalysis::actionValue(const PlayerSituation &situation, PlayerAction action) const {
    const DealerOutcomes &dealer = dealerOutcomesForUpCard(situation.upCard);
    if (action == PlayerAction::Stand || situation.cardCount == handBoxes)
        return standValue(totalOf(situation.hand), dealer) + settlementBonus(situation, 1);
    if (action == PlayerAction::Double && !situation.doubleOffered())
        throw std::invalid_argument("no double is offered in this situation");

    double expected = 0;
    for (int card = lowestCardValue; card <= highestCardValue; ++card) {
        PlayerSituation next = situation;
        next.hand = {situation.hand.hardTotal + card, situation.hand.holdsAce || card == 1};
        ++next.cardCount;
        if (action == PlayerAction::Hit)
            expected += cardProbability(card) * (next.hand.hardTotal > 21 ? -1.0 : values[indexOf(next)]);
        else // the doubled card counts as a plain sum: an ace adds 1 to the 11
            expected += cardProbability(card) *
                        (2 * standValue(next.hand.hardTotal, dealer) + settlementBonus(situation, 2));
    }
    return expected;
}

void ExactAnalysis::analyseSituation(const PlayerSituation &situation, const Strategy *strategy) {
    const std::size_t index = indexOf(situation);
    PlayerAction chosen = PlayerAction::Stand;
    if (situation.cardCount == handBoxes) {
        chosen = PlayerAction::Stand;
    } else if (strategy) {
        chosen = strategy->choose(situation);
        if (chosen == PlayerAction::Double && !situation.doubleOffered())
            throw std::logic_error("the strategy doubled where no double is offered");
    } else {
        double best = actionValue(situation, PlayerAction::Stand);
        if (const double hit = actionValue(situation, PlayerAction::Hit); hit > best) {
            best = hit;
            chosen = PlayerAction::Hit;
        }
        if (situation.doubleOffered() && actionValue(situation, PlayerAction::Double) > best)
            chosen = PlayerAction::Double;
    }
    actions[index] = chosen;
    values[index] = actionValue(situation, chosen);

    double secondMoment = 0;
    if (chosen == PlayerAction::Stand)
        secondMoment = standSecondMoment(situation, totalOf(situation.hand), 1);
    for (int card = lowestCardValue; chosen != PlayerAction::Stand && card <= highestCardValue; ++card) {
        PlayerSituation next = situation;
        next.hand = {situation.hand.hardTotal + card, situation.hand.holdsAce || card == 1};
        ++next.cardCount;
        if (chosen == PlayerAction::Double)
            secondMoment += cardProbability(card) * standSecondMoment(situation, next.hand.hardTotal, 2);
        else
            secondMoment +=
                cardProbability(card) * (next.hand.hardTotal > 21 ? 1.0 : secondMoments[indexOf(next)]);
    }
    secondMoments[index] = secondMoment;
}

PlayerAction ExactAnalysis::action(const PlayerSituation &situation) const {
    return actions[indexOf(situation)];
}

double ExactAnalysis::value(const PlayerSituation &situation) const {
    return values[indexOf(situation)];
}

double ExactAnalysis::insuranceGain(HandCount twoCards) const {
    // A natural is paid at the deal; the settlement never comes and the cost is simply lost.
    if (isNatural(twoCards))
        return -insuranceCostOfOne;
    const double insured = value({twoCards, 2, 1, true}) - insuranceCostOfOne;
    return insured - value({twoCards, 2, 1, false});
}

double ExactAnalysis::overOpeningCards(int power) const {
    double sum = 0;
    for (int upCard = lowestCardValue; upCard <= highestCardValue; ++upCard) {
        for (int first = lowestCardValue; first <= highestCardValue; ++first) {
            for (int second = lowestCardValue; second <= highestCardValue; ++second) {
                const HandCount twoCards{first + second, first == 1 || second == 1};
                const bool insured = upCard == 1 && takesInsurance(twoCards);
                const double cost = insured ? insuranceCostOfOne : 0;
                const PlayerSituation situation{twoCards, 2, upCard, insured};
                double round = 0;
                if (isNatural(twoCards))
                    round =
                        power == 1 ? naturalReturn - cost : (naturalReturn - cost) * (naturalReturn - cost);
                else if (power == 1)
                    round = value(situation) - cost;
                else // (X - cost)^2 from the mean and mean square of the return X after the deal
                    round = secondMoments[indexOf(situation)] - 2 * cost * value(situation) + cost * cost;
                sum += cardProbability(upCard) * cardProbability(first) * cardProbability(second) * round;
            }
        }
    }
    return sum;
}

double ExactAnalysis::expectedReturn() const {
    return overOpeningCards(1);
}

double ExactAnalysis::roundVariance() const {
    const double mean = overOpeningCards(1);
    return overOpeningCards(2) - mean * mean;
}

double expectedReturn(const Strategy &strategy, InsurancePayout payout) {
    return ExactAnalysis(strategy, payout).expectedReturn();
}
