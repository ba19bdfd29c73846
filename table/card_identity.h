#pragma once

#include "cards/deck.h"

#include <QtGlobal>

// What a card number 1 to 52 shows: four blocks of thirteen (clubs, diamonds, hearts, spades), ace
// first and king last.
enum class Suit { Clubs, Diamonds, Hearts, Spades };

constexpr int cardsPerSuit = 13;
constexpr int aceRank = 1;
constexpr int jackRank = 11;
constexpr int queenRank = 12;
constexpr int kingRank = 13;

constexpr bool isCardNumber(qint32 number) {
    return number >= 1 && number <= cardsInDeck;
}
constexpr Suit suitOf(qint32 number) {
    return static_cast<Suit>((number - 1) / cardsPerSuit);
}
constexpr int rankOf(qint32 number) {
    return (number - 1) % cardsPerSuit + 1;
}
