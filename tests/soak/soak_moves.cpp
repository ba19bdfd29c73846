#include "soak/soak_moves.h"

#include "soak/soak_dice.h"
#include "soak/soak_modal_answerer.h"
#include "soak/soak_referee.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/chip_label.h"

#include <QPushButton>
#include <QTest>
#include <sstream>
#include <string>
#include <utility>

namespace {

std::string cardsText(const std::vector<int> &cards) {
    std::ostringstream text;
    for (int card : cards)
        text << ' ' << card;
    return text.str();
}

} // namespace

SoakMoves::SoakMoves(SoakSession &session, SoakDice &dice, SoakReferee &referee, SoakModalAnswerer &answerer,
                     std::function<void()> actInTheDealersPause)
    : session(session), dice(dice), referee(referee), answerer(answerer),
      actInTheDealersPause(std::move(actInTheDealersPause)) {}

void SoakMoves::chip(int value) {
    referee.log("chip " + std::to_string(value));
    session.ledger.chip(value);
    const TableControls &ui = *session.table->ui;
    ChipLabel *chips[] = {ui.lblBet5, ui.lblBet10, ui.lblBet50};
    QTest::mouseClick(chips[value == 5 ? 0 : value == 10 ? 1 : 2], Qt::LeftButton);
    answerer.answerModalWindows();
}

void SoakMoves::deal() {
    SoakLedger &ledger = session.ledger;
    int up = dice.randomCard();
    if (dice.chance(0.2))
        up = 1 + 13 * dice.pick(4); // an ace up, for the insurance offer
    int first = dice.randomCard();
    int second = dice.randomCard();
    if (dice.chance(0.08)) {
        first = 1 + 13 * dice.pick(4);
        second = 10 + dice.pick(4) + 13 * dice.pick(4);
        if (dice.chance(0.5))
            std::swap(first, second);
    } else if (dice.chance(0.12)) {
        const int low = 2 + dice.pick(4); // 2 to 5, with 9 to 6: an opening 11
        first = low + 13 * dice.pick(4);
        second = 11 - low + 13 * dice.pick(4);
    }
    referee.log("deal" + cardsText({up, first, second}));
    const bool takes = ledger.phase == SoakLedger::Phase::Idle && ledger.stake > 0;
    ledger.deal(up, first, second);
    if (takes) {
        session.table->random->clearScript();
        session.table->random->pushDeal(up, first, second);
    }
    QTest::mouseClick(session.table->ui->CmdNew, Qt::LeftButton);
    answerer.answerModalWindows();
    if (ledger.phase == SoakLedger::Phase::InsuranceOffer && !session.windowClosed)
        referee.fail("the insurance offer never came or was never answered");
}

void SoakMoves::hit() {
    SoakLedger &ledger = session.ledger;
    const int card = dice.chance(0.15) ? 1 + dice.pick(3) + 13 * dice.pick(4) : dice.randomCard();
    const bool draws = ledger.phase == SoakLedger::Phase::PlayerTurn && ledger.hitDraws();
    referee.log(draws ? "hit " + std::to_string(card) : std::string("hit"));
    ledger.hit(card);
    if (draws) {
        session.table->random->clearScript();
        session.table->random->pushCards({card});
    }
    QTest::mouseClick(session.table->ui->CmdHit, Qt::LeftButton);
}

void SoakMoves::stand() {
    SoakLedger &ledger = session.ledger;
    const bool plays = ledger.phase == SoakLedger::Phase::PlayerTurn;
    std::vector<int> dealerCards;
    if (plays) {
        dealerCards = ledger.dealerDraws(dice.randomCards(12));
        session.table->random->clearScript();
        for (int card : dealerCards)
            session.table->random->pushCards({card});
    }
    referee.log("stand" + cardsText(dealerCards));
    ledger.stand();
    QTest::mouseClick(session.table->ui->CmdStand, Qt::LeftButton);
    if (plays)
        playTheDealersTurn(dealerCards);
}

void SoakMoves::doubleDown() {
    SoakLedger &ledger = session.ledger;
    const bool plays = ledger.doubleTakes();
    const int card = dice.randomCard();
    std::vector<int> dealerCards;
    if (plays) {
        dealerCards = ledger.dealerDraws(dice.randomCards(12));
        session.table->random->clearScript();
        session.table->random->pushCards({card});
        for (int dealerCard : dealerCards)
            session.table->random->pushCards({dealerCard});
    }
    referee.log("double" +
                (plays ? " " + std::to_string(card) + " then" + cardsText(dealerCards) : std::string()));
    ledger.doubleDown(card);
    QTest::mouseClick(session.table->ui->cmdDouble, Qt::LeftButton);
    answerer.answerModalWindows();
    if (plays)
        playTheDealersTurn(dealerCards);
}

// The dealer's pauses end on the window's own timer; before each one ends the player may act.
void SoakMoves::playTheDealersTurn(const std::vector<int> &dealerCards) {
    const RoundModel &model = *session.table->model;
    const ScriptedRandom &random = *session.table->random;
    SoakLedger &ledger = session.ledger;
    while (!referee.broken() && !session.windowClosed && ledger.phase == SoakLedger::Phase::DealerTurn) {
        if (model.phase() != RoundPhase::DealerTurn) {
            ledger.finishDealerPlay(dealerCards);
            return;
        }
        actInTheDealersPause();
        if (session.windowClosed || ledger.phase != SoakLedger::Phase::DealerTurn)
            return;
        const int draws = random.draws;
        if (!QTest::qWaitFor(
                [&] { return random.draws != draws || model.phase() != RoundPhase::DealerTurn; }))
            referee.fail("the dealer's pause never ended");
    }
}
