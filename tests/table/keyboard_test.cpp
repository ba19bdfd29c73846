#include "support/cards.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A table shown and active, so that keys and the focus reach it as they reach a player's window.
class Keyboard : public ::testing::Test {
protected:
    Keyboard() {
        table->show();
        table->activateWindow();
        if (!QTest::qWaitForWindowActive(table.window.get()))
            ADD_FAILURE() << "the table window never became active";
    }

    static std::string focusName() {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : "nothing";
    }
    void pressAltS() { QTest::keyClick(table.window.get(), Qt::Key_S, Qt::AltModifier); }

    ScriptedTable table;
};

} // namespace

TEST_F(Keyboard, AltSStandsInOnePressWhileStandIsEnabled) {
    table.stake(10, 490);
    table.deal(clubs(10), clubs(10), clubs(7));
    ASSERT_TRUE(table.ui->CmdStand->isEnabled());
    table.random->pushCards({hearts(8)});

    pressAltS();

    EXPECT_TRUE(QTest::qWaitFor([this] { return table.model->phase() == RoundPhase::Idle; }))
        << "the dealer never played";
    EXPECT_EQ(table.ui->lblCom->text(), "18");
    EXPECT_EQ(table.ui->lblmoney->text(), "490") << "17 lost to 18";
    EXPECT_FALSE(table.ui->Sound1->isVisible()) << "the Sound menu stays shut";
    EXPECT_EQ(table.ui->CmdStand->text(), "&Stand");
    EXPECT_EQ(table.ui->Sound1->title(), "&Sound");
}

TEST_F(Keyboard, AltSOpensTheSoundMenuWhileStandIsDisabled) {
    ASSERT_FALSE(table.ui->CmdStand->isEnabled());

    pressAltS();

    EXPECT_TRUE(QTest::qWaitFor([this] { return table.ui->Sound1->isVisible(); })) << "no Sound menu";
    table.ui->Sound1->close();
    EXPECT_EQ(table.model->phase(), RoundPhase::Idle);
}

// Each key acts while it is still held down, so a keyboard player hears the card when a mouse player would.
TEST_F(Keyboard, EveryButtonLetterAndSpaceOnAChipActOnThePressAlone) {
    table.random->pushDeal(clubs(10), clubs(6), clubs(5));
    table.random->pushCards({hearts(2), hearts(8)});
    table.random->pushDeal(clubs(10), clubs(6), clubs(2));
    table.random->pushCards({hearts(2), hearts(8)});
    struct Step {
        QWidget *target;
        Qt::Key key;
        std::function<bool()> acted;
    };
    const auto bet = [this](const char *bet) {
        return [this, bet] { return table.ui->lblBet->text() == bet; };
    };
    const auto total = [this](const char *sum) {
        return [this, sum] { return table.ui->lblPlay->text() == sum; };
    };
    const Step steps[] = {
        {table.ui->lblBet10, Qt::Key_Space, bet("10")},
        {table.window.get(), Qt::Key_N, total("11")},
        {table.window.get(), Qt::Key_D, bet("20")},
        {table.ui->lblBet10, Qt::Key_Space, bet("10")},
        {table.window.get(), Qt::Key_N, total("8")},
        {table.window.get(), Qt::Key_H, total("10")},
        {table.window.get(), Qt::Key_S, [this] { return !table.ui->CmdStand->isEnabled(); }}};
    for (const Step &step : steps) {
        const Qt::KeyboardModifiers modifiers = step.key == Qt::Key_Space ? Qt::NoModifier : Qt::AltModifier;
        QTest::keyPress(step.target, step.key, modifiers);
        EXPECT_TRUE(step.acted()) << QKeySequence(step.key | modifiers).toString().toStdString();
        QTest::keyRelease(step.target, step.key, modifiers);
        if (table.model->phase() == RoundPhase::DealerTurn) {
            ASSERT_TRUE(table.finishDealerPlay());
        }
    }
}

TEST_F(Keyboard, TheFocusFollowsTheRoundToHitAndBackToNewGame) {
    struct Step {
        const char *action;
        std::function<void(ScriptedTable &)> act;
        const char *focus;
    };
    const Step steps[] = {
        {"the table opens", [](ScriptedTable &) {}, "CmdNew"},
        {"a deal hands the player the turn",
         [](ScriptedTable &t) {
             t.stake(10, 490);
             t.deal(clubs(10), clubs(10), clubs(5));
         },
         "CmdHit"},
        {"a hit that does not bust", [](ScriptedTable &t) { t.hit(hearts(2)); }, "CmdHit"},
        {"the dealer's play settles the round", [](ScriptedTable &t) { t.stand({hearts(9)}); }, "CmdNew"},
        {"a bust",
         [](ScriptedTable &t) {
             t.stake(10, 480);
             t.deal(clubs(10), clubs(10), clubs(5));
             t.hit(hearts(9));
         },
         "CmdNew"},
        {"a blackjack on the deal",
         [](ScriptedTable &t) {
             t.stake(10, 470);
             t.deal(clubs(10), clubs(1), clubs(13));
         },
         "CmdNew"},
        {"an answered insurance offer",
         [](ScriptedTable &t) {
             t.stake(10, 490);
             t.deal(clubs(1), hearts(10), hearts(6));
             answerModal(QStringLiteral("No"));
             t->activateWindow();
             EXPECT_TRUE(QTest::qWaitForWindowActive(t.window.get()));
         },
         "CmdHit"},
        {"a restart in the middle of the round", [](ScriptedTable &t) { t.ui->New_Game->trigger(); },
         "CmdNew"},
    };
    for (const Step &step : steps) {
        step.act(table);
        // The focus moves once the round's news has gone to the screen reader.
        EXPECT_TRUE(QTest::qWaitFor([&] { return focusName() == step.focus; }))
            << step.action << ": the focus is on " << focusName();
    }
}

TEST_F(Keyboard, TheChipsAreReachedWithTabFromNewGameAndBetWithSpace) {
    ASSERT_EQ(focusName(), "CmdNew");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusName(), "lblBet10") << "the disabled buttons are passed over";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focusName(), "lblBet5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(table.ui->lblBet->text(), "15");
    EXPECT_EQ(focusName(), "lblBet5") << "a bet leaves the focus on its chip";
}
