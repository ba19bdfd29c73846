#pragma once

#include "cards/deck.h"
#include "cards/round_state.h"
#include "play/round_view.h"

#include <cstdint>

class RandomSource;
class TimeOfDayClock;

// The round's phases. Which controls each one enables is set in one place, RoundModel::enterPhase.
enum class RoundPhase { Idle, InsuranceOffer, PlayerTurn, DealerTurn };

// One game of blackjack against the dealer: the bankroll and the stake, the deal, the insurance offer,
// the hit, the double down, the dealer's play, the settlement and the five outcomes. It tells its view
// what changed and asks it for the insurance answer and the dealer's pause; random numbers and the
// clock come from the platform. The same model plays in the table window, in tests and headless.
class RoundModel {
public:
    RoundModel(RoundView &view, RandomSource &random, TimeOfDayClock &clock);

    // The table's start-up: an idle table with 500 to play and three cards face down. Reports the
    // whole table to the view.
    void load();

    // The player's actions. Each does nothing while its control is disabled, as a disabled button
    // takes no click.
    void placeChip(int value); // the chips 5, 10 and 50
    void deal();               // New Game
    void hit();
    void doubleDown(); // takes a second stake and one card, then the dealer plays
    void stand();      // the dealer plays

    // Starts over with 500 at any moment, dropping a stake on the table; a dealer's play waiting in
    // its pause gives its round up.
    void restart();
    // The window closed: a dealer's play waiting in its pause stops there, and a deal waiting for the
    // insurance answer ends; nothing more is drawn, cued or paid.
    void giveUp();

    RoundPhase phase() const { return currentPhase; }
    const RoundControls &controls() const { return enabled; }
    double bankroll() const { return money; }
    double stake() const { return bet; }
    int playerTotal() const { return playerCount; }
    int dealerTotal() const { return dealerCount; }
    // The card values, what each box shows, the flags and the insurance answer InsYes.
    const RoundState &cards() const { return round; }
    const Deck &deck() const { return dealDeck; }

    // The seam of a headless simulation and of tests: a bankroll other than the 500 of a fresh table.
    void setBankroll(double amount);

    // The round's own steps, public so that each can be tried alone.
    void OfferInsurance();
    void DoubleDown();
    void DealerPlay();
    void SettleRound();
    void PayInsurance();
    void PushHand();
    void LoseHand();
    void WinHand();
    void WinBlackjack();

private:
    // The one place where a phase decides which controls are enabled.
    void enterPhase(RoundPhase phase);
    // The few steps that change single controls within a phase go through here.
    void setControls(const RoundControls &controls);

    void applyInsuranceAnswer(InsuranceAnswer answer);
    // Draws a shown card into a position: the box shows its face, the card variable takes its value.
    void dealCard(Hand hand, int position);
    void showBox(Hand hand, int position, BoxShows shows);
    void recountPlayer();
    void recountDealer();
    void changeBankroll(double amount);
    void changeStake(double amount);
    bool givenUpSince(std::uint64_t epoch) const { return epoch != roundEpoch; }

    RoundView &view;
    RandomSource &random;
    TimeOfDayClock &clock;

    Deck dealDeck;
    RoundState round;
    RoundPhase currentPhase = RoundPhase::Idle;
    RoundControls enabled;
    double money = 500;
    double bet = 0;
    int playerCount = 0;
    int dealerCount = 0;
    // Counts restarts and closings: a dealer's play or a deal that sees it change gives its round up.
    std::uint64_t roundEpoch = 0;
};
