#include "cards/deck.h"

#include "cards/random_source.h"

#include <algorithm>
#include <cmath>

int shownCardNumber(float uniform) {
    // Kept inside 1 to 52 even for a generator that strays outside [0, 1).
    const int number = static_cast<int>(std::floor(static_cast<double>(cardsInDeck) * uniform)) + 1;
    return std::clamp(number, 1, cardsInDeck);
}

int drawShownCard(RandomSource &random) {
    return shownCardNumber(random.next());
}

void Deck::ResetDeck() {
    for (int number = 1; number <= cardsInDeck; ++number)
        CardFree[number] = true;
    DealDraws = 0;
}

void Deck::DrawCard(RandomSource &random) {
    random.reseed();
    // Only ever called three times after a reset, so a free card is always found within a few draws.
    do {
        DrawnCard = static_cast<std::int16_t>(drawShownCard(random));
    } while (!CardFree[DrawnCard]);
    CardFree[DrawnCard] = false;
}
