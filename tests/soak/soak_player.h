#pragma once

#include "soak/soak_dice.h"
#include "soak/soak_modal_answerer.h"
#include "soak/soak_moves.h"
#include "soak/soak_referee.h"
#include "soak/soak_session.h"

// How long the soak plays and which random choices it makes.
struct SoakSettings {
    long actions = 3000;
    unsigned seed = 20261207;
};
// CORVANE_SOAK_ACTIONS and CORVANE_SOAK_SEED, where set, over the defaults.
SoakSettings soakSettingsFromEnvironment();

// Plays the real table window at random through real clicks and menu commands, on scripted cards and a
// clock that moves only when the dealer pauses, and holds what the window shows against a ledger of its
// own after every action. Any command may come at any moment: inside the dealer's pause and while the
// insurance offer is on screen too. Modal windows are answered as the actions open them.
class SoakPlayer {
public:
    explicit SoakPlayer(SoakSettings settings);
    ~SoakPlayer();

    // Plays until the actions are spent or the ledger breaks.
    SoakReport run();

private:
    enum class Moment { Table, DealerPause, InsuranceOffer };

    void freshTable();
    void dropTable();
    // One action chosen at random for the moment; inside the dealer's pause most often none.
    void act(Moment moment);
    void actAtTheTable();
    void actInThePause();
    void actDuringTheOffer();

    void restart(Moment moment);
    void toggleSound();
    void openOrCloseHelp();
    void closeWindow();
    void clickAnyRoundControl();

    SoakSettings settings;
    SoakSession session;
    SoakDice dice;
    SoakReferee referee;
    SoakModalAnswerer answerer;
    SoakMoves moves;
};
