#pragma once

#include "cards/round_state.h"

// Which of the round's controls are enabled: the four buttons and the three chips, which always change
// together.
struct RoundControls {
    bool CmdNew = true;
    bool CmdHit = false;
    bool CmdStand = false;
    bool cmdDouble = false;
    bool chips = true;

    bool operator==(const RoundControls &) const = default;
};

enum class InsuranceAnswer { Yes, No, Closed };

// How a hand, or the insurance beside it, was settled. A win over a dealer who went past 21 is told
// apart from a win on the totals; a player's bust and a lower total are both a loss.
enum class RoundOutcome { InsurancePays, Push, Loss, Win, DealerBusts, Blackjack };

// The game's only refusals.
enum class Alert { NotEnoughMoney, BetFirst };

// What the round model tells its view, in the game's terms: the view decides how each event looks and
// sounds. Every notification may be ignored, so a view overrides only what it shows. The model never
// waits on its view: the insurance answer comes back through RoundModel::answerInsurance and the end
// of a dealer's pause through RoundModel::endDealerPause. Amounts and totals come as numbers.
class RoundView {
public:
    virtual ~RoundView() = default;

    // A card box changed: hidden, the card back, or the face of `cardNumber` (1 to 52).
    virtual void cardShown(Hand, int /*position*/, BoxShows, int /*cardNumber*/) {}
    // A hit or the dealer draws a card, which cardShown shows next; the deal's cards and the double's
    // come without this.
    virtual void cardDrawn(Hand) {}
    virtual void amountsChanged(double /*bankroll*/, double /*stake*/) {}
    virtual void totalsChanged(int /*player*/, int /*dealer*/) {}
    virtual void controlsChanged(const RoundControls &) {}

    // A deal begins: the last round's outcome leaves the table.
    virtual void dealStarted() {}
    // The table starts over with 500; nothing of the round given up is settled.
    virtual void tableRestarted() {}
    // The insurance, then the stake, were settled this way; a round may tell two outcomes.
    virtual void roundSettled(RoundOutcome) {}

    // The player is asked whether to insure the hand; the answer is awaited in the phase InsuranceOffer.
    // The offer stays up until insuranceOfferClosed(), so that a refusal of the answer shows over it.
    virtual void insuranceOffered() {}
    virtual void insuranceOfferClosed() {}

    // The dealer pauses before a card: RoundModel::endDealerPause() is due in `milliseconds`. A
    // restart or a closed window cancels the pause.
    virtual void dealerPaused(int /*milliseconds*/) {}
    virtual void dealerPauseCancelled() {}

    // A refusal: the action moved no money, and the round goes on.
    virtual void alertRaised(Alert) {}
};
