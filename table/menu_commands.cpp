#include "table/chip_label.h"
#include "table/help_window.h"
#include "table/insurance_dialog.h"
#include "table/narrator.h"
#include "table/table_window.h"

#include <QAction>
#include <QPushButton>

// A restart drops the stake on the table without payout and gives up any round in play: a dealer's
// play waiting in its pause stops there, drawing, cueing and settling nothing more.
void BJMain::New_Game_Click() {
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

// The help window is left open; the program ends once the player closes it too.
void BJMain::Exit_Click() {
    BJInsurDialog->Unload();
    close();
}
