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

void HeadlessView::cardShown(Hand hand, int position, BoxShows shows, int cardNumber) {
    (hand == Hand::Player ? player : dealer)[position] = {shows, shows == BoxShows::Face ? cardNumber : 0};
}

void HeadlessView::amountsChanged(double newBankroll, double newStake) {
    bankroll = newBankroll;
    stake = newStake;
}

void HeadlessView::totalsChanged(int newPlayerTotal, int newDealerTotal) {
    playerTotal = newPlayerTotal;
    dealerTotal = newDealerTotal;
}

void HeadlessView::insuranceOffered() {
    ++insuranceOffers;
    insuranceOfferOnScreen = true;
}

void HeadlessView::dealerPaused(int) {
    ++dealerPauses;
    dealerPauseWaiting = true;
}

void HeadlessView::forgetTheRound() {
    outcomes.clear();
    cardsDrawn = 0;
    insuranceOffers = 0;
    dealerPauses = 0;
}
