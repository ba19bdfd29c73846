#include "table/refusal_hold.h"

void RefusalHold::pass(Report report) {
    if (refusalShowing)
        heldBack.push_back(std::move(report));
    else
        report(table);
}

void RefusalHold::refusalAcknowledged() {
    refusalShowing = false;
    while (!refusalShowing && !heldBack.empty()) {
        Report report = std::move(heldBack.front());
        heldBack.pop_front();
        report(table);
    }
}

void RefusalHold::alertRaised(Alert alert) {
    pass([this, alert](RoundView &view) {
        view.alertRaised(alert);
        refusalShowing = true;
    });
}

void RefusalHold::cardShown(Hand hand, int position, BoxShows shows, int cardNumber) {
    pass([=](RoundView &view) { view.cardShown(hand, position, shows, cardNumber); });
}

void RefusalHold::cardDrawn(Hand hand) {
    pass([=](RoundView &view) { view.cardDrawn(hand); });
}

void RefusalHold::amountsChanged(double bankroll, double stake) {
    pass([=](RoundView &view) { view.amountsChanged(bankroll, stake); });
}

void RefusalHold::totalsChanged(int player, int dealer) {
    pass([=](RoundView &view) { view.totalsChanged(player, dealer); });
}

void RefusalHold::controlsChanged(const RoundControls &enabled) {
    pass([=](RoundView &view) { view.controlsChanged(enabled); });
}

void RefusalHold::dealStarted() {
    pass([](RoundView &view) { view.dealStarted(); });
}

void RefusalHold::tableRestarted() {
    pass([](RoundView &view) { view.tableRestarted(); });
}

void RefusalHold::roundSettled(RoundOutcome outcome) {
    pass([=](RoundView &view) { view.roundSettled(outcome); });
}

void RefusalHold::insuranceOffered() {
    pass([](RoundView &view) { view.insuranceOffered(); });
}

void RefusalHold::insuranceOfferClosed() {
    pass([](RoundView &view) { view.insuranceOfferClosed(); });
}

void RefusalHold::dealerPaused(int milliseconds) {
    pass([=](RoundView &view) { view.dealerPaused(milliseconds); });
}

void RefusalHold::dealerPauseCancelled() {
    pass([](RoundView &view) { view.dealerPauseCancelled(); });
}
