#pragma once

#include "play/round_view.h"

#include <deque>
#include <functional>

// Stands between the round and the table while a refusal is on screen. The round never waits, so a
// refused insurance or double goes on at once (the turn passes, a natural is paid); the player still
// reads "You have not enough money!!" first, and sees and hears what follows once the refusal has been
// acknowledged, in the order the round reported it.
class RefusalHold : public RoundView {
public:
    explicit RefusalHold(RoundView &table) : table(table) {}

    // The player closed the refusal: what was held back is told, up to the next refusal if there is one.
    void refusalAcknowledged();

    void cardShown(Hand hand, int position, BoxShows shows, int cardNumber) override;
    void cardDrawn(Hand hand) override;
    void amountsChanged(double bankroll, double stake) override;
    void totalsChanged(int player, int dealer) override;
    void controlsChanged(const RoundControls &enabled) override;
    void dealStarted() override;
    void tableRestarted() override;
    void roundSettled(RoundOutcome outcome) override;
    void insuranceOffered() override;
    void insuranceOfferClosed() override;
    void dealerPaused(int milliseconds) override;
    void dealerPauseCancelled() override;
    void alertRaised(Alert alert) override;

private:
    using Report = std::function<void(RoundView &)>;

    // Tells the table at once, or keeps the report while a refusal shows.
    void pass(Report report);

    RoundView &table;
    bool refusalShowing = false;
    std::deque<Report> heldBack;
};
