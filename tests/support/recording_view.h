#pragma once

#include "play/round_view.h"

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// A view with no window: it keeps what the round model reported, as the table would show it, and
// answers the insurance offers from a script. Its dealer's pauses run the model's timing on the
// clock it was given (a FakeClock moves itself) without sleeping.
class RecordingView : public RoundView {
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
    int controlReports = 0;

    // The cues in the order they came: sounds and clips by their media names, "reset" and "hidden"
    // for the clip reset and the hidden animation.
    std::vector<std::string> cues;
    bool clipShown = false;
    // The outcomes told, in order, each with the clip on show when it was told.
    std::vector<std::pair<RoundOutcome, std::string>> outcomes;
    std::vector<Alert> alerts;

    // The answers to the coming insurance offers; No once the script runs out.
    std::deque<InsuranceAnswer> insuranceAnswers;
    // Runs while an offer is on screen, before it is answered.
    std::function<void()> duringInsuranceOffer;
    int insuranceOffers = 0;
    bool insuranceOfferOnScreen = false;
    int pauses = 0;

    // The sounds alone, in order.
    std::vector<std::string> sounds() const;
    // How many of a hand's boxes are on view, face up or down.
    int playerCardsShown() const;
    int dealerCardsShown() const;

    void showCardBox(Hand hand, int position, BoxShows shows, int cardNumber) override;
    void showBankroll(double amount) override { bankroll = amount; }
    void showStake(double amount) override { stake = amount; }
    void showPlayerTotal(int total) override { playerTotal = total; }
    void showDealerTotal(int total) override { dealerTotal = total; }
    void enableControls(const RoundControls &enabled) override;
    void playSound(SoundCue cue) override { cues.emplace_back(mediaName(cue)); }
    void showClip(ClipCue clip) override;
    void resetClip() override;
    void hideClip() override;
    void tellOutcome(RoundOutcome outcome) override;
    void alert(Alert alert) override;
    InsuranceAnswer askInsurance() override;
    void closeInsuranceOffer() override { insuranceOfferOnScreen = false; }
    bool waitBeforeDealerCard(DealerPause &pause) override;
};
