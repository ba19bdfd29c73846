#include "play/round_model.h"

#include "cards/random_source.h"

RoundModel::RoundModel(RoundView &view, RandomSource &random, TimeOfDayClock &clock)
    : view(view), random(random), clock(clock) {}

void RoundModel::load() {
    round.WaitSecs = 1;
    dealDeck.ResetDeck();
    for (int position = 1; position < 7; ++position)
        round.PicCom[position] = BoxShows::Nothing;
    // The insurance dialog exists from now on, with no insurance bought.
    round.InsYes = 0;

    for (int position = 0; position < 7; ++position) {
        view.cardShown(Hand::Player, position, round.PicPlay[position], 0);
        view.cardShown(Hand::Dealer, position, round.PicCom[position], 0);
    }
    view.amountsChanged(money, bet);
    showTotals();
    enterPhase(RoundPhase::Idle);
    view.controlsChanged(enabled);
}

void RoundModel::restart() {
    cancelWaiting();
    changeAmounts(500, 0);
    playerCount = 0;
    dealerCount = 0;
    showTotals();

    showBox(Hand::Dealer, 0, BoxShows::Back);
    for (int position = 1; position < 7; ++position)
        showBox(Hand::Dealer, position, BoxShows::Nothing);
    showBox(Hand::Player, 0, BoxShows::Back);
    showBox(Hand::Player, 1, BoxShows::Back);
    for (int position = 2; position < 7; ++position)
        showBox(Hand::Player, position, BoxShows::Nothing);

    enterPhase(RoundPhase::Idle);
    view.tableRestarted();
}

// The controls are left as they were: the window that showed them is going.
void RoundModel::giveUp() {
    cancelWaiting();
    if (currentPhase == RoundPhase::InsuranceOffer || currentPhase == RoundPhase::DealerTurn)
        currentPhase = RoundPhase::GivenUp;
}

void RoundModel::cancelWaiting() {
    if (currentPhase == RoundPhase::InsuranceOffer)
        view.insuranceOfferClosed();
    else if (currentPhase == RoundPhase::DealerTurn)
        view.dealerPauseCancelled();
}

void RoundModel::setBankroll(double amount) {
    changeAmounts(amount, bet);
}

void RoundModel::dealCard(Hand hand, int position) {
    const int cardNumber = drawShownCard(random);
    (hand == Hand::Player ? round.PicPlay : round.PicCom)[position] = BoxShows::Face;
    view.cardShown(hand, position, BoxShows::Face, cardNumber);
    (hand == Hand::Player ? round.PlayCard : round.ComCard)[position] = cardValue(cardNumber);
}

void RoundModel::showBox(Hand hand, int position, BoxShows shows) {
    BoxShows &box = (hand == Hand::Player ? round.PicPlay : round.PicCom)[position];
    if (box == shows)
        return;
    box = shows;
    view.cardShown(hand, position, shows, 0);
}

void RoundModel::showTotals() {
    view.totalsChanged(playerCount, dealerCount);
}

void RoundModel::recountPlayer() {
    playerCount = handTotal(round.PlayCard);
    showTotals();
}

void RoundModel::recountDealer() {
    dealerCount = handTotal(round.ComCard);
    showTotals();
}

void RoundModel::changeAmounts(double bankroll, double stake) {
    money = bankroll;
    bet = stake;
    view.amountsChanged(money, bet);
}
