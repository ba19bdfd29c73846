#include "platform/animation_player.h"
#include "support/cards.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/help_window.h"
#include "table/insurance_dialog.h"
#include "table/narrator.h"
#include "table/table_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int ten = clubs(10), five = clubs(5), six = clubs(6), eight = clubs(8), ace = clubs(1);

void unloadClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int openHelpWindows() {
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<BJHelp *>(widget) != nullptr;
    return count;
}

class MenuCommands : public ::testing::Test {
protected:
    ~MenuCommands() override {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<BJHelp *>(widget))
                widget->close();
        }
        unloadClosedWindows();
    }

    // Deals a hand on a stake of 50 with the given cards.
    void deal(int upCard, int playerFirst, int playerSecond) {
        table->lblBet50_Click();
        table.random->pushDeal(upCard, playerFirst, playerSecond);
        table.ui->CmdNew->click();
    }

    void expectFreshTable() {
        EXPECT_EQ(table.ui->lblmoney->text(), "500");
        EXPECT_EQ(table.ui->lblBet->text(), "0");
        EXPECT_EQ(table.ui->lblPlay->text(), "0");
        EXPECT_EQ(table.ui->lblCom->text(), "0");
        for (CardBox *box : {table.ui->PicCom[0], table.ui->PicPlay[0], table.ui->PicPlay[1]}) {
            EXPECT_FALSE(box->isHidden()) << box->objectName().toStdString();
            EXPECT_TRUE(box->picture().isSameAs(table.ui->PicBack->picture()))
                << box->objectName().toStdString();
        }
        for (int i = 1; i < 7; ++i)
            EXPECT_TRUE(table.ui->PicCom[i]->isHidden()) << "dealer box " << i + 1;
        for (int i = 2; i < 7; ++i)
            EXPECT_TRUE(table.ui->PicPlay[i]->isHidden()) << "player box " << i + 1;
        EXPECT_TRUE(table.ui->CmdNew->isEnabled());
        EXPECT_FALSE(table.ui->CmdHit->isEnabled());
        EXPECT_FALSE(table.ui->CmdStand->isEnabled());
        EXPECT_FALSE(table.ui->cmdDouble->isEnabled());
        for (ChipLabel *chip : {table.ui->lblBet5, table.ui->lblBet10, table.ui->lblBet50})
            EXPECT_TRUE(chip->isEnabled()) << chip->objectName().toStdString();
        EXPECT_TRUE(table.ui->Flash->isHidden());
    }

    ScriptedTable table;
};

} // namespace

TEST_F(MenuCommands, RestartBringsBackTheFreshTableWhateverTheRound) {
    struct Case {
        const char *situation;
        std::function<void()> reach;
    };
    const Case cases[] = {
        {"after a lost hand with 120 left",
         [this] {
             table.model->setBankroll(170);
             deal(ten, ten, six);
             table.random->pushCards({ten});
             table.ui->CmdHit->click();
             ASSERT_EQ(table.ui->lblmoney->text(), "120");
             ASSERT_FALSE(table.ui->PicPlay[2]->isHidden());
             ASSERT_FALSE(table.ui->Flash->isHidden());
         }},
        {"in the middle of a hand, 50 on the table and 450 left",
         [this] {
             deal(ten, five, six);
             ASSERT_EQ(table.ui->lblBet->text(), "50");
             ASSERT_EQ(table.ui->lblmoney->text(), "450");
             ASSERT_TRUE(table.ui->cmdDouble->isEnabled());
             ASSERT_TRUE(table.ui->CmdHit->isEnabled());
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.situation);
        c.reach();
        const QString clip = table.ui->Flash->movie();

        table.ui->New_Game->trigger();

        expectFreshTable();
        EXPECT_EQ(table.ui->Flash->movie(), clip) << "the clip stays loaded";
    }
}

TEST_F(MenuCommands, RestartDuringTheDealersPauseEndsTheRoundThere) {
    deal(ten, ten, eight);
    const int drawsBeforeStand = table.random->draws;
    table.ui->CmdStand->click();
    table.ui->New_Game->trigger();
    QTest::qWait(10); // long enough for a dealer's timer that was left running

    expectFreshTable();
    EXPECT_EQ(table.random->draws, drawsBeforeStand) << "no dealer card after the restart";
    EXPECT_TRUE(table.wave->played.isEmpty());
}

TEST_F(MenuCommands, SoundEntryTogglesItsCheckMark) {
    table.ui->Sound->trigger();
    EXPECT_FALSE(table.ui->Sound->isChecked());
    table.ui->Sound->trigger();
    EXPECT_TRUE(table.ui->Sound->isChecked());
}

TEST_F(MenuCommands, F5AndF6ToggleLikeAClickAndSayWhereTheyAre) {
    table->show();
    table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table.window.get()));

    QStringList heard;
    QObject::connect(table->findChild<Narrator *>(), &Narrator::spoke,
                     [&](const QString &words) { heard << words; });
    QTest::keyClick(table.window.get(), Qt::Key_F5);
    EXPECT_FALSE(table.ui->Sound->isChecked());
    QTest::keyClick(table.window.get(), Qt::Key_F5);
    EXPECT_TRUE(table.ui->Sound->isChecked());
    QTest::keyClick(table.window.get(), Qt::Key_F6);
    QTest::keyClick(table.window.get(), Qt::Key_F6);
    // A toggle's key gives a screen reader nothing of its own to say.
    EXPECT_EQ(heard, QStringList({"Sound off.", "Sound on.", "Coach on.", "Coach off."}));
    table->close();
}

TEST_F(MenuCommands, HelpTwiceOpensOneHelpWindowBesideTheTable) {
    table.ui->Help->trigger();
    BJHelp *first = windowOnScreen<BJHelp>();
    table.ui->Help->trigger();

    ASSERT_NE(first, nullptr);
    EXPECT_EQ(windowOnScreen<BJHelp>(), first);
    EXPECT_EQ(openHelpWindows(), 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
}

TEST_F(MenuCommands, ExitClosesTheTableButLeavesTheHelpWindowOpen) {
    table->show();
    table.ui->Help->trigger();
    QPointer<BJHelp> help = windowOnScreen<BJHelp>();

    table.ui->Exit->trigger();
    unloadClosedWindows();

    EXPECT_FALSE(table->isVisible());
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
}

TEST_F(MenuCommands, ExitClosesTheInsuranceOfferWhileItIsOnScreen) {
    table->show();
    deal(ace, ten, six);
    const QPointer<QWidget> offer = QApplication::activeModalWidget();
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->objectName(), "BJInsur");
    table.ui->Exit->trigger();
    EXPECT_FALSE(offer->isVisible());
    unloadClosedWindows();
    EXPECT_FALSE(offer);
    EXPECT_EQ(windowOnScreen<BJInsurWindow>(), nullptr);
    EXPECT_FALSE(table->isVisible());
    EXPECT_EQ(table.model->cards().InsYes, 0);
    EXPECT_EQ(table.model->bankroll(), 450) << "nothing was bought or paid";
    EXPECT_EQ(table.ui->lblmoney->text(), "450");
}
