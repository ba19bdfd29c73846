#pragma once

// Every card on the table is drawn with replacement from a full pack of 52, so each draw is independent
// of the cards already showing: the values 1 (ace) to 9 come up 4 times in 52, the ten-value cards (ten,
// jack, queen, king) 16 times in 52.
constexpr int lowestCardValue = 1;
constexpr int highestCardValue = 10;

constexpr double cardProbability(int value) {
    return value == 10 ? 4.0 / 13.0 : 1.0 / 13.0;
}

// Each hand has seven card boxes.
constexpr int handBoxes = 7;

// The dealer draws below 17 and stands on every 17, soft or hard.
constexpr int dealerStandsFrom = 17;
