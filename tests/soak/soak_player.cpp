#include "soak/soak_player.h"

#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/help_window.h"
#include "table/table_window.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <string>

namespace {

// An action taken in the dealer's pause comes from within the stand or double that began it; a stand
// or double taken there begins no pause of its own, so no action goes deeper.
constexpr int deepestNesting = 1;

long environmentNumber(const char *name, long fallback) {
    const char *text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value > 0 ? value : fallback;
}

} // namespace

SoakSettings soakSettingsFromEnvironment() {
    SoakSettings settings;
    settings.actions = environmentNumber("CORVANE_SOAK_ACTIONS", settings.actions);
    settings.seed = static_cast<unsigned>(environmentNumber("CORVANE_SOAK_SEED", settings.seed));
    return settings;
}

SoakPlayer::SoakPlayer(SoakSettings settings)
    : settings(settings), dice(settings.seed), referee(session),
      answerer(session, dice, referee, [this] { actDuringTheOffer(); }),
      moves(session, dice, referee, answerer, [this] { act(Moment::DealerPause); }) {}

SoakPlayer::~SoakPlayer() {
    dropTable();
}

SoakReport SoakPlayer::run() {
    SoakReport &report = session.report;
    freshTable();
    while (report.actions < settings.actions && !referee.broken()) {
        const long cutsBefore = report.restarts + report.closes;
        const int drawsBefore = session.table->random->draws;
        act(Moment::Table);
        // A round that was not cut short draws every card scripted for it and no other.
        const ScriptedRandom &random = *session.table->random;
        if (!referee.broken() && report.restarts + report.closes == cutsBefore && random.remaining() != 0)
            referee.fail("the table drew " + std::to_string(random.draws - drawsBefore) + " cards and left " +
                         std::to_string(random.remaining()) + " scripted ones");
        if (!referee.broken() && QApplication::activeModalWidget())
            referee.fail("a modal window is left open");
        if (session.windowClosed) {
            referee.check("the window closed");
            dropTable();
            freshTable();
        }
    }
    dropTable();
    return report;
}

void SoakPlayer::freshTable() {
    session.table = std::make_unique<ScriptedTable>();
    session.table->window->show();
    if (!QTest::qWaitForWindowExposed(session.table->window.get()))
        referee.fail("the table window never showed");
    session.windowClosed = false;
    session.soundOn = true;
    session.alertsSeen = 0;
    session.ledger = SoakLedger();
    referee.log("a fresh table");
    referee.check("a fresh table");
}

void SoakPlayer::dropTable() {
    if (!session.table)
        return;
    // The help window outlives the table by design; the soak closes it so that none pile up.
    if (BJHelp *help = windowOnScreen<BJHelp>())
        help->close();
    session.table.reset();
}

void SoakPlayer::act(Moment moment) {
    if (session.windowClosed || referee.broken() || session.depth > deepestNesting)
        return;
    ++session.depth;
    ++session.report.actions;
    if (session.report.actions % 1000 == 0)
        referee.reportMemory();
    if (moment == Moment::DealerPause)
        actInThePause();
    else
        actAtTheTable();
    referee.countRoundEnding();
    if (!session.windowClosed)
        referee.check("the action");
    --session.depth;
}

void SoakPlayer::actAtTheTable() {
    const SoakLedger &ledger = session.ledger;
    const bool broke = ledger.phase == SoakLedger::Phase::Idle && ledger.stake == 0 && ledger.bankroll < 5;
    const int roll = dice.pick(100);
    if (broke && roll < 40)
        return restart(Moment::Table);
    if (roll < 3)
        return restart(Moment::Table);
    if (roll < 6)
        return toggleSound();
    if (roll < 9)
        return openOrCloseHelp();
    if (roll < 10)
        return closeWindow();
    if (roll < 16)
        return clickAnyRoundControl();
    if (ledger.phase == SoakLedger::Phase::PlayerTurn) {
        if (ledger.doubleOffered && roll < 50)
            return moves.doubleDown();
        return roll < 60 ? moves.hit() : moves.stand();
    }
    if (ledger.stake == 0 || roll < 45) {
        static constexpr int chips[] = {5, 10, 50};
        return moves.chip(chips[dice.pick(3)]);
    }
    moves.deal();
}

void SoakPlayer::actInThePause() {
    if (!dice.chance(0.2))
        return;
    const int roll = dice.pick(100);
    if (roll < 40) {
        restart(Moment::DealerPause);
    } else if (roll < 55) {
        toggleSound();
    } else if (roll < 70) {
        openOrCloseHelp();
    } else if (roll < 92) {
        clickAnyRoundControl();
    } else {
        closeWindow();
    }
}

void SoakPlayer::actDuringTheOffer() {
    const int roll = dice.pick(100);
    if (roll < 40)
        restart(Moment::InsuranceOffer);
    else if (roll < 60)
        toggleSound();
    else if (roll < 80)
        openOrCloseHelp();
    else
        closeWindow();
}

void SoakPlayer::restart(Moment moment) {
    SoakReport &report = session.report;
    referee.log(moment == Moment::DealerPause      ? "New Game in the dealer's pause"
                : moment == Moment::InsuranceOffer ? "New Game during the insurance offer"
                                                   : "New Game");
    ++report.restarts;
    report.restartsInPause += moment == Moment::DealerPause;
    report.restartsInOffer += moment == Moment::InsuranceOffer;
    session.ledger.restart();
    session.table->random->clearScript();
    session.table->ui->New_Game->trigger();
    referee.check("New Game");
}

void SoakPlayer::toggleSound() {
    referee.log("Sound");
    session.soundOn = !session.soundOn;
    session.table->ui->Sound->trigger();
}

void SoakPlayer::openOrCloseHelp() {
    if (BJHelp *help = windowOnScreen<BJHelp>(); help && dice.chance(0.7)) {
        referee.log("help closed");
        help->close();
        return;
    }
    referee.log("Help");
    session.table->ui->Help->trigger();
}

void SoakPlayer::closeWindow() {
    const int way = dice.pick(3);
    referee.log(way == 0 ? "window closed" : way == 1 ? "Exit" : "Exit handler");
    ++session.report.closes;
    session.windowClosed = true;
    if (way == 0)
        session.table->window->close();
    else if (way == 1)
        session.table->ui->Exit->trigger();
    else
        session.table->window->Exit_Click();
}

// Any of the round's controls, enabled or not: a disabled one must take the click without effect.
void SoakPlayer::clickAnyRoundControl() {
    switch (dice.pick(7)) {
    case 0:
        return moves.chip(5);
    case 1:
        return moves.chip(10);
    case 2:
        return moves.chip(50);
    case 3:
        return moves.deal();
    case 4:
        return moves.hit();
    case 5:
        return moves.stand();
    default:
        return moves.doubleDown();
    }
}
