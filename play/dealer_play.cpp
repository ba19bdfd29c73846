#include "play/dealer_pause.h"
#include "play/round_model.h"

void RoundModel::stand() {
    if (!enabled.CmdStand)
        return;
    DealerPlay();
}

namespace {

// The dealer's box that a slot code names: codes 1 to 5 are boxes 7 down to 3, codes 6 and 7 the hole card.
int positionForSlotCode(int slotCode) {
    return slotCode <= 5 ? 7 - slotCode : 1;
}

} // namespace

void RoundModel::DealerPlay() {
    DealerPause pause(clock, round, roundEpoch);
    enterPhase(RoundPhase::DealerTurn);

    // Kept from pass to pass: with all seven boxes showing, the seventh card is drawn again.
    int slotCode = 1;
    // The dealer stands on every 17, soft or hard.
    while (dealerCount < 17) {
        // The hole card always comes first, then the lowest empty box among 3 to 7.
        for (int code = 1; code <= 5; ++code) {
            if (round.PicCom[7 - code] == BoxShows::Nothing)
                slotCode = code;
        }
        if (round.PicCom[1] == BoxShows::Back)
            slotCode = 6;
        if (round.PicCom[1] == BoxShows::Nothing)
            slotCode = 7;

        if (!view.waitBeforeDealerCard(pause) || pause.roundGivenUp())
            return;
        view.playSound(SoundCue::Whoosh);
        dealCard(Hand::Dealer, positionForSlotCode(slotCode));
        recountDealer();
    }
    SettleRound();
}
