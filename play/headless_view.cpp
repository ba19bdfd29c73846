#include "play/headless_view.h"

#include <algorithm>

namespace {

int shown(const std::array<HeadlessView::Box, 7> &boxes) {
    return static_cast<int>(std::count_if(boxes.begin(), boxes.end(), [](const HeadlessView::Box &box) {
        return box.shows != BoxShows::Nothing;
    }));
}

} // namespace

int HeadlessView::playerCardsShown() const {
    return shown(player);
}

int HeadlessView::dealerCardsShown() const {
    return shown(dealer);
}

void HeadlessView::cardDealt(const report::CardDealt &card) {
    (card.hand == Hand::Player ? player : dealer)[card.position] = {BoxShows::Face, card.cardNumber};
    if (card.way == CardWay::Hit || card.way == CardWay::DealerDraw)
        ++cardsDrawn;
}

void HeadlessView::boxChanged(const report::BoxChanged &box) {
    (box.hand == Hand::Player ? player : dealer)[box.position] = {box.shows, 0};
}

void HeadlessView::amountsChanged(const report::AmountsChanged &amounts) {
    bankroll = amounts.bankroll;
    stake = amounts.stake;
}

void HeadlessView::totalsChanged(const report::TotalsChanged &totals) {
    playerTotal = totals.player;
    dealerTotal = totals.dealer;
}

void HeadlessView::insuranceOffered(const report::InsuranceOffered &) {
    ++insuranceOffers;
    insuranceOfferOnScreen = true;
}

void HeadlessView::dealerPaused(const report::DealerPaused &) {
    ++dealerPauses;
    dealerPauseWaiting = true;
}

void HeadlessView::forgetTheRound() {
    outcomes.clear();
    cardsDrawn = 0;
    insuranceOffers = 0;
    dealerPauses = 0;
}
