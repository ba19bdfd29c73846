#include "play/round_model.h"

void RoundModel::stand() {
    if (!enabled.stand)
        return;
    if (const std::optional<OpenDecision> decision = openDecision())
        audience.tell(report::ChoiceMade{Choice::Stand, *decision});
    DealerPlay();
}

namespace {

// The dealer's box that a slot code names: codes 1 to 5 are boxes 7 down to 3, codes 6 and 7 the hole card.
int positionForSlotCode(int slotCode) {
    return slotCode <= 5 ? 7 - slotCode : 1;
}

} // namespace

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
    // The hole card always comes first, then the lowest empty box among 3 to 7.
    for (int code = 1; code <= 5; ++code) {
        if (round.PicCom[7 - code] == BoxShows::Nothing)
            dealerSlotCode = code;
    }
    if (round.PicCom[1] == BoxShows::Back)
        dealerSlotCode = 6;
    if (round.PicCom[1] == BoxShows::Nothing)
        dealerSlotCode = 7;

    pause.begin(clock, round.WaitSecs);
    endDealerPause();
}

void RoundModel::endDealerPause() {
    if (currentPhase != RoundPhase::DealerTurn)
        return;
    const double left = pause.secondsLeft(clock);
    if (left > 0) {
        audience.tell(report::DealerPaused{clock.millisecondsToSleep(left)});
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
