#include "soak/soak_modal_answerer.h"

#include "soak/soak_dice.h"
#include "soak/soak_referee.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <utility>

SoakModalAnswerer::SoakModalAnswerer(SoakSession &session, SoakDice &dice, SoakReferee &referee,
                                     std::function<void()> actDuringTheOffer)
    : session(session), dice(dice), referee(referee), actDuringTheOffer(std::move(actDuringTheOffer)) {}

// The offer and the refusals open without waiting: the player answers whatever an action opened.
void SoakModalAnswerer::answerModalWindows() {
    while (QWidget *modal = QApplication::activeModalWidget()) {
        std::erase_if(answered, [](const QPointer<QWidget> &window) { return window.isNull(); });
        if (std::find(answered.begin(), answered.end(), modal) != answered.end()) {
            referee.fail("the modal window " + modal->objectName().toStdString() +
                         " stays up after its answer");
            modal->close();
            return;
        }
        answered.emplace_back(modal);
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            answerAlert(box);
        else if (modal->objectName() == QLatin1String("BJInsur"))
            answerOffer(modal);
        else {
            referee.fail("an unexpected modal window " + modal->objectName().toStdString());
            modal->close();
        }
    }
}

void SoakModalAnswerer::answerAlert(QMessageBox *alert) {
    ++session.alertsSeen;
    ++session.report.alerts;
    referee.log("alert \"" + alert->text().toStdString() + "\" answered");
    if (QAbstractButton *ok = alert->button(QMessageBox::Ok))
        ok->click();
    else
        alert->close();
}

void SoakModalAnswerer::answerOffer(QWidget *offer) {
    ++session.report.insuranceOffers;
    if (session.ledger.phase != SoakLedger::Phase::InsuranceOffer && !session.windowClosed)
        referee.fail("an insurance offer the rules do not make");
    const QPointer<QWidget> window = offer;
    if (dice.chance(0.15) && !session.windowClosed)
        actDuringTheOffer();
    if (!window || !window->isVisible())
        return;
    const int roll = dice.pick(100);
    const SoakLedger::Answer answer = roll < 45   ? SoakLedger::Answer::Yes
                                      : roll < 80 ? SoakLedger::Answer::No
                                                  : SoakLedger::Answer::Closed;
    referee.log(answer == SoakLedger::Answer::Yes  ? "insurance Yes"
                : answer == SoakLedger::Answer::No ? "insurance No"
                                                   : "insurance offer closed");
    if (!session.windowClosed)
        session.ledger.answerInsurance(answer);
    if (answer == SoakLedger::Answer::Closed)
        window->close();
    else
        window->findChild<QPushButton *>(answer == SoakLedger::Answer::Yes ? "CmdYes" : "CmdNo")->click();
}
