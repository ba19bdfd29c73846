#include "platform/animation_player.h"
#include "play/insurance_dialog.h"
#include "table/card_box.h"
#include "table/help_window.h"
#include "table/table_window.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

// A restart drops the stake on the table without payout and gives up any round in play: a dealer's
// play waiting in its pause stops there, drawing, cueing and settling nothing more.
void BJMain::New_Game_Click() {
    abandonRound();
    lblmoney->setText(QStringLiteral("500"));
    lblBet->setText(QStringLiteral("0"));
    lblPlay->setText(QStringLiteral("0"));
    lblCom->setText(QStringLiteral("0"));

    PicCom[0]->show();
    PicCom[0]->setPicture(PicBack->picture());
    for (int i = 1; i < 7; ++i)
        PicCom[i]->hide();
    for (int i = 0; i < 2; ++i) {
        PicPlay[i]->show();
        PicPlay[i]->setPicture(PicBack->picture());
    }
    for (int i = 2; i < 7; ++i)
        PicPlay[i]->hide();

    CmdNew->setEnabled(true);
    CmdHit->setEnabled(false);
    CmdStand->setEnabled(false);
    cmdDouble->setEnabled(false);
    enableChips();
    Flash->setVisible(false);
}

void BJMain::Sound_Click() {
    Sound->setChecked(!Sound->isChecked());
}

void BJMain::Help_Click() {
    if (!BJHelpWindow)
        BJHelpWindow = new BJHelp;
    BJHelpWindow->show();
}

// The help window is left open; the program ends once the player closes it too.
void BJMain::Exit_Click() {
    BJInsurDialog->Unload();
    close();
}
