#pragma once

#include "cards/round_state.h"

#include <array>

// How the dealer's hand ends: a total of 17, 18, 19, 20 or 21, or over 21.
struct DealerOutcomes {
    static constexpr int lowestFinal = 17;
    static constexpr int highestFinal = 21;

    // Index 0 to 4: the totals 17 to 21; index 5: over 21.
    std::array<double, 6> probability{};

    double ofTotal(int total) const { return probability[static_cast<std::size_t>(total - lowestFinal)]; }
    double bust() const { return probability[5]; }
};

// The dealer's final totals from a hand of `cardCount` cards, drawing to 17 under the table's rules: the
// hole card is drawn only when the dealer plays, and with all seven boxes filled below 17 the seventh card
// is drawn again, replacing it, until the total reaches 17. `cardCount` is 1 to 6, or 7 for a hand at 17
// or more; std::invalid_argument otherwise.
DealerOutcomes dealerOutcomes(HandCount hand, int cardCount);

// The same from the up card alone (1 for an ace), as the dealer starts to play.
const DealerOutcomes &dealerOutcomesForUpCard(int upCard);
