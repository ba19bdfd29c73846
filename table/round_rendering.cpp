#include "betting/amounts.h"
#include "play/dealer_pause.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/corvane_alert.h"
#include "table/fitted_text.h"
#include "table/insurance_dialog.h"
#include "table/narrator.h"
#include "table/table_window.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

void BJMain::showCardBox(Hand hand, int position, BoxShows shows, int cardNumber) {
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
    narrator->showCardBox(hand, position, shows, cardNumber);
}

// The amounts and totals the player sees exist only as these captions. An amount wider than its box,
// such as "10012.5", is shown whole in a smaller size: the box keeps its size and place.
void BJMain::showBankroll(double amount) {
    setFittedText(lblmoney, captionFromAmount(amount), moneyFont);
    narrator->showBankroll(amount);
}

void BJMain::showStake(double amount) {
    setFittedText(lblBet, captionFromAmount(amount), betFont);
    narrator->showStake(amount);
}

void BJMain::showPlayerTotal(int total) {
    lblPlay->setText(captionFromAmount(total));
    narrator->showPlayerTotal(total);
}

void BJMain::showDealerTotal(int total) {
    lblCom->setText(captionFromAmount(total));
    narrator->showDealerTotal(total);
}

// The focus follows the round, so that a keyboard player never has to look for it: on Hit when the
// deal hands the player the turn, on New Game when the round is over.
void BJMain::enableControls(const RoundControls &enabled) {
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
}

// A refusal of the insurance shows over the offer, which is still on screen.
void BJMain::alert(Alert alert) {
    QWidget *parent = insuranceWindow();
    showCorvaneAlert(parent ? parent : this, QCoreApplication::translate("Alert", alertText(alert)));
}

InsuranceAnswer BJMain::askInsurance() {
    return BJInsurDialog->ShowModal(narrator->insuranceQuestion());
}

void BJMain::closeInsuranceOffer() {
    BJInsurDialog->Unload();
}

bool BJMain::waitBeforeDealerCard(DealerPause &pause) {
    return pause.wait([this](int milliseconds) { return sleepHandlingEvents(milliseconds); });
}

namespace {

// Exit codes of the pause's event loop; anything else means the application itself is quitting.
constexpr int wokeUp = 1;
constexpr int givenUp = 2;

} // namespace

bool BJMain::sleepHandlingEvents(int milliseconds) {
    // A restart during the pause can start a new round whose dealer pauses inside this one.
    const QPointer<QEventLoop> outer = pauseLoop;
    QEventLoop sleeper;
    pauseLoop = &sleeper;
    QTimer::singleShot(milliseconds, &sleeper, [&sleeper] { sleeper.exit(wokeUp); });
    const int woke = sleeper.exec();
    pauseLoop = outer;
    return woke == wokeUp;
}

void BJMain::wakeDealerPause() {
    if (pauseLoop)
        pauseLoop->exit(givenUp);
}
