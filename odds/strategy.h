#pragma once

#include "cards/round_state.h"

enum class PlayerAction { Stand, Hit, Double };

// What the player knows when a choice is due: the own cards, the dealer's up card and the insurance bought.
struct PlayerSituation {
    HandCount hand;
    int cardCount = 2; // boxes filled, 2 to 7
    int upCard = 1;    // 1 for an ace
    bool insured = false;

    // The double is offered on a two-card 11 alone, which never holds an ace.
    bool doubleOffered() const { return cardCount == 2 && !hand.holdsAce && hand.hardTotal == 11; }
};

// A way of playing the hand. Each choice depends on the situation alone, never on earlier rounds.
class Strategy {
public:
    virtual ~Strategy() = default;

    // Asked at the deal when the dealer's up card is an ace, before a natural is paid.
    virtual bool takesInsurance(HandCount twoCards) const = 0;
    // Asked while the player's turn lasts, never with all seven boxes filled (a hit would draw nothing, so
    // the player stands). Double only when the situation offers it.
    virtual PlayerAction choose(const PlayerSituation &situation) const = 0;
};
