#pragma once

// The money rules. The stake leaves the bankroll when the chips are placed, so every payout gives the
// stake back together with the winnings.

// A chip is accepted while the bankroll is more than its value less one: the bankroll moves in steps
// of 2.5, so this takes exactly the bankrolls that cover the chip.
constexpr bool bankrollCoversChip(double bankroll, int chipValue) {
    return bankroll > chipValue - 1;
}

// Insurance costs half the stake and pays 2 to 1: the cost back plus twice the cost.
constexpr double insuranceCost(double stake) {
    return stake / 2;
}
constexpr double insurancePayout(double stake) {
    return 1.5 * stake;
}

// A push gives the stake back, a win pays 1 to 1 and a natural 3 to 2.
constexpr double pushPayout(double stake) {
    return stake;
}
constexpr double winPayout(double stake) {
    return stake + stake;
}
constexpr double blackjackPayout(double stake) {
    return stake * 2.5;
}
