#include "odds/dealer_outcomes.h"

#include "odds/infinite_deck.h"

#include <stdexcept>

namespace {

void addFinalTotal(DealerOutcomes &outcomes, int total, double probability) {
    const int index = total > DealerOutcomes::highestFinal ? 5 : total - DealerOutcomes::lowestFinal;
    outcomes.probability[static_cast<std::size_t>(index)] += probability;
}

HandCount withCard(HandCount hand, int value) {
    return {hand.hardTotal + value, hand.holdsAce || value == 1};
}

// The seventh card is drawn again until the total reaches 17; the replaced card leaves no trace, so the
// final total is that of the first seventh card that reaches 17, each with its share of the draws that do.
DealerOutcomes seventhCardOutcomes(HandCount sixCards) {
    DealerOutcomes outcomes;
    double reaching = 0;
    for (int value = lowestCardValue; value <= highestCardValue; ++value) {
        const int total = totalOf(withCard(sixCards, value));
        if (total >= dealerStandsFrom) {
            addFinalTotal(outcomes, total, cardProbability(value));
            reaching += cardProbability(value);
        }
    }
    // A ten always reaches 17 from six cards, or an ace from six aces (soft 16), so `reaching` is never 0.
    for (double &probability : outcomes.probability)
        probability /= reaching;
    return outcomes;
}

} // namespace

DealerOutcomes dealerOutcomes(HandCount hand, int cardCount) {
    const int total = totalOf(hand);
    if (total >= dealerStandsFrom) {
        DealerOutcomes outcomes;
        addFinalTotal(outcomes, total, 1.0);
        return outcomes;
    }
    // Seven cards below 17 never stand still: the seventh is drawn again at once.
    if (cardCount >= handBoxes)
        throw std::invalid_argument(
            "a dealer's seven-card hand below 17 has no six-card hand to redraw from");
    if (cardCount == handBoxes - 1)
        return seventhCardOutcomes(hand);

    DealerOutcomes outcomes;
    for (int value = lowestCardValue; value <= highestCardValue; ++value) {
        const DealerOutcomes next = dealerOutcomes(withCard(hand, value), cardCount + 1);
        for (std::size_t i = 0; i < outcomes.probability.size(); ++i)
            outcomes.probability[i] += cardProbability(value) * next.probability[i];
    }
    return outcomes;
}

const DealerOutcomes &dealerOutcomesForUpCard(int upCard) {
    static const std::array<DealerOutcomes, highestCardValue + 1> byUpCard = [] {
        std::array<DealerOutcomes, highestCardValue + 1> table{};
        for (int value = lowestCardValue; value <= highestCardValue; ++value)
            table[static_cast<std::size_t>(value)] = dealerOutcomes(HandCount{value, value == 1}, 1);
        return table;
    }();
    return byUpCard[static_cast<std::size_t>(upCard)];
}
