#pragma once

#include "soak/soak_session.h"

#include <functional>
#include <vector>

class SoakDice;
class SoakModalAnswerer;
class SoakReferee;

// The player's moves in a round. Each one draws its cards at random, writes them into the ledger and the
// table's script, then clicks its control on the window, whether the control is enabled or not.
class SoakMoves {
public:
    // `actInTheDealersPause` takes one of the player's actions before a pause of the dealer's turn ends.
    SoakMoves(SoakSession &session, SoakDice &dice, SoakReferee &referee, SoakModalAnswerer &answerer,
              std::function<void()> actInTheDealersPause);

    void chip(int value);
    void deal();
    void hit();
    void stand();
    void doubleDown();

private:
    void playTheDealersTurn(const std::vector<int> &dealerCards);

    SoakSession &session;
    SoakDice &dice;
    SoakReferee &referee;
    SoakModalAnswerer &answerer;
    std::function<void()> actInTheDealersPause;
};
