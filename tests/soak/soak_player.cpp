#include "soak/soak_player.h"

#include "support/process_memory.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/chip_label.h"
#include "table/help_window.h"
#include "table/table_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <sstream>
#include <utility>

namespace {

constexpr std::size_t actionsKeptForTheLog = 60;
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

// The amount a caption shows, whatever separators the locale writes into it.
double amountShown(const QLabel *label) {
    QString digits;
    for (QChar c : label->text()) {
        if (c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-'))
            digits += c;
    }
    return digits.toDouble();
}

std::string cardsText(const std::vector<int> &cards) {
    std::ostringstream text;
    for (int card : cards)
        text << ' ' << card;
    return text.str();
}

} // namespace

SoakSettings soakSettingsFromEnvironment() {
    SoakSettings settings;
    settings.actions = environmentNumber("CORVANE_SOAK_ACTIONS", settings.actions);
    settings.seed = static_cast<unsigned>(environmentNumber("CORVANE_SOAK_SEED", settings.seed));
    return settings;
}

SoakPlayer::SoakPlayer(SoakSettings settings) : settings(settings), rng(settings.seed) {}

SoakPlayer::~SoakPlayer() {
    dropTable();
}

SoakReport SoakPlayer::run() {
    freshTable();
    while (report.actions < settings.actions && report.ledgerBreak.empty()) {
        const long cutsBefore = report.restarts + report.closes;
        const int drawsBefore = table->random->draws;
        act(Moment::Table);
        // A round that was not cut short draws every card scripted for it and no other.
        if (report.ledgerBreak.empty() && report.restarts + report.closes == cutsBefore &&
            table->random->remaining() != 0)
            fail("the table drew " + std::to_string(table->random->draws - drawsBefore) + " cards and left " +
                 std::to_string(table->random->remaining()) + " scripted ones");
        if (report.ledgerBreak.empty() && QApplication::activeModalWidget())
            fail("a modal window is left open");
        if (windowClosed) {
            check("the window closed");
            dropTable();
            freshTable();
        }
    }
    dropTable();
    return report;
}

void SoakPlayer::freshTable() {
    table = std::make_unique<ScriptedTable>();
    table->window->show();
    if (!QTest::qWaitForWindowExposed(table->window.get()))
        fail("the table window never showed");
    windowClosed = false;
    soundOn = true;
    alertsSeen = 0;
    ledger = SoakLedger();
    log("a fresh table");
    check("a fresh table");
}

void SoakPlayer::dropTable() {
    if (!table)
        return;
    // The help window outlives the table by design; the soak closes it so that none pile up.
    if (BJHelp *help = windowOnScreen<BJHelp>())
        help->close();
    table.reset();
}

void SoakPlayer::act(Moment moment) {
    if (windowClosed || !report.ledgerBreak.empty() || depth > deepestNesting)
        return;
    ++depth;
    ++report.actions;
    if (report.actions % 1000 == 0)
        reportMemory();
    if (moment == Moment::DealerPause)
        actInThePause();
    else
        actAtTheTable();
    countRoundEnding();
    if (!windowClosed)
        check("the action");
    --depth;
}

void SoakPlayer::actAtTheTable() {
    const bool broke = ledger.phase == SoakLedger::Phase::Idle && ledger.stake == 0 && ledger.bankroll < 5;
    const int roll = pick(100);
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
            return doubleDown();
        return roll < 60 ? hit() : stand();
    }
    if (ledger.stake == 0 || roll < 45) {
        static constexpr int chips[] = {5, 10, 50};
        return chip(chips[pick(3)]);
    }
    deal();
}

void SoakPlayer::actInThePause() {
    if (!chance(0.2))
        return;
    const int roll = pick(100);
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
    const int roll = pick(100);
    if (roll < 40)
        restart(Moment::InsuranceOffer);
    else if (roll < 60)
        toggleSound();
    else if (roll < 80)
        openOrCloseHelp();
    else
        closeWindow();
}

void SoakPlayer::chip(int value) {
    log("chip " + std::to_string(value));
    ledger.chip(value);
    ChipLabel *chips[] = {table->ui->lblBet5, table->ui->lblBet10, table->ui->lblBet50};
    QTest::mouseClick(chips[value == 5 ? 0 : value == 10 ? 1 : 2], Qt::LeftButton);
    answerModalWindows();
}

void SoakPlayer::deal() {
    int up = randomCard();
    if (chance(0.2))
        up = 1 + 13 * pick(4); // an ace up, for the insurance offer
    int first = randomCard();
    int second = randomCard();
    if (chance(0.08)) {
        first = 1 + 13 * pick(4);
        second = 10 + pick(4) + 13 * pick(4);
        if (chance(0.5))
            std::swap(first, second);
    } else if (chance(0.12)) {
        const int low = 2 + pick(4); // 2 to 5, with 9 to 6: an opening 11
        first = low + 13 * pick(4);
        second = 11 - low + 13 * pick(4);
    }
    log("deal" + cardsText({up, first, second}));
    const bool takes = ledger.phase == SoakLedger::Phase::Idle && ledger.stake > 0;
    ledger.deal(up, first, second);
    if (takes) {
        table->random->clearScript();
        table->random->pushDeal(up, first, second);
    }
    QTest::mouseClick(table->ui->CmdNew, Qt::LeftButton);
    answerModalWindows();
    if (ledger.phase == SoakLedger::Phase::InsuranceOffer && !windowClosed)
        fail("the insurance offer never came or was never answered");
}

void SoakPlayer::hit() {
    const int card = chance(0.15) ? 1 + pick(3) + 13 * pick(4) : randomCard();
    const bool draws = ledger.phase == SoakLedger::Phase::PlayerTurn && ledger.hitDraws();
    log(draws ? "hit " + std::to_string(card) : std::string("hit"));
    ledger.hit(card);
    if (draws) {
        table->random->clearScript();
        table->random->pushCards({card});
    }
    QTest::mouseClick(table->ui->CmdHit, Qt::LeftButton);
}

void SoakPlayer::stand() {
    const bool plays = ledger.phase == SoakLedger::Phase::PlayerTurn;
    std::vector<int> dealerCards;
    if (plays) {
        dealerCards = ledger.dealerDraws(randomCards(12));
        table->random->clearScript();
        for (int card : dealerCards)
            table->random->pushCards({card});
    }
    log("stand" + cardsText(dealerCards));
    ledger.stand();
    QTest::mouseClick(table->ui->CmdStand, Qt::LeftButton);
    if (plays)
        playTheDealersTurn(dealerCards);
}

void SoakPlayer::doubleDown() {
    const bool plays = ledger.doubleTakes();
    const int card = randomCard();
    std::vector<int> dealerCards;
    if (plays) {
        dealerCards = ledger.dealerDraws(randomCards(12));
        table->random->clearScript();
        table->random->pushCards({card});
        for (int dealerCard : dealerCards)
            table->random->pushCards({dealerCard});
    }
    log("double" + (plays ? " " + std::to_string(card) + " then" + cardsText(dealerCards) : std::string()));
    ledger.doubleDown(card);
    QTest::mouseClick(table->ui->cmdDouble, Qt::LeftButton);
    answerModalWindows();
    if (plays)
        playTheDealersTurn(dealerCards);
}

// The dealer's pauses end on the window's own timer; before each one ends the player may act.
void SoakPlayer::playTheDealersTurn(const std::vector<int> &dealerCards) {
    const RoundModel &model = *table->model;
    while (report.ledgerBreak.empty() && !windowClosed && ledger.phase == SoakLedger::Phase::DealerTurn) {
        if (model.phase() != RoundPhase::DealerTurn) {
            ledger.finishDealerPlay(dealerCards);
            return;
        }
        act(Moment::DealerPause);
        if (windowClosed || ledger.phase != SoakLedger::Phase::DealerTurn)
            return;
        const int draws = table->random->draws;
        if (!QTest::qWaitFor(
                [&] { return table->random->draws != draws || model.phase() != RoundPhase::DealerTurn; }))
            fail("the dealer's pause never ended");
    }
}

void SoakPlayer::restart(Moment moment) {
    log(moment == Moment::DealerPause      ? "New Game in the dealer's pause"
        : moment == Moment::InsuranceOffer ? "New Game during the insurance offer"
                                           : "New Game");
    ++report.restarts;
    report.restartsInPause += moment == Moment::DealerPause;
    report.restartsInOffer += moment == Moment::InsuranceOffer;
    ledger.restart();
    table->random->clearScript();
    table->ui->New_Game->trigger();
    check("New Game");
}

void SoakPlayer::toggleSound() {
    log("Sound");
    soundOn = !soundOn;
    table->ui->Sound->trigger();
}

void SoakPlayer::openOrCloseHelp() {
    if (BJHelp *help = windowOnScreen<BJHelp>(); help && chance(0.7)) {
        log("help closed");
        help->close();
        return;
    }
    log("Help");
    table->ui->Help->trigger();
}

void SoakPlayer::closeWindow() {
    const int way = pick(3);
    log(way == 0 ? "window closed" : way == 1 ? "Exit" : "Exit handler");
    ++report.closes;
    windowClosed = true;
    if (way == 0)
        table->window->close();
    else if (way == 1)
        table->ui->Exit->trigger();
    else
        table->window->Exit_Click();
}

// Any of the round's controls, enabled or not: a disabled one must take the click without effect.
void SoakPlayer::clickAnyRoundControl() {
    switch (pick(7)) {
    case 0:
        return chip(5);
    case 1:
        return chip(10);
    case 2:
        return chip(50);
    case 3:
        return deal();
    case 4:
        return hit();
    case 5:
        return stand();
    default:
        return doubleDown();
    }
}

// The offer and the refusals open without waiting: the player answers whatever an action opened.
void SoakPlayer::answerModalWindows() {
    while (QWidget *modal = QApplication::activeModalWidget()) {
        std::erase_if(answered, [](const QPointer<QWidget> &window) { return window.isNull(); });
        if (std::find(answered.begin(), answered.end(), modal) != answered.end()) {
            fail("the modal window " + modal->objectName().toStdString() + " stays up after its answer");
            modal->close();
            return;
        }
        answered.emplace_back(modal);
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            answerAlert(box);
        else if (modal->objectName() == QLatin1String("BJInsur"))
            answerOffer(modal);
        else {
            fail("an unexpected modal window " + modal->objectName().toStdString());
            modal->close();
        }
    }
}

void SoakPlayer::answerAlert(QMessageBox *alert) {
    ++alertsSeen;
    ++report.alerts;
    log("alert \"" + alert->text().toStdString() + "\" answered");
    if (QAbstractButton *ok = alert->button(QMessageBox::Ok))
        ok->click();
    else
        alert->close();
}

void SoakPlayer::answerOffer(QWidget *offer) {
    ++report.insuranceOffers;
    if (ledger.phase != SoakLedger::Phase::InsuranceOffer && !windowClosed)
        fail("an insurance offer the rules do not make");
    const QPointer<QWidget> window = offer;
    if (chance(0.15) && !windowClosed)
        actDuringTheOffer();
    if (!window || !window->isVisible())
        return;
    const int roll = pick(100);
    const SoakLedger::Answer answer = roll < 45   ? SoakLedger::Answer::Yes
                                      : roll < 80 ? SoakLedger::Answer::No
                                                  : SoakLedger::Answer::Closed;
    log(answer == SoakLedger::Answer::Yes  ? "insurance Yes"
        : answer == SoakLedger::Answer::No ? "insurance No"
                                           : "insurance offer closed");
    if (!windowClosed)
        ledger.answerInsurance(answer);
    if (answer == SoakLedger::Answer::Closed)
        window->close();
    else
        window->findChild<QPushButton *>(answer == SoakLedger::Answer::Yes ? "CmdYes" : "CmdNo")->click();
}

void SoakPlayer::check(const char *after) {
    if (!report.ledgerBreak.empty() || !table)
        return;
    ++report.ledgerChecks;
    const TableControls &ui = *table->ui;
    std::ostringstream differences;
    if (amountShown(ui.lblmoney) != ledger.bankroll)
        differences << " bankroll shown " << ui.lblmoney->text().toStdString() << ", ledger "
                    << ledger.bankroll;
    if (amountShown(ui.lblBet) != ledger.stake)
        differences << " stake shown " << ui.lblBet->text().toStdString() << ", ledger " << ledger.stake;
    if (alertsSeen != ledger.alertsExpected)
        differences << " " << alertsSeen << " alerts seen, " << ledger.alertsExpected << " expected";
    if (!windowClosed) {
        using Phase = SoakLedger::Phase;
        const bool idle = ledger.phase == Phase::Idle;
        const bool playerTurn = ledger.phase == Phase::PlayerTurn;
        const bool enabled[] = {ui.CmdNew->isEnabled(), ui.CmdHit->isEnabled(), ui.CmdStand->isEnabled(),
                                ui.cmdDouble->isEnabled(), ui.lblBet5->isEnabled()};
        const bool expected[] = {idle, playerTurn, playerTurn, playerTurn && ledger.doubleOffered, idle};
        if (!std::equal(std::begin(enabled), std::end(enabled), std::begin(expected)))
            differences << " the controls New/Hit/Stand/Double/chips show " << enabled[0] << enabled[1]
                        << enabled[2] << enabled[3] << enabled[4] << ", the rules give " << expected[0]
                        << expected[1] << expected[2] << expected[3] << expected[4];
        if (ui.Sound->isChecked() != soundOn)
            differences << " the Sound entry is " << (ui.Sound->isChecked() ? "on" : "off");
    }
    if (!differences.str().empty()) {
        // What the game's own model holds, to tell a wrong view from a wrong round.
        const RoundModel &model = *table->model;
        differences << " (the game's model: phase " << static_cast<int>(model.phase()) << ", player total "
                    << model.playerTotal() << ", dealer total " << model.dealerTotal() << ", double "
                    << model.controls().doubleDown << ")";
        fail(std::string("after ") + after + ":" + differences.str());
    }
}

void SoakPlayer::countRoundEnding() {
    switch (std::exchange(ledger.lastEnding, SoakLedger::Ending::None)) {
    case SoakLedger::Ending::None:
        return;
    case SoakLedger::Ending::Natural:
        ++report.naturals;
        break;
    case SoakLedger::Ending::Bust:
        ++report.busts;
        break;
    case SoakLedger::Ending::Settled:
        ++report.settlements;
        break;
    }
    ++report.rounds;
}

void SoakPlayer::fail(const std::string &why) {
    if (!report.ledgerBreak.empty())
        return;
    std::ostringstream text;
    text << "ledger break at action " << report.actions << ": " << why << "\nthe last actions:";
    for (const std::string &entry : recent)
        text << "\n  " << entry;
    report.ledgerBreak = text.str();
}

void SoakPlayer::log(const std::string &entry) {
    recent.push_back(std::to_string(report.actions) + std::string(static_cast<std::size_t>(depth) * 2, ' ') +
                     " " + entry);
    if (recent.size() > actionsKeptForTheLog)
        recent.pop_front();
}

void SoakPlayer::reportMemory() {
    const long resident = long(residentBytes() / 1024);
    if (report.residentAtFirstThousandKb < 0)
        report.residentAtFirstThousandKb = resident;
    report.residentAtLastThousandKb = resident;
    std::printf("soak: %ld actions, %ld rounds, %ld ledger checks, VmRSS %ld kB", report.actions,
                report.rounds, report.ledgerChecks, resident);
    // What the allocator hands out beside what the process holds: a leak grows the first, fragmentation
    // only the second. Under AddressSanitizer the allocator is the sanitizer's, and glibc's knows nothing.
    if (residentMemoryIsMeaningful()) {
        const struct mallinfo2 heap = mallinfo2();
        std::printf(", heap in use %zu kB, free in heap %zu kB", (heap.uordblks + heap.hblkhd) / 1024,
                    heap.fordblks / 1024);
    }
    std::printf("\n");
    std::fflush(stdout);
}

int SoakPlayer::randomCard() {
    return 1 + pick(52);
}

std::vector<int> SoakPlayer::randomCards(int count) {
    std::vector<int> cards;
    // Now and then only aces and twos, so that long hands fill every box.
    const bool lowCards = chance(0.05);
    for (int i = 0; i < count; ++i)
        cards.push_back(lowCards ? 1 + pick(2) + 13 * pick(4) : randomCard());
    // Often a ten-valued card first: under an ace up card that is the dealer's blackjack.
    if (chance(0.3))
        cards.front() = 10 + pick(4) + 13 * pick(4);
    return cards;
}

bool SoakPlayer::chance(double probability) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(rng) < probability;
}

int SoakPlayer::pick(int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(rng);
}
