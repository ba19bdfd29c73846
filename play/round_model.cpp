#include "play/round_model.h"

#include "platform/random_source.h"

RoundModel::RoundModel(RoundView &view, RandomSource &random, TimeOfDayClock &clock)
    : view(view), random(random), clock(clock) {}

void RoundModel::load() {
    round.WaitSecs = 1;
    dealDeck.CardsDrawn = 0;
    dealDeck.ResetDeck();
    for (int position = 1; position < 7; ++position)
        round.PicCom[position] = BoxShows::Nothing;
    // The insurance dialog exists from now on, with no insurance bought.
    round.InsYes = 0;

    for (int position = 0; position < 7; ++position) {
        view.showCardBox(Hand::Player, position, round.PicPlay[position], 0);
        view.showCardBox(Hand::Dealer, position, round.PicCom[position], 0);
    }
    view.showBankroll(money);
    view.showStake(bet);
    view.showPlayerTotal(playerCount);
    view.showDealerTotal(dealerCount);
    enterPhase(RoundPhase::Idle);
    view.enableControls(enabled);
}

void RoundModel::restart() {
    ++roundEpoch;
    changeBankroll(500);
    changeStake(0);
    playerCount = 0;
    view.showPlayerTotal(playerCount);
    dealerCount = 0;
    view.showDealerTotal(dealerCount);

    showBox(Hand::Dealer, 0, BoxShows::Back);
    for (int position = 1; position < 7; ++position)
        showBox(Hand::Dealer, position, BoxShows::Nothing);
    showBox(Hand::Player, 0, BoxShows::Back);
    showBox(Hand::Player, 1, BoxShows::Back);
    for (int position = 2; position < 7; ++position)
        showBox(Hand::Player, position, BoxShows::Nothing);

    enterPhase(RoundPhase::Idle);
    view.hideClip();
}

void RoundModel::giveUp() {
    ++roundEpoch;
}

void RoundModel::setBankroll(double amount) {
    changeBankroll(amount);
}

void RoundModel::dealCard(Hand hand, int position) {
    const int cardNumber = drawShownCard(random);
    (hand == Hand::Player ? round.PicPlay : round.PicCom)[position] = BoxShows::Face;
    view.showCardBox(hand, position, BoxShows::Face, cardNumber);
    (hand == Hand::Player ? round.PlayCard : round.ComCard)[position] = cardValue(cardNumber);
}

void RoundModel::showBox(Hand hand, int position, BoxShows shows) {
    BoxShows &box = (hand == Hand::Player ? round.PicPlay : round.PicCom)[position];
    if (box == shows)
        return;
    box = shows;
    view.showCardBox(hand, position, shows, 0);
}

void RoundModel::recountPlayer() {
    const HandCount count = countHand(round.PlayCard);
    round.PlayNoAce = count.holdsAce ? 0 : 1;
    playerCount = totalOf(count);
    view.showPlayerTotal(playerCount);
}

void RoundModel::recountDealer() {
    const HandCount count = countHand(round.ComCard);
    round.ComNoAce = count.holdsAce ? 0 : 1;
    dealerCount = totalOf(count);
    view.showDealerTotal(dealerCount);
}

void RoundModel::changeBankroll(double amount) {
    money = amount;
    view.showBankroll(money);
}

void RoundModel::changeStake(double amount) {
    bet = amount;
    view.showStake(bet);
}
