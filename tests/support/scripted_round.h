#pragma once

#include "play/headless_view.h"
#include "play/round_model.h"
#include "support/cards.h"
#include "support/scripted_platform.h"

#include <initializer_list>
#include <ostream>

// The controls the player sees enabled in each phase of a round, and the double's offer.
inline constexpr RoundControls idleControls{
    .deal = true, .hit = false, .stand = false, .doubleDown = false, .chips = true};
inline constexpr RoundControls playerTurnControls{
    .deal = false, .hit = true, .stand = true, .doubleDown = false, .chips = false};
inline constexpr RoundControls doubleOfferedControls{
    .deal = false, .hit = true, .stand = true, .doubleDown = true, .chips = false};
inline constexpr RoundControls lockedControls{
    .deal = false, .hit = false, .stand = false, .doubleDown = false, .chips = false};

inline void PrintTo(const RoundControls &c, std::ostream *out) {
    *out << "{deal " << c.deal << ", hit " << c.hit << ", stand " << c.stand << ", double " << c.doubleDown
         << ", chips " << c.chips << "}";
}

// A round model on scripted cards and a scripted clock, with a view that keeps what it is told.
// The verbs play a round the way the player would; each scripts the cards it draws, answers the offer
// and lets the dealer's pauses run out.
struct ScriptedRound {
    ScriptedRound() {
        model.addListener(view);
        model.load();
    }

    // Puts a stake (a multiple of 5) on the table with the chips, leaving `bankroll` behind.
    void stake(double bet, double bankroll);
    // Deals the dealer's up card and the player's two cards; an ace up card is answered with `insurance`.
    void deal(int upCard, int playerFirst, int playerSecond, InsuranceAnswer insurance = InsuranceAnswer::No);
    // Deals, leaving an insurance offer unanswered.
    void dealToTheOffer(int upCard, int playerFirst, int playerSecond);
    void hit(int card);
    // Stands, with the dealer's next cards scripted (the hole card first).
    void stand(std::initializer_list<int> dealerCards);
    // Doubles down on the first card given; the dealer draws the others.
    void doubleDown(std::initializer_list<int> cards);
    // Ends the dealer's pauses, one after another, for as long as the view's timer would.
    void endDealerPauses();

    // Fails the test where the view shows other amounts, totals or controls than the model holds.
    void expectViewShowsTheModel() const;

    ScriptedRandom random;
    FakeClock clock;
    HeadlessView view;
    RoundModel model{random, clock};
};
