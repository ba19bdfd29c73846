#include "table/amount_captions.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/corvane_alert.h"
#include "table/fitted_text.h"
#include "table/insurance_dialog.h"
#include "table/narrator.h"
#include "table/outcome_cues.h"
#include "table/table_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

void BJMain::cardShown(Hand hand, int position, BoxShows shows, int cardNumber) {
    CardBox *box = (hand == Hand::Player ? PicPlay : PicCom)[position];
    switch (shows) {
    case BoxShows::Nothing:
        box->hide();
        break;
    case BoxShows::Back:
        box->show();
        box->setPicture(PicBack->picture());
        break;
    case BoxShows::Face:
        box->show();
        Deck1.setCard(static_cast<qint32>(cardNumber));
        box->setPicture(Deck1.picture());
        break;
    }
    narrator->cardShown(hand, position, shows, cardNumber);
    putAwayHint();
}

// The amounts and totals the player sees exist only as these captions. An amount wider than its box,
// such as "10012.5", is shown whole in a smaller size: the box keeps its size and place.
void BJMain::amountsChanged(double bankroll, double stake) {
    setFittedText(lblBet, captionFromAmount(stake), betFont);
    setFittedText(lblmoney, captionFromAmount(bankroll), moneyFont);
    narrator->amountsChanged(bankroll, stake);
    putAwayHint();
}

void BJMain::totalsChanged(int player, int dealer) {
    lblPlay->setText(captionFromAmount(player));
    lblCom->setText(captionFromAmount(dealer));
    narrator->totalsChanged(player, dealer);
}

// The focus follows the round, so that a keyboard player never has to look for it: on Hit when the
// deal hands the player the turn, on New Game when the round is over.
void BJMain::controlsChanged(const RoundControls &enabled) {
    const bool turnBegins = enabled.CmdHit && !CmdHit->isEnabled();
    const bool roundEnds = enabled.CmdNew && !CmdNew->isEnabled();
    CmdNew->setEnabled(enabled.CmdNew);
    CmdHit->setEnabled(enabled.CmdHit);
    CmdStand->setEnabled(enabled.CmdStand);
    cmdDouble->setEnabled(enabled.cmdDouble);
    for (ChipLabel *chip : {lblBet5, lblBet10, lblBet50})
        chip->setEnabled(enabled.chips);
    if (roundEnds)
        CmdNew->setFocus();
    else if (turnBegins)
        CmdHit->setFocus();
    putAwayHint();
}

// A refusal of the insurance shows over the offer, which is still on screen. What the round did next is
// shown once the player has closed the refusal.
void BJMain::alertRaised(Alert alert) {
    QWidget *parent = insuranceWindow();
    QMessageBox *refusal =
        showCorvaneAlert(parent ? parent : this, QCoreApplication::translate("Alert", alertText(alert)));
    connect(refusal, &QDialog::finished, this, [this] { hold.refusalAcknowledged(); });
}

void BJMain::insuranceOffered() {
    BJInsurDialog->Show(this, narrator->insuranceQuestion());
}

void BJMain::insuranceOfferClosed() {
    putAwayHint();
    BJInsurDialog->Unload();
}

void BJMain::dealerPaused(int milliseconds) {
    dealerPauseTimer.start(milliseconds);
}

void BJMain::dealerPauseCancelled() {
    dealerPauseTimer.stop();
}
