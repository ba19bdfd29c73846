#include "betting/payouts.h"
#include "play/round_model.h"

void RoundModel::deal() {
    if (!enabled.CmdNew)
        return;
    if (bet == 0) {
        view.alertRaised(Alert::BetFirst);
        return;
    }
    dealDeck.ResetDeck();
    round.PlayCard.fill(0);
    round.ComCard.fill(0);
    for (int position = 2; position < 7; ++position)
        showBox(Hand::Player, position, BoxShows::Nothing);
    for (int position = 1; position < 7; ++position)
        showBox(Hand::Dealer, position, BoxShows::Nothing);
    view.dealStarted();

    // The three hidden draws reseed the generator, so the cards dealt depend on the moment of the deal.
    while (dealDeck.DealDraws < 3) {
        dealDeck.DrawCard(random);
        ++dealDeck.DealDraws;
    }

    // The dealer gets the up card alone, totalled without the ace rule: an ace up card shows 1. The
    // hole card is drawn only when the dealer turns it up.
    dealCard(Hand::Dealer, 0);
    dealerCount = round.ComCard[0];
    showTotals();
    dealCard(Hand::Player, 0);
    dealCard(Hand::Player, 1);
    enterPhase(RoundPhase::PlayerTurn);

    playerCount = handTotal(round.PlayCard);
    showTotals();
    round.BJAceTen = (round.PlayCard[0] == 1 && round.PlayCard[1] == 10) ? 1 : 0;
    round.BJTenAce = (round.PlayCard[0] == 10 && round.PlayCard[1] == 1) ? 1 : 0;

    if (round.ComCard[0] == 1)
        OfferInsurance(); // the deal goes on once the player has answered
    else
        finishDeal();
}

// A natural is paid even after bought insurance, which is then never resolved.
void RoundModel::finishDeal() {
    if (round.BJTenAce == 1 || round.BJAceTen == 1) {
        WinBlackjack();
        enterPhase(RoundPhase::Idle);
    }
    if (playerCount == 11) {
        RoundControls offer = enabled;
        offer.cmdDouble = true;
        setControls(offer);
    }
}

void RoundModel::OfferInsurance() {
    enterPhase(RoundPhase::InsuranceOffer);
    // The hole card lies face down beside the ace; it is drawn only when the dealer turns it up.
    showBox(Hand::Dealer, 1, BoxShows::Back);
    view.insuranceOffered();
}

void RoundModel::answerInsurance(InsuranceAnswer answer) {
    if (currentPhase != RoundPhase::InsuranceOffer)
        return;
    applyInsuranceAnswer(answer);
    view.insuranceOfferClosed();
    finishDeal();
}

// Both answers hand the turn back to the player; closing the offer without an answer counts as No.
void RoundModel::applyInsuranceAnswer(InsuranceAnswer answer) {
    if (answer != InsuranceAnswer::Yes) {
        round.InsYes = 0;
    } else if (insuranceCost(bet) > money) {
        view.alertRaised(Alert::NotEnoughMoney);
        round.InsYes = 0;
    } else {
        changeAmounts(money - insuranceCost(bet), bet);
        round.InsYes = 1;
    }
    enterPhase(RoundPhase::PlayerTurn);
}
