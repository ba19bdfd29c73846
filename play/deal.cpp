#include "betting/alert.h"
#include "play/insurance_dialog.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/table_pictures.h"
#include "table/table_window.h"

#include <QLabel>
#include <QPushButton>

void BJMain::CmdNew_Click() {
    if (captionNumber(lblBet) == 0) {
        alert(betFirstText);
        return;
    }
    deck.ResetDeck();
    round.PlayCard.fill(0);
    round.ComCard.fill(0);
    cmdDouble->setEnabled(false);
    CmdStand->setEnabled(true);
    lblBet10->setEnabled(false);
    lblBet5->setEnabled(false);
    lblBet50->setEnabled(false);
    for (int i = 2; i < 7; ++i)
        PicPlay[i]->hide();
    for (int i = 1; i < 7; ++i)
        PicCom[i]->hide();
    ResetClip();

    // The three hidden draws reseed the generator, so the cards dealt depend on the moment of the deal.
    while (deck.DealDraws < 3) {
        deck.DrawCard(*platform.random);
        ++deck.CardsDrawn;
        ++deck.DealDraws;
    }

    dealCardInto(PicCom[0], round.ComCard[0]);
    writeNumber(lblCom, round.ComCard[0]);
    dealCardInto(PicPlay[0], round.PlayCard[0]);
    dealCardInto(PicPlay[1], round.PlayCard[1]);

    CmdNew->setEnabled(false);
    CmdHit->setEnabled(true);
    writeNumber(lblPlay, round.PlayCard[0] + round.PlayCard[1]);
    // One ace counts 11; two aces show 12, so two cards never need the step back down.
    round.DealNoAce = (round.PlayCard[0] == 1 || round.PlayCard[1] == 1) ? 0 : 1;
    if (round.DealNoAce == 0)
        writeNumber(lblPlay, captionNumber(lblPlay) + 10);
    round.BJAceTen = (round.PlayCard[0] == 1 && round.PlayCard[1] == 10) ? 1 : 0;
    round.BJTenAce = (round.PlayCard[0] == 10 && round.PlayCard[1] == 1) ? 1 : 0;

    if (round.ComCard[0] == 1)
        OfferInsurance();
    if (round.BJTenAce == 1 || round.BJAceTen == 1)
        WinBlackjack();
    if (captionNumber(lblPlay) == 11)
        cmdDouble->setEnabled(true);
}

void BJMain::OfferInsurance() {
    CmdHit->setEnabled(false);
    CmdStand->setEnabled(false);
    // The hole card lies face down beside the ace; it is drawn only when the dealer turns it up.
    PicCom[1]->show();
    PicCom[1]->setPicture(PicBack->picture());
    BJInsurDialog->ShowModal();
}
