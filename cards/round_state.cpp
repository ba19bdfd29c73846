#include "cards/round_state.h"

#include <algorithm>
#include <numeric>

HandCount countHand(const HandCards &cards) {
    // All seven positions are looked at; an empty one holds 0, which adds nothing and is no ace.
    return {std::accumulate(cards.begin(), cards.end(), 0),
            std::any_of(cards.begin(), cards.end(), [](int value) { return value == 1; })};
}

int totalOf(HandCount count) {
    if (count.holdsAce && count.hardTotal + 10 <= 21)
        return count.hardTotal + 10;
    return count.hardTotal;
}

int handTotal(const HandCards &cards) {
    return totalOf(countHand(cards));
}
