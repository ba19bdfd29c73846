#pragma once

#include "play/round_listener.h"

#include <array>
#include <vector>

// The table with no window: it keeps what the round model reported as the table would show it, and
// the outcomes, drawn cards and pauses of the round in play. The offer and the pause it only notes:
// whoever drives the model answers with RoundModel::answerInsurance and RoundModel::endDealerPause.
// The simulator and the tests both play on it.
class HeadlessView final : public RoundListener {
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

    // Since the last deal or restart: the outcomes told, in order, how many cards were drawn by a hit or
    // the dealer, and how many insurance offers and dealer's pauses came.
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

    void cardDealt(const report::CardDealt &card) override;
    void boxChanged(const report::BoxChanged &box) override;
    void amountsChanged(const report::AmountsChanged &amounts) override;
    void totalsChanged(const report::TotalsChanged &totals) override;
    void controlsChanged(const report::ControlsChanged &changed) override { controls = changed.enabled; }
    void roundDealt(const report::RoundDealt &) override { forgetTheRound(); }
    void tableRestarted(const report::TableRestarted &) override { forgetTheRound(); }
    void outcomeSettled(const report::OutcomeSettled &settled) override {
        outcomes.push_back(settled.outcome);
    }
    void insuranceOffered(const report::InsuranceOffered &) override;
    void insuranceOfferClosed(const report::InsuranceOfferClosed &) override {
        insuranceOfferOnScreen = false;
    }
    void dealerPaused(const report::DealerPaused &) override;
    void dealerPauseCancelled(const report::DealerPauseCancelled &) override { dealerPauseWaiting = false; }
    void refused(const report::Refused &refusal) override { alerts.push_back(refusal.alert); }

private:
    void forgetTheRound();
};
