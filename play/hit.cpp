#include "betting/cues.h"
#include "table/card_box.h"
#include "table/table_window.h"

#include <QLabel>
#include <QPushButton>

void BJMain::CmdHit_Click() {
    // The lowest hidden box among 3 to 7 is the next free one, since the boxes fill left to right.
    int slot = -1;
    for (int i = 6; i >= 2; --i) {
        if (PicPlay[i]->isHidden())
            slot = i;
    }
    if (slot >= 0) {
        PlaySoundCue(Cue::Whoosh);
        PicPlay[slot]->show();
        dealCardInto(PicPlay[slot], round.PlayCard[slot]);
    }
    // Doubling after a hit would replace a card on the table, and after a bust replay a lost hand.
    cmdDouble->setEnabled(false);

    writeHandTotal(round.PlayCard, round.PlayNoAce, lblPlay);
    if (captionNumber(lblPlay) > 21) {
        LoseHand();
        CmdStand->setEnabled(false);
        CmdHit->setEnabled(false);
        CmdNew->setEnabled(true);
    }
}
