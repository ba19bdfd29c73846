#pragma once

#include "play/round_reports.h"

#include <vector>

// Hears what the round reports. Every report arrives through hear(), which hands it to the method of its
// kind; a listener overrides the kinds it cares about and ignores the rest. It answers later, by calling
// the round: the insurance answer through RoundModel::answerInsurance, the end of a dealer's pause
// through RoundModel::endDealerPause.
class RoundListener {
public:
    virtual ~RoundListener() = default;

    // Overridden only by a listener that keeps or passes on whole reports, such as the refusal hold.
    virtual void hear(const RoundReport &report);

    virtual void cardDealt(const report::CardDealt &) {}
    virtual void boxChanged(const report::BoxChanged &) {}
    virtual void amountsChanged(const report::AmountsChanged &) {}
    virtual void totalsChanged(const report::TotalsChanged &) {}
    virtual void controlsChanged(const report::ControlsChanged &) {}
    virtual void chipPlaced(const report::ChipPlaced &) {}
    virtual void roundDealt(const report::RoundDealt &) {}
    virtual void insuranceOffered(const report::InsuranceOffered &) {}
    virtual void insuranceOfferClosed(const report::InsuranceOfferClosed &) {}
    virtual void insuranceAnswered(const report::InsuranceAnswered &) {}
    virtual void doubled(const report::Doubled &) {}
    virtual void choiceMade(const report::ChoiceMade &) {}
    virtual void dealerPaused(const report::DealerPaused &) {}
    virtual void dealerPauseCancelled(const report::DealerPauseCancelled &) {}
    virtual void outcomeSettled(const report::OutcomeSettled &) {}
    virtual void roundEnded(const report::RoundEnded &) {}
    virtual void tableRestarted(const report::TableRestarted &) {}
    virtual void refused(const report::Refused &) {}
};

// The listeners of a round, told each report in the order they joined. A listener must leave before it
// is destroyed, and none joins or leaves while a report is being told.
class RoundAudience {
public:
    void join(RoundListener &listener);
    void leave(RoundListener &listener);

    void tell(const RoundReport &report) const;

private:
    std::vector<RoundListener *> listeners;
};
