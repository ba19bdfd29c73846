#include "support/recording_view.h"

#include "play/dealer_pause.h"

#include <algorithm>

std::vector<std::string> RecordingView::sounds() const {
    std::vector<std::string> only;
    std::copy_if(cues.begin(), cues.end(), std::back_inserter(only),
                 [](const std::string &cue) { return cue.ends_with(".wav"); });
    return only;
}

namespace {

int shown(const std::array<RecordingView::Box, 7> &boxes) {
    return static_cast<int>(std::count_if(boxes.begin(), boxes.end(), [](const RecordingView::Box &box) {
        return box.shows != BoxShows::Nothing;
    }));
}

} // namespace

int RecordingView::playerCardsShown() const {
    return shown(player);
}

int RecordingView::dealerCardsShown() const {
    return shown(dealer);
}

void RecordingView::showCardBox(Hand hand, int position, BoxShows shows, int cardNumber) {
    (hand == Hand::Player ? player : dealer)[position] = {shows, shows == BoxShows::Face ? cardNumber : 0};
}

void RecordingView::enableControls(const RoundControls &enabled) {
    controls = enabled;
    ++controlReports;
}

void RecordingView::showClip(ClipCue clip) {
    cues.emplace_back(mediaName(clip));
    clipShown = true;
}

void RecordingView::resetClip() {
    cues.emplace_back("reset");
    clipShown = false;
}

void RecordingView::hideClip() {
    cues.emplace_back("hidden");
    clipShown = false;
}

void RecordingView::tellOutcome(RoundOutcome outcome) {
    outcomes.emplace_back(outcome, clipShown && !cues.empty() ? cues.back() : std::string());
}

void RecordingView::alert(Alert alert) {
    alerts.push_back(alert);
}

InsuranceAnswer RecordingView::askInsurance() {
    ++insuranceOffers;
    insuranceOfferOnScreen = true;
    if (duringInsuranceOffer)
        duringInsuranceOffer();
    if (insuranceAnswers.empty())
        return InsuranceAnswer::No;
    const InsuranceAnswer answer = insuranceAnswers.front();
    insuranceAnswers.pop_front();
    return answer;
}

bool RecordingView::waitBeforeDealerCard(DealerPause &pause) {
    ++pauses;
    return pause.wait([](int) { return true; });
}
