#include "platform/animation_player.h"
#include "play/insurance_dialog.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/help_window.h"
#include "table/table_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Cards by number: the ten of clubs, the five, six and eight of clubs, the ace of clubs.
constexpr int ten = 10, five = 5, six = 6, eight = 8, ace = 1;

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
        table->CmdNew->click();
    }

    void expectFreshTable() {
        EXPECT_EQ(table->lblmoney->text(), "500");
        EXPECT_EQ(table->lblBet->text(), "0");
        EXPECT_EQ(table->lblPlay->text(), "0");
        EXPECT_EQ(table->lblCom->text(), "0");
        for (CardBox *box : {table->PicCom[0], table->PicPlay[0], table->PicPlay[1]}) {
            EXPECT_FALSE(box->isHidden()) << box->objectName().toStdString();
            EXPECT_TRUE(box->picture().isSameAs(table->PicBack->picture()))
                << box->objectName().toStdString();
        }
        for (int i = 1; i < 7; ++i)
            EXPECT_TRUE(table->PicCom[i]->isHidden()) << "dealer box " << i + 1;
        for (int i = 2; i < 7; ++i)
            EXPECT_TRUE(table->PicPlay[i]->isHidden()) << "player box " << i + 1;
        EXPECT_TRUE(table->CmdNew->isEnabled());
        EXPECT_FALSE(table->CmdHit->isEnabled());
        EXPECT_FALSE(table->CmdStand->isEnabled());
        EXPECT_FALSE(table->cmdDouble->isEnabled());
        for (ChipLabel *chip : {table->lblBet5, table->lblBet10, table->lblBet50})
            EXPECT_TRUE(chip->isEnabled()) << chip->objectName().toStdString();
        EXPECT_TRUE(table->Flash->isHidden());
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
             table->lblmoney->setText(QStringLiteral("170"));
             deal(ten, ten, six);
             table.random->pushCards({ten});
             table->CmdHit->click();
             ASSERT_EQ(table->lblmoney->text(), "120");
             ASSERT_FALSE(table->PicPlay[2]->isHidden());
             ASSERT_FALSE(table->Flash->isHidden());
         }},
        {"in the middle of a hand, 50 on the table and 450 left",
         [this] {
             deal(ten, five, six);
             ASSERT_EQ(table->lblBet->text(), "50");
             ASSERT_EQ(table->lblmoney->text(), "450");
             ASSERT_TRUE(table->cmdDouble->isEnabled());
             ASSERT_TRUE(table->CmdHit->isEnabled());
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.situation);
        c.reach();
        const QString clip = table->Flash->movie();

        table->New_Game->trigger();

        expectFreshTable();
        EXPECT_EQ(table->Flash->movie(), clip) << "the clip stays loaded";
    }
}

TEST_F(MenuCommands, RestartDuringTheDealersPauseEndsTheRoundThere) {
    deal(ten, ten, eight);
    const int drawsBeforeStand = table.random->draws;
    table.clock->onSleep = [this] { table->New_Game->trigger(); };

    table->CmdStand->click();

    expectFreshTable();
    EXPECT_EQ(table.random->draws, drawsBeforeStand) << "no dealer card after the restart";
    EXPECT_TRUE(table.wave->played.isEmpty());
}

TEST_F(MenuCommands, SoundEntryTogglesItsCheckMark) {
    table->Sound->trigger();
    EXPECT_FALSE(table->Sound->isChecked());
    table->Sound->trigger();
    EXPECT_TRUE(table->Sound->isChecked());
}

TEST_F(MenuCommands, F5TogglesTheSoundLikeAClick) {
    table->show();
    table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table.window.get()));

    QTest::keyClick(table.window.get(), Qt::Key_F5);
    EXPECT_FALSE(table->Sound->isChecked());
    QTest::keyClick(table.window.get(), Qt::Key_F5);
    EXPECT_TRUE(table->Sound->isChecked());
    table->close();
}

TEST_F(MenuCommands, HelpTwiceOpensOneHelpWindowBesideTheTable) {
    table->Help->trigger();
    BJHelp *first = table->helpWindow();
    table->Help->trigger();

    ASSERT_NE(first, nullptr);
    EXPECT_EQ(table->helpWindow(), first);
    EXPECT_EQ(openHelpWindows(), 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
}

TEST_F(MenuCommands, ExitClosesTheTableButLeavesTheHelpWindowOpen) {
    table->show();
    table->Help->trigger();
    QPointer<BJHelp> help = table->helpWindow();

    table->Exit->trigger();
    unloadClosedWindows();

    EXPECT_FALSE(table->isVisible());
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
}

TEST_F(MenuCommands, ExitClosesTheInsuranceOfferWhileItIsOnScreen) {
    table->show();
    QString offered;
    bool openAfterExit = false;
    whenModalOpens([this, &offered, &openAfterExit](QWidget *modal) {
        offered = modal->objectName();
        table->Exit->trigger();
        openAfterExit = modal->isVisible();
        // Left open, the offer would hold the deal forever.
        if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && openAfterExit)
            dialog->done(QDialog::Rejected);
    });

    deal(ace, ten, six);
    unloadClosedWindows();

    EXPECT_EQ(offered, "BJInsur");
    EXPECT_FALSE(openAfterExit);
    EXPECT_EQ(table->insurance().window(), nullptr);
    EXPECT_FALSE(table->isVisible());
    EXPECT_EQ(table->insurance().InsYes, 0);
}
