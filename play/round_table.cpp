#include "play/round_table.h"

#include "betting/payouts.h"

void RoundTable::reportWholeTable() {
    for (int position = 0; position < 7; ++position) {
        tell(report::BoxChanged{Hand::Player, position, round.PicPlay[position]});
        tell(report::BoxChanged{Hand::Dealer, position, round.PicCom[position]});
    }
    tell(report::AmountsChanged{money, bet});
    showTotals();
    tell(report::ControlsChanged{enabled});
}

void RoundTable::clearBoxes() {
    showBox(Hand::Dealer, 0, BoxShows::Back);
    for (int position = 1; position < 7; ++position)
        showBox(Hand::Dealer, position, BoxShows::Nothing);
    showBox(Hand::Player, 0, BoxShows::Back);
    showBox(Hand::Player, 1, BoxShows::Back);
    for (int position = 2; position < 7; ++position)
        showBox(Hand::Player, position, BoxShows::Nothing);
}

void RoundTable::dealCard(Hand hand, int position, CardWay way) {
    const int cardNumber = drawShownCard(random);
    (hand == Hand::Player ? round.PicPlay : round.PicCom)[position] = BoxShows::Face;
    (hand == Hand::Player ? round.PlayCard : round.ComCard)[position] = cardValue(cardNumber);
    tell(report::CardDealt{hand, position, cardNumber, way});
}

void RoundTable::showBox(Hand hand, int position, BoxShows shows) {
    BoxShows &box = (hand == Hand::Player ? round.PicPlay : round.PicCom)[position];
    if (box == shows)
        return;
    box = shows;
    tell(report::BoxChanged{hand, position, shows});
}

void RoundTable::showTotals() {
    tell(report::TotalsChanged{playerCount, dealerCount});
}

void RoundTable::recountPlayer() {
    playerCount = handTotal(round.PlayCard);
    showTotals();
}

void RoundTable::recountDealer() {
    dealerCount = handTotal(round.ComCard);
    showTotals();
}

void RoundTable::changeAmounts(double bankroll, double stake) {
    money = bankroll;
    bet = stake;
    tell(report::AmountsChanged{money, bet});
}

void RoundTable::setControls(const RoundControls &controls) {
    if (controls == enabled)
        return;
    enabled = controls;
    tell(report::ControlsChanged{enabled});
}

void RoundTable::settle(RoundOutcome outcome, double stakeSettled, double paid) {
    tell(report::OutcomeSettled{outcome, stakeSettled, paid, money});
}

// Settles the insurance alone: the settlement goes on to settle the stake.
void RoundTable::PayInsurance() {
    changeAmounts(money + insurancePayout(bet), bet);
    settle(RoundOutcome::InsurancePays, bet, insurancePayout(bet));
    RoundControls controls = enabled;
    controls.deal = true;
    setControls(controls);
}

// The stake comes back; the settlement clears the bet and frees the chips afterwards.
void RoundTable::PushHand() {
    changeAmounts(money + pushPayout(bet), bet);
    settle(RoundOutcome::Push, bet, pushPayout(bet));
    RoundControls controls = enabled;
    controls.hit = false;
    controls.stand = false;
    controls.deal = true;
    setControls(controls);
}

// The stake was taken when the chips were placed, so a loss leaves the bankroll as it is. Hit and
// Stand are left to the caller: the hit locks them after a bust.
void RoundTable::LoseHand() {
    const double lost = bet;
    changeAmounts(money, 0);
    settle(RoundOutcome::Loss, lost, 0);
    RoundControls controls = enabled;
    controls.chips = true;
    controls.deal = true;
    setControls(controls);
}

void RoundTable::WinHand() {
    const double won = bet;
    changeAmounts(winPayout(won) + money, 0);
    settle(dealerCount > 21 ? RoundOutcome::DealerBusts : RoundOutcome::Win, won, winPayout(won));
    RoundControls controls = enabled;
    controls.chips = true;
    controls.deal = true;
    setControls(controls);
}

void RoundTable::WinBlackjack() {
    const double won = bet;
    changeAmounts(blackjackPayout(won) + money, 0);
    settle(RoundOutcome::Blackjack, won, blackjackPayout(won));
    RoundControls controls = enabled;
    controls.chips = true;
    controls.hit = false;
    controls.stand = false;
    controls.deal = true;
    setControls(controls);
}
