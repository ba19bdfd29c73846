#pragma once

#include <array>
#include <cstdint>

// One card variable per card position of a hand: 0 while the position is empty, the card number
// while its picture is fetched, the card value 1 to 10 from then on.
using HandCards = std::array<int, 7>;

// What the ace rule needs to know of a hand.
struct HandCount {
    int hardTotal = 0; // every ace counting 1
    bool holdsAce = false;
};

HandCount countHand(const HandCards &cards);

// The hand's total: one ace counts 11 while that keeps the total at 21 or under, every other ace 1.
int totalOf(HandCount count);
int handTotal(const HandCards &cards);

// The two hands on the table.
enum class Hand : std::uint8_t { Player, Dealer };

// What a card box shows. The dealer's second box also lies face down beside an ace up card while the
// insurance is offered, before the hole card is drawn.
enum class BoxShows : std::uint8_t { Nothing, Back, Face };
using HandBoxes = std::array<BoxShows, 7>;

// Everything a round keeps besides its amounts and totals: the cards, what each box shows, the flags.
struct RoundState {
    HandCards PlayCard{};
    HandCards ComCard{};
    // Which positions are occupied is read from the boxes: the hit and the dealer's play take the
    // lowest empty one. A fresh table shows three cards face down.
    HandBoxes PicPlay{BoxShows::Back, BoxShows::Back};
    HandBoxes PicCom{BoxShows::Back};

    std::int16_t BJAceTen = 0; // 1: the player's first card an ace, the second worth ten
    std::int16_t BJTenAce = 0; // 1: the first worth ten, the second an ace
    std::int16_t WaitSecs = 1; // the dealer's pause before each card, in whole seconds
    std::int16_t InsYes = 0;   // 1: insurance was bought for the hand; kept until the next answer
};
