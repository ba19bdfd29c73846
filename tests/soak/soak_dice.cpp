#include "soak/soak_dice.h"

int SoakDice::randomCard() {
    return 1 + pick(52);
}

std::vector<int> SoakDice::randomCards(int count) {
    std::vector<int> cards;
    // Now and then only aces and twos, so that long hands fill every box.
    const bool lowCards = chance(0.05);
    for (int i = 0; i < count; ++i)
        cards.push_back(lowCards ? 1 + pick(2) + 13 * pick(4) : randomCard());
    // Often a ten-valued card first: under an ace up card that is the dealer's blackjack.
    if (chance(0.3))
        cards.front() = 10 + pick(4) + 13 * pick(4);
    return cards;
}

bool SoakDice::chance(double probability) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng) < probability;
}

int SoakDice::pick(int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(rng);
}
