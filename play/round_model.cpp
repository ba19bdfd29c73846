#include "play/round_model.h"

#include "betting/payouts.h"

RoundModel::RoundModel(RandomSource &random, TimeOfDayClock &clock) : RoundTable(random), clock(clock) {}

void RoundModel::load() {
    round.WaitSecs = 1;
    dealDeck.ResetDeck();
    for (int position = 1; position < 7; ++position)
        round.PicCom[position] = BoxShows::Nothing;
    // The insurance dialog exists from now on, with no insurance bought.
    round.InsYes = 0;
    enterPhase(RoundPhase::Idle);
    reportWholeTable();
}

void RoundModel::restart() {
    cancelWaiting();
    endRound(false);
    changeAmounts(500, 0);
    playerCount = 0;
    dealerCount = 0;
    showTotals();
    clearBoxes();
    enterPhase(RoundPhase::Idle);
    tell(report::TableRestarted{money});
}

// The controls are left as they were: the window that showed them is going.
void RoundModel::giveUp() {
    cancelWaiting();
    if (currentPhase == RoundPhase::InsuranceOffer || currentPhase == RoundPhase::DealerTurn)
        currentPhase = RoundPhase::GivenUp;
    endRound(false);
}

void RoundModel::cancelWaiting() {
    if (currentPhase == RoundPhase::InsuranceOffer)
        tell(report::InsuranceOfferClosed{});
    else if (currentPhase == RoundPhase::DealerTurn)
        tell(report::DealerPauseCancelled{});
}

void RoundModel::endRound(bool settled) {
    if (!roundInPlay)
        return;
    roundInPlay = false;
    tell(report::RoundEnded{settled, money});
}

std::optional<OpenDecision> RoundModel::openDecision() const {
    if (currentPhase != RoundPhase::InsuranceOffer && currentPhase != RoundPhase::PlayerTurn)
        return std::nullopt;
    OpenDecision decision;
    decision.playerCards = round.PlayCard;
    decision.upCard = round.ComCard[0];
    decision.insuranceOffer = currentPhase == RoundPhase::InsuranceOffer;
    // InsYes keeps the last answer given, so it speaks for this hand only once this hand's offer is
    // answered.
    decision.insured = !decision.insuranceOffer && round.ComCard[0] == 1 && round.InsYes == 1;
    decision.enabled = enabled;
    decision.stake = bet;
    decision.bankroll = money;
    return decision;
}

void RoundModel::enterPhase(RoundPhase phase) {
    currentPhase = phase;
    RoundControls controls;
    switch (phase) {
    case RoundPhase::Idle: // waiting for a stake and a deal
        controls = {.deal = true, .hit = false, .stand = false, .doubleDown = false, .chips = true};
        break;
    case RoundPhase::InsuranceOffer: // the modal offer holds the whole table
    case RoundPhase::DealerTurn:     // nothing may start while the dealer pauses between cards
    case RoundPhase::GivenUp:
        controls = {.deal = false, .hit = false, .stand = false, .doubleDown = false, .chips = false};
        break;
    case RoundPhase::PlayerTurn: // the deal offers the double on its own, on an opening 11
        controls = {.deal = false, .hit = true, .stand = true, .doubleDown = false, .chips = false};
        break;
    }
    setControls(controls);
}

// There is no upper limit to the stake but the bankroll.
void RoundModel::placeChip(int value) {
    if (!enabled.chips)
        return;
    if (!bankrollCoversChip(money, value)) {
        tell(report::Refused{Alert::NotEnoughMoney});
        return;
    }
    changeAmounts(money - value, bet + value);
    tell(report::ChipPlaced{value, bet, money});
}

void RoundModel::deal() {
    if (!enabled.deal)
        return;
    if (bet == 0) {
        tell(report::Refused{Alert::BetFirst});
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
    tell(report::RoundDealt{bet, money});

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
    tell(report::InsuranceOffered{insuranceCost(bet)});
}

void RoundModel::answerInsurance(InsuranceAnswer answer) {
    if (currentPhase != RoundPhase::InsuranceOffer)
        return;
    applyInsuranceAnswer(answer, *openDecision());
    tell(report::InsuranceOfferClosed{});
    finishDeal();
}

// Both answers hand the turn back to the player; closing the offer without an answer counts as No, and
// so does an insurance the bankroll cannot cover.
void RoundModel::applyInsuranceAnswer(InsuranceAnswer answer, const OpenDecision &decision) {
    const double cost = insuranceCost(bet);
    const bool refused = answer == InsuranceAnswer::Yes && cost > money;
    if (refused)
        tell(report::Refused{Alert::NotEnoughMoney});
    const bool bought = answer == InsuranceAnswer::Yes && !refused;
    tell(report::ChoiceMade{bought ? Choice::Insure : Choice::DeclineInsurance, decision});
    if (bought)
        changeAmounts(money - cost, bet);
    round.InsYes = bought ? 1 : 0;
    tell(report::InsuranceAnswered{bought, cost, money});
    enterPhase(RoundPhase::PlayerTurn);
}

void RoundModel::hit() {
    if (!enabled.hit)
        return;
    if (const std::optional<OpenDecision> decision = openDecision())
        tell(report::ChoiceMade{Choice::Hit, *decision});
    // The lowest empty box among 3 to 7 is the next free one, since the boxes fill left to right.
    // Past the seventh card a hit draws nothing and only recounts.
    int position = -1;
    for (int i = 6; i >= 2; --i) {
        if (round.PicPlay[i] == BoxShows::Nothing)
            position = i;
    }
    if (position >= 0)
        dealCard(Hand::Player, position, CardWay::Hit);
    recountPlayer();
    if (playerCount > 21) {
        LoseHand();
        enterPhase(RoundPhase::Idle);
        endRound(true);
    } else {
        // Doubling after a hit would replace a card on the table: the offer is withdrawn.
        enterPhase(RoundPhase::PlayerTurn);
    }
}

// A refused double withdraws the offer; a double taken locks the table for the dealer's play.
void RoundModel::doubleDown() {
    if (!enabled.doubleDown)
        return;
    if (bet > money) {
        tell(report::Refused{Alert::NotEnoughMoney});
        RoundControls withdrawn = enabled;
        withdrawn.doubleDown = false;
        setControls(withdrawn);
        return;
    }
    if (const std::optional<OpenDecision> decision = openDecision())
        tell(report::ChoiceMade{Choice::Double, *decision});
    changeAmounts(money - bet, bet * 2);
    tell(report::Doubled{bet, money});
    // The double is offered on two cards only: its card goes to the third box.
    dealCard(Hand::Player, 2, CardWay::Double);
    // From an opening 11 no ace can count 11 and no total can pass 21.
    playerCount = handTotal(round.PlayCard);
    showTotals();
    DealerPlay();
}

void RoundModel::SettleRound() {
    // Insurance is offered only under an ace, so the dealer's blackjack is looked for in that order alone.
    if (round.ComCard[0] == 1 && round.ComCard[1] == 10 && round.InsYes == 1)
        PayInsurance();

    // The totals alone decide: a dealer's blackjack is a 21 like any other.
    if (playerCount > dealerCount || dealerCount > 21)
        WinHand();
    else if (playerCount == dealerCount)
        PushHand();
    else
        LoseHand();
    // A push leaves the stake on the label and the chips locked; the round ends here for every outcome.
    changeAmounts(money, 0);
    enterPhase(RoundPhase::Idle);
    endRound(true);
}

void RoundModel::stand() {
    if (!enabled.stand)
        return;
    if (const std::optional<OpenDecision> decision = openDecision())
        tell(report::ChoiceMade{Choice::Stand, *decision});
    DealerPlay();
}

// The dealer stands on every 17, soft or hard. Each card comes after its own pause, which a
// listener times and ends with endDealerPause().
void RoundModel::DealerPlay() {
    enterPhase(RoundPhase::DealerTurn);
    dealerSlotCode = 1;
    if (dealerCount < 17)
        pauseBeforeDealerCard();
    else
        SettleRound();
}

void RoundModel::pauseBeforeDealerCard() {
    dealerSlotCode = nextDealerSlotCode(round.PicCom, dealerSlotCode);
    pause.begin(clock, round.WaitSecs);
    endDealerPause();
}

void RoundModel::endDealerPause() {
    if (currentPhase != RoundPhase::DealerTurn)
        return;
    const double left = pause.secondsLeft(clock);
    if (left > 0) {
        tell(report::DealerPaused{clock.millisecondsToSleep(left)});
        return;
    }
    drawDealerCard();
}

void RoundModel::drawDealerCard() {
    dealCard(Hand::Dealer, positionForSlotCode(dealerSlotCode), CardWay::DealerDraw);
    recountDealer();
    if (dealerCount < 17)
        pauseBeforeDealerCard();
    else
        SettleRound();
}
