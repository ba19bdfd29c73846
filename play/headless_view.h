#pragma once

#include "play/round_view.h"

#include <array>
#include <vector>

// The table with no window: it keeps what the round model reported as the table would show it, and
// the outcomes, drawn cards and pauses of the round in play. The offer and the pause it only notes:
// whoever drives the model answers with RoundModel::answerInsurance and RoundModel::endDealerPause.
// The simulator and the tests both play on it.
class HeadlessView final : public RoundView {
public:
    struct Box {
        BoxShows shows = BoxShows::Nothing;
        int cardNumber = 0;
        bool operator==(const Box &) const = default;
    };

    std::array<Box, 7> player{};
    std::array<Box, 7> dealer{};
    double bankroll = -1;
    double stake = -1;
    int playerTotal = -1;
    int dealerTotal = -1;
    RoundControls controls{};

    // Since the last deal or restart: the outcomes told, in order, how many cards were drawn with the
    // draw's sound, and how many insurance offers and dealer's pauses came.
    std::vector<RoundOutcome> outcomes;
    int cardsDrawn = 0;
    int insuranceOffers = 0;
    int dealerPauses = 0;

    std::vector<Alert> alerts;
    bool insuranceOfferOnScreen = false;
    // A dealer's pause that waits for RoundModel::endDealerPause.
    bool dealerPauseWaiting = false;

    // How many of a hand's boxes are on view, face up or down.
    int playerCardsShown() const;
    int dealerCardsShown() const;

    void cardShown(Hand hand, int position, BoxShows shows, int cardNumber) override;
    void cardDrawn(Hand) override { ++cardsDrawn; }
    void amountsChanged(double newBankroll, double newStake) override;
    void totalsChanged(int newPlayerTotal, int newDealerTotal) override;
    void controlsChanged(const RoundControls &enabled) override { controls = enabled; }
    void dealStarted() override { forgetTheRound(); }
    void tableRestarted() override { forgetTheRound(); }
    void roundSettled(RoundOutcome outcome) override { outcomes.push_back(outcome); }
    void insuranceOffered() override;
    void insuranceOfferClosed() override { insuranceOfferOnScreen = false; }
    void dealerPaused(int milliseconds) override;
    void dealerPauseCancelled() override { dealerPauseWaiting = false; }
    void alertRaised(Alert alert) override { alerts.push_back(alert); }

private:
    void forgetTheRound();
};
