#include "soak/soak_referee.h"

#include "support/process_memory.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/chip_label.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <malloc.h>
#include <sstream>
#include <utility>

namespace {

constexpr std::size_t actionsKeptForTheLog = 60;

// The amount a caption shows, whatever separators the locale writes into it.
double amountShown(const QLabel *label) {
    QString digits;
    for (QChar c : label->text()) {
        if (c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-'))
            digits += c;
    }
    return digits.toDouble();
}

} // namespace

void SoakReferee::check(const char *after) {
    if (broken() || !session.table)
        return;
    ++session.report.ledgerChecks;
    const TableControls &ui = *session.table->ui;
    const SoakLedger &ledger = session.ledger;
    std::ostringstream differences;
    if (amountShown(ui.lblmoney) != ledger.bankroll)
        differences << " bankroll shown " << ui.lblmoney->text().toStdString() << ", ledger "
                    << ledger.bankroll;
    if (amountShown(ui.lblBet) != ledger.stake)
        differences << " stake shown " << ui.lblBet->text().toStdString() << ", ledger " << ledger.stake;
    if (session.alertsSeen != ledger.alertsExpected)
        differences << " " << session.alertsSeen << " alerts seen, " << ledger.alertsExpected << " expected";
    if (!session.windowClosed) {
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
        if (ui.Sound->isChecked() != session.soundOn)
            differences << " the Sound entry is " << (ui.Sound->isChecked() ? "on" : "off");
    }
    if (!differences.str().empty()) {
        // What the game's own model holds, to tell a wrong view from a wrong round.
        const RoundModel &model = *session.table->model;
        differences << " (the game's model: phase " << static_cast<int>(model.phase()) << ", double "
                    << model.controls().doubleDown << "; totals shown " << ui.lblPlay->text().toStdString()
                    << " and " << ui.lblCom->text().toStdString() << ")";
        fail(std::string("after ") + after + ":" + differences.str());
    }
}

void SoakReferee::countRoundEnding() {
    SoakReport &report = session.report;
    switch (std::exchange(session.ledger.lastEnding, SoakLedger::Ending::None)) {
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

void SoakReferee::fail(const std::string &why) {
    if (broken())
        return;
    std::ostringstream text;
    text << "ledger break at action " << session.report.actions << ": " << why << "\nthe last actions:";
    for (const std::string &entry : recent)
        text << "\n  " << entry;
    session.report.ledgerBreak = text.str();
}

void SoakReferee::log(const std::string &entry) {
    recent.push_back(std::to_string(session.report.actions) +
                     std::string(static_cast<std::size_t>(session.depth) * 2, ' ') + " " + entry);
    if (recent.size() > actionsKeptForTheLog)
        recent.pop_front();
}

void SoakReferee::reportMemory() {
    SoakReport &report = session.report;
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
