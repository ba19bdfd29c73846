#include "betting/alert.h"
#include "table/card_box.h"
#include "table/table_window.h"

#include <QLabel>
#include <QPushButton>

void BJMain::cmdDouble_Click() {
    DoubleDown();
    cmdDouble->setEnabled(false);
}

void BJMain::DoubleDown() {
    const double stake = captionNumber(lblBet);
    const double bankroll = captionNumber(lblmoney);
    if (stake > bankroll) {
        alert(notEnoughMoneyText);
        return;
    }
    writeNumber(lblmoney, bankroll - stake);
    writeNumber(lblBet, stake * 2);
    PicPlay[2]->show();
    dealCardInto(PicPlay[2], round.PlayCard[2]);
    // From an opening 11 no ace can count 11 and no total can pass 21.
    writeNumber(lblPlay, round.PlayCard[0] + round.PlayCard[1] + round.PlayCard[2]);
    DealerPlay();
}
