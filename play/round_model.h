#pragma once

#include "play/dealer_pause.h"
#include "play/round_table.h"

#include <optional>

class TimeOfDayClock;

// The round's phases. Which actions each one allows is set in one place, RoundModel::enterPhase.
// GivenUp is where a round stops when its window closes: nothing more is drawn or paid until a restart.
enum class RoundPhase { Idle, InsuranceOffer, PlayerTurn, DealerTurn, GivenUp };

// One game of blackjack against the dealer, played on the table: the stake, the deal, the insurance
// offer, the hit, the double down, the dealer's play, the settlement and its outcomes. It tells its
// listeners what happened and never waits: the insurance offer and the dealer's pauses are phases that a
// listener's answer and a listener's timer end. Random numbers and the clock are handed in. The same
// model plays in the table window, in tests and headless.
class RoundModel : public RoundTable {
public:
    RoundModel(RandomSource &random, TimeOfDayClock &clock);

    // The table's start-up: an idle table with 500 to play and three cards face down. Reports the
    // whole table.
    void load();

    // The player's actions. Each does nothing while the round does not allow it, as a disabled button
    // takes no click, and nothing outside its phase.
    void placeChip(int value); // the chips 5, 10 and 50
    void deal();               // New Game
    void answerInsurance(InsuranceAnswer answer);
    void hit();
    void doubleDown(); // takes a second stake and one card, then the dealer plays
    void stand();      // the dealer plays
    // A listener's timer: the dealer's pause has run its time. The pause ends once the clock has
    // reached its mark; a wake-up that comes early asks for another.
    void endDealerPause();

    // Starts over with 500 at any moment, dropping a stake on the table and giving up an offer or a
    // dealer's play in its pause.
    void restart();
    // The window closed: an offer or a dealer's pause is given up and the round stops where it is;
    // nothing more is drawn, cued or paid.
    void giveUp();

    RoundPhase phase() const { return currentPhase; }
    // The decision open now, at the insurance offer or in the player's turn; none otherwise.
    std::optional<OpenDecision> openDecision() const;

private:
    // The one place where a phase decides which actions are allowed.
    void enterPhase(RoundPhase phase);

    // The round's steps, in the order a round takes them.
    void OfferInsurance();
    void applyInsuranceAnswer(InsuranceAnswer answer, const OpenDecision &decision);
    void finishDeal();
    void DealerPlay();
    void pauseBeforeDealerCard();
    void drawDealerCard();
    void SettleRound();
    // The dealt round is over: told once, settled or given up.
    void endRound(bool settled);
    // Ends an offer or a dealer's pause that is waiting on a listener.
    void cancelWaiting();

    TimeOfDayClock &clock;
    RoundPhase currentPhase = RoundPhase::Idle;
    // A dealt round whose end has not been told yet.
    bool roundInPlay = false;
    // The dealer's play: the slot code of the next card (kept from pass to pass: with all seven boxes
    // showing, the seventh card is drawn again) and the pause before it.
    int dealerSlotCode = 1;
    DealerPause pause;
};
