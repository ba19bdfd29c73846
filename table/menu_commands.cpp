#include "table/chip_label.h"
#include "table/coach_windows.h"
#include "table/coach_words.h"
#include "table/help_window.h"
#include "table/insurance_dialog.h"
#include "table/narrator.h"
#include "table/table_window.h"

#include <QAction>
#include <QPushButton>

// A restart drops the stake on the table without payout and gives up any round in play: a dealer's
// play waiting in its pause stops there, drawing, cueing and settling nothing more.
void BJMain::New_Game_Click() {
    record.roundAbandoned();
    narrator->tableRestarted();
    round.restart();
    // The table is idle again, whatever it was doing.
    CmdNew->setFocus();
}

void BJMain::Sound_Click() {
    Sound->setChecked(!Sound->isChecked());
}

void BJMain::Help_Click() {
    if (!BJHelpWindow)
        BJHelpWindow = new BJHelp;
    BJHelpWindow->show();
}

void BJMain::ReadTable_Click() {
    // What the table shows, which lags behind the round while a refusal is on screen.
    RoundControls shown;
    shown.CmdNew = CmdNew->isEnabled();
    shown.CmdHit = CmdHit->isEnabled();
    shown.CmdStand = CmdStand->isEnabled();
    shown.cmdDouble = cmdDouble->isEnabled();
    shown.chips = lblBet5->isEnabled();
    narrator->readTable(shown, insuranceWindow() != nullptr);
}

BJHint *BJMain::hintWindow() const {
    return BJHintWindow.data();
}

BJStats *BJMain::statisticsWindow() const {
    return BJStatsWindow.data();
}

void BJMain::Statistics_Click() {
    if (!BJStatsWindow) {
        BJStatsWindow = new BJStats;
        BJStatsWindow->showRecord(recordInWords(record.totals()));
        BJStatsWindow->adjustSize();
        placeBesideTable(BJStatsWindow, this, Qt::AlignTop);
    }
    BJStatsWindow->show();
    BJStatsWindow->raise();
    BJStatsWindow->activateWindow();
}

// The coach only answers: it never makes a choice. Its words are spoken from the table, as F3's are,
// so that they come whether the table or the insurance offer has the focus.
void BJMain::Hint_Click() {
    const QString words = hintInWords(decisionAt(round), coach);
    const bool opening = !BJHintWindow;
    if (opening)
        BJHintWindow = new BJHint(this);
    BJHintWindow->showHint(words);
    if (opening)
        placeBesideTable(BJHintWindow, this, Qt::AlignBottom);
    narrator->tell(words);
}

void BJMain::putAwayHint() {
    if (BJHintWindow)
        BJHintWindow->hide();
}

void BJMain::recordChoice(const std::optional<Decision> &open, Choice chosen) {
    if (open)
        record.choiceMade(*open, chosen);
    recordRoundEnd();
}

void BJMain::recordRoundEnd() {
    if (!record.roundInPlay() || round.phase() != RoundPhase::Idle || !record.roundEnded(round.bankroll()))
        return;
    if (BJStatsWindow)
        BJStatsWindow->showRecord(recordInWords(record.totals()));
}

// The help window is left open; the program ends once the player closes it too.
void BJMain::Exit_Click() {
    BJInsurDialog->Unload();
    close();
}
