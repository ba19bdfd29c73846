#pragma once

#include <random>
#include <vector>

// Every random choice of the soak, from one generator, so that a seed plays the same soak again as long
// as the choices are asked for in the same order.
class SoakDice {
public:
    explicit SoakDice(unsigned seed) : rng(seed) {}

    // A card number 1 to 52.
    int randomCard();
    // Cards for the dealer to draw from: now and then only aces and twos, often a ten-valued card first.
    std::vector<int> randomCards(int count);
    bool chance(double probability);
    // 0 to count - 1.
    int pick(int count);

private:
    std::mt19937 rng;
};
