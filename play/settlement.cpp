#include "play/insurance_dialog.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QLabel>

void BJMain::SettleRound() {
    // Insurance is offered only under an ace, so the dealer's blackjack is looked for in that order alone.
    if (round.ComCard[0] == 1 && round.ComCard[1] == 10 && BJInsurDialog->InsYes == 1)
        PayInsurance();

    const double player = captionNumber(lblPlay);
    const double dealer = captionNumber(lblCom);
    if (lblCom->text() == lblPlay->text())
        round.Outcome = RoundState::OutcomePush;
    if (player < dealer)
        round.Outcome = RoundState::OutcomeDealerWins;
    if (dealer > 21 && player < dealer)
        round.Outcome = RoundState::OutcomePlayerWins;
    if (player > dealer)
        round.Outcome = RoundState::OutcomePlayerWins;

    switch (round.Outcome) {
    case RoundState::OutcomePush:
        PushHand();
        break;
    case RoundState::OutcomeDealerWins:
        LoseHand();
        break;
    case RoundState::OutcomePlayerWins:
        WinHand();
        break;
    }
    lblBet->setText(QStringLiteral("0"));
    enableChips();
}
