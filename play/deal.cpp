#include "betting/payouts.h"
#include "play/round_model.h"

void RoundModel::deal() {
    if (!enabled.deal)
        return;
    if (bet == 0) {
        audience.tell(report::Refused{Alert::BetFirst});
        return;
    }
    dealDeck.ResetDeck();
    round.PlayCard.fill(0);
    round.ComCard.fill(0);
    for (int position = 2; position < 7; ++position)
        showBox(Hand::Player, position, BoxShows::Nothing);
    for (int position = 1; position < 7; ++position)
        showBox(Hand::Dealer, position, BoxShows::Nothing);
    roundInPlay = true;
    audience.tell(report::RoundDealt{bet, money});

    // The three hidden draws reseed the generator, so the cards dealt depend on the moment of the deal.
    while (dealDeck.DealDraws < 3) {
        dealDeck.DrawCard(random);
        ++dealDeck.DealDraws;
    }

    // The dealer gets the up card alone, totalled without the ace rule: an ace up card shows 1. The
    // hole card is drawn only when the dealer turns it up.
    dealCard(Hand::Dealer, 0, CardWay::Deal);
    dealerCount = round.ComCard[0];
    showTotals();
    dealCard(Hand::Player, 0, CardWay::Deal);
    dealCard(Hand::Player, 1, CardWay::Deal);
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
        endRound(true);
    }
    if (playerCount == 11) {
        RoundControls offer = enabled;
        offer.doubleDown = true;
        setControls(offer);
    }
}

void RoundModel::OfferInsurance() {
    enterPhase(RoundPhase::InsuranceOffer);
    // The hole card lies face down beside the ace; it is drawn only when the dealer turns it up.
    showBox(Hand::Dealer, 1, BoxShows::Back);
    audience.tell(report::InsuranceOffered{insuranceCost(bet)});
}

void RoundModel::answerInsurance(InsuranceAnswer answer) {
    if (currentPhase != RoundPhase::InsuranceOffer)
        return;
    applyInsuranceAnswer(answer, *openDecision());
    audience.tell(report::InsuranceOfferClosed{});
    finishDeal();
}

// Both answers hand the turn back to the player; closing the offer without an answer counts as No, and
// so does an insurance the bankroll cannot cover.
void RoundModel::applyInsuranceAnswer(InsuranceAnswer answer, const OpenDecision &decision) {
    const double cost = insuranceCost(bet);
    const bool refused = answer == InsuranceAnswer::Yes && cost > money;
    if (refused)
        audience.tell(report::Refused{Alert::NotEnoughMoney});
    const bool bought = answer == InsuranceAnswer::Yes && !refused;
    audience.tell(report::ChoiceMade{bought ? Choice::Insure : Choice::DeclineInsurance, decision});
    if (bought)
        changeAmounts(money - cost, bet);
    round.InsYes = bought ? 1 : 0;
    audience.tell(report::InsuranceAnswered{bought, cost, money});
    enterPhase(RoundPhase::PlayerTurn);
}
