#pragma once

#include <array>
#include <cstdint>

class RandomSource;

// A card number 1 to 52 names a card: four blocks of thirteen, rank ((n - 1) mod 13) + 1, the ace
// first and the three face cards last.
constexpr int cardsInDeck = 52;

// The blackjack value 1 to 10 of a card number, by the four steps the table has always used:
// past 39, 26 and 13 take the block off, then cap the face cards at 10.
constexpr int cardValue(int cardNumber) {
    int value = cardNumber;
    if (value > 39)
        value -= 39;
    if (value > 26)
        value -= 26;
    if (value > 13)
        value -= 13;
    if (value > 10)
        value = 10;
    return value;
}

// The card number floor(52 x U) + 1 for a uniform U in [0, 1).
int shownCardNumber(float uniform);

// The next shown card: every card on the table is drawn this way, with replacement.
int drawShownCard(RandomSource &random);

// The deal's availability table. The deal resets it and takes three cards, which reseeds the
// random generator from the clock at every deal; the cards it takes are never shown.
class Deck {
public:
    // Index 1 to 52 is the card number; index 0 is unused.
    std::array<bool, cardsInDeck + 1> CardFree{};
    std::int16_t DrawnCard = 0;
    std::int16_t DealDraws = 0;

    void ResetDeck();
    // Reseeds the generator, then draws until it finds a free card, which it takes into DrawnCard.
    void DrawCard(RandomSource &random);
};
