#include "betting/cues.h"
#include "table/card_box.h"
#include "table/table_window.h"

#include <QLabel>
#include <QPushButton>

void BJMain::CmdStand_Click() {
    DealerPlay();
}

namespace {

// The dealer's box that a slot code names: codes 1 to 5 are boxes 7 down to 3, codes 6 and 7 the hole card.
int boxForSlotCode(int slotCode) {
    return slotCode <= 5 ? 7 - slotCode : 1;
}

} // namespace

void BJMain::DealerPlay() {
    const std::uint64_t epoch = roundEpoch;
    cmdDouble->setEnabled(false);
    CmdHit->setEnabled(false);
    CmdNew->setEnabled(false);
    CmdStand->setEnabled(false);

    // Kept from pass to pass: with all seven boxes showing, the seventh card is drawn again.
    int slotCode = 1;
    // The dealer stands on every 17, soft or hard.
    while (captionNumber(lblCom) < 17) {
        // The hole card always comes first, then the lowest hidden box among 3 to 7.
        for (int code = 1; code <= 5; ++code) {
            if (PicCom[7 - code]->isHidden())
                slotCode = code;
        }
        if (PicCom[1]->picture().isSameAs(PicBack->picture()))
            slotCode = 6;
        if (PicCom[1]->isHidden())
            slotCode = 7;

        if (!PauseBeforeDealerCard(epoch))
            return;
        PlaySoundCue(Cue::Whoosh);
        const int box = boxForSlotCode(slotCode);
        PicCom[box]->show();
        dealCardInto(PicCom[box], round.ComCard[box]);
        writeHandTotal(round.ComCard, round.ComNoAce, lblCom);
    }
    SettleRound();
}
