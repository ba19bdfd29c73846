#include "play/round_listener.h"

#include <algorithm>

namespace {

// Hands a report to the listener's method of its kind.
struct Delivery {
    RoundListener &listener;

    void operator()(const report::CardDealt &r) const { listener.cardDealt(r); }
    void operator()(const report::BoxChanged &r) const { listener.boxChanged(r); }
    void operator()(const report::AmountsChanged &r) const { listener.amountsChanged(r); }
    void operator()(const report::TotalsChanged &r) const { listener.totalsChanged(r); }
    void operator()(const report::ControlsChanged &r) const { listener.controlsChanged(r); }
    void operator()(const report::ChipPlaced &r) const { listener.chipPlaced(r); }
    void operator()(const report::RoundDealt &r) const { listener.roundDealt(r); }
    void operator()(const report::InsuranceOffered &r) const { listener.insuranceOffered(r); }
    void operator()(const report::InsuranceOfferClosed &r) const { listener.insuranceOfferClosed(r); }
    void operator()(const report::InsuranceAnswered &r) const { listener.insuranceAnswered(r); }
    void operator()(const report::Doubled &r) const { listener.doubled(r); }
    void operator()(const report::ChoiceMade &r) const { listener.choiceMade(r); }
    void operator()(const report::DealerPaused &r) const { listener.dealerPaused(r); }
    void operator()(const report::DealerPauseCancelled &r) const { listener.dealerPauseCancelled(r); }
    void operator()(const report::OutcomeSettled &r) const { listener.outcomeSettled(r); }
    void operator()(const report::RoundEnded &r) const { listener.roundEnded(r); }
    void operator()(const report::TableRestarted &r) const { listener.tableRestarted(r); }
    void operator()(const report::Refused &r) const { listener.refused(r); }
};

} // namespace

void RoundListener::hear(const RoundReport &report) {
    std::visit(Delivery{*this}, report);
}

void RoundAudience::join(RoundListener &listener) {
    if (std::find(listeners.begin(), listeners.end(), &listener) == listeners.end())
        listeners.push_back(&listener);
}

void RoundAudience::leave(RoundListener &listener) {
    std::erase(listeners, &listener);
}

void RoundAudience::tell(const RoundReport &report) const {
    for (RoundListener *listener : listeners)
        listener->hear(report);
}
