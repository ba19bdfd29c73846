#pragma once

// Card numbers by suit block: clubs, diamonds, hearts, spades, ace first and king last.
constexpr int clubs(int rank) {
    return rank;
}
constexpr int diamonds(int rank) {
    return 13 + rank;
}
constexpr int hearts(int rank) {
    return 26 + rank;
}
constexpr int spades(int rank) {
    return 39 + rank;
}
