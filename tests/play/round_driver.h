#pragma once

#include "platform/animation_player.h"
#include "play/insurance_dialog.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// Card numbers by suit block: clubs, diamonds, hearts, spades, ace first and king last.
constexpr int clubs(int rank) {
    return rank;
}
constexpr int diamonds(int rank) {
    return 13 + rank;
}
constexpr int hearts(int rank) {
    return 26 + rank;
}
constexpr int spades(int rank) {
    return 39 + rank;
}

// Drives rounds on a shown table with scripted cards, through real clicks.
struct RoundDriver {
    ScriptedTable table;

    RoundDriver() {
        table->show();
        if (!QTest::qWaitForWindowExposed(table.window.get()))
            ADD_FAILURE() << "the table window never showed";
    }

    // Puts a stake on the table as the chips would have left it.
    void stake(const QString &bet, const QString &bankroll) {
        table->lblBet->setText(bet);
        table->lblmoney->setText(bankroll);
    }

    static void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton); }

    // Deals the dealer's up card and the player's two cards; an ace up card is answered with `insurance`.
    void deal(int upCard, int playerFirst, int playerSecond,
              const QString &insurance = QStringLiteral("No")) {
        table.random->pushDeal(upCard, playerFirst, playerSecond);
        if (cardValue(upCard) == 1)
            answerNextModal(insurance);
        click(table->CmdNew);
    }

    // Stands, with the dealer's next cards scripted (the hole card first).
    void stand(std::initializer_list<int> dealerCards) {
        table.random->pushCards(dealerCards);
        click(table->CmdStand);
    }

    void hit(int card) {
        table.random->pushCards({card});
        click(table->CmdHit);
    }

    QString bankroll() const { return table->lblmoney->text(); }
    QString bet() const { return table->lblBet->text(); }
    QString playerTotal() const { return table->lblPlay->text(); }
    QString dealerTotal() const { return table->lblCom->text(); }
    // The clip shown, without the program's directory.
    QString clip() const { return table->Flash->movie().mid(scriptedProgramDirectory.size()); }
    int visibleDealerCards() const {
        return static_cast<int>(
            std::count_if(table->PicCom.begin(), table->PicCom.end(),
                          [](const CardBox *box) { return box->isVisibleTo(box->parentWidget()); }));
    }
    int visiblePlayerCards() const {
        return static_cast<int>(
            std::count_if(table->PicPlay.begin(), table->PicPlay.end(),
                          [](const CardBox *box) { return box->isVisibleTo(box->parentWidget()); }));
    }
};
