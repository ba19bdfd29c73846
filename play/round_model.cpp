#include "play/round_model.h"

#include "platform/random_source.h"

RoundModel::RoundModel(RandomSource &random, TimeOfDayClock &clock) : random(random), clock(clock) {}

void RoundModel::load() {
    round.WaitSecs = 1;
    dealDeck.ResetDeck();
    for (int position = 1; position < 7; ++position)
        round.PicCom[position] = BoxShows::Nothing;
    // The insurance dialog exists from now on, with no insurance bought.
    round.InsYes = 0;

    for (int position = 0; position < 7; ++position) {
        audience.tell(report::BoxChanged{Hand::Player, position, round.PicPlay[position]});
        audience.tell(report::BoxChanged{Hand::Dealer, position, round.PicCom[position]});
    }
    audience.tell(report::AmountsChanged{money, bet});
    showTotals();
    enterPhase(RoundPhase::Idle);
    audience.tell(report::ControlsChanged{enabled});
}

void RoundModel::restart() {
    cancelWaiting();
    endRound(false);
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
    audience.tell(report::TableRestarted{money});
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
        audience.tell(report::InsuranceOfferClosed{});
    else if (currentPhase == RoundPhase::DealerTurn)
        audience.tell(report::DealerPauseCancelled{});
}

void RoundModel::endRound(bool settled) {
    if (!roundInPlay)
        return;
    roundInPlay = false;
    audience.tell(report::RoundEnded{settled, money});
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

void RoundModel::setBankroll(double amount) {
    changeAmounts(amount, bet);
}

void RoundModel::dealCard(Hand hand, int position, CardWay way) {
    const int cardNumber = drawShownCard(random);
    (hand == Hand::Player ? round.PicPlay : round.PicCom)[position] = BoxShows::Face;
    (hand == Hand::Player ? round.PlayCard : round.ComCard)[position] = cardValue(cardNumber);
    audience.tell(report::CardDealt{hand, position, cardNumber, way});
}

void RoundModel::showBox(Hand hand, int position, BoxShows shows) {
    BoxShows &box = (hand == Hand::Player ? round.PicPlay : round.PicCom)[position];
    if (box == shows)
        return;
    box = shows;
    audience.tell(report::BoxChanged{hand, position, shows});
}

void RoundModel::showTotals() {
    audience.tell(report::TotalsChanged{playerCount, dealerCount});
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
    audience.tell(report::AmountsChanged{money, bet});
}
