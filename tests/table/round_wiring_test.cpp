#include "platform/animation_player.h"
#include "support/cards.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/insurance_dialog.h"
#include "table/table_window.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A shown table whose round is played through real clicks on scripted cards.
class TableRound : public ::testing::Test {
protected:
    TableRound() {
        table->show();
        if (!QTest::qWaitForWindowExposed(table.window.get()))
            ADD_FAILURE() << "the table window never showed";
    }

    static void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton); }

    QString bankroll() const { return table.ui->lblmoney->text(); }
    QString bet() const { return table.ui->lblBet->text(); }

    ScriptedTable table;
};

} // namespace

TEST_F(TableRound, ChipClicksMoveTheirAmountsFromTheMoneyToTheBet) {
    click(table.ui->lblBet50);
    click(table.ui->lblBet5);
    EXPECT_EQ(bet(), "55");
    EXPECT_EQ(bankroll(), "445");
}

TEST_F(TableRound, ADealShowsTheCardsTotalsAndThePlayersButtons) {
    table.stake(10, 490);
    table.deal(spades(12), hearts(9), clubs(5));
    EXPECT_EQ(table.ui->lblCom->text(), "10");
    EXPECT_EQ(table.ui->lblPlay->text(), "14");
    EXPECT_EQ(table.ui->PicCom[0]->accessibleName(), "Queen of Spades");
    EXPECT_EQ(table.ui->PicPlay[0]->accessibleName(), "Nine of Hearts");
    EXPECT_EQ(table.ui->PicPlay[1]->accessibleName(), "Five of Clubs");
    EXPECT_EQ(table.ui->visibleDealerCards(), 1);
    EXPECT_EQ(table.ui->visiblePlayerCards(), 2);
    EXPECT_FALSE(table.ui->CmdNew->isEnabled());
    EXPECT_TRUE(table.ui->CmdHit->isEnabled());
    EXPECT_TRUE(table.ui->CmdStand->isEnabled());
    EXPECT_FALSE(table.ui->cmdDouble->isEnabled());
    for (ChipLabel *chip : {table.ui->lblBet5, table.ui->lblBet10, table.ui->lblBet50})
        EXPECT_FALSE(chip->isEnabled()) << chip->objectName().toStdString();
    EXPECT_FALSE(table.ui->Flash->isVisible());
    EXPECT_EQ(table.ui->clip(), "/a.swf");
}

TEST_F(TableRound, HitStandAndDoubleClicksPlayTheRoundToItsSettlement) {
    table.stake(10, 490);
    table.deal(clubs(10), clubs(10), clubs(2));
    table.hit(hearts(3));
    EXPECT_EQ(table.ui->PicPlay[2]->accessibleName(), "Three of Hearts");
    EXPECT_EQ(table.ui->lblPlay->text(), "15");
    table.stand({hearts(6), spades(6)});
    EXPECT_EQ(table.ui->PicCom[1]->accessibleName(), "Six of Hearts");
    EXPECT_EQ(table.ui->PicCom[2]->accessibleName(), "Six of Spades");
    EXPECT_EQ(table.ui->lblCom->text(), "22");
    EXPECT_EQ(table.soundNames(), (QStringList{"/whoosh.wav", "/whoosh.wav", "/whoosh.wav", "/Explode.wav"}));
    EXPECT_TRUE(table.ui->Flash->isVisible());
    EXPECT_EQ(table.ui->clip(), "\\win.swf");
    EXPECT_EQ(bankroll(), "510");
    EXPECT_EQ(bet(), "0");
    EXPECT_TRUE(table.ui->CmdNew->isEnabled());
    EXPECT_FALSE(table.ui->CmdStand->isEnabled());
    EXPECT_TRUE(table.ui->lblBet10->isEnabled());

    table.stake(5, 502.5);
    table.deal(clubs(10), clubs(5), clubs(6));
    ASSERT_TRUE(table.ui->cmdDouble->isEnabled());
    table.random->pushCards({hearts(1), hearts(8)});
    click(table.ui->cmdDouble);
    EXPECT_EQ(table.ui->lblPlay->text(), "12");
    EXPECT_EQ(bankroll(), "497.5") << "a doubled stake of 10 lost, shown with its fraction";
    EXPECT_FALSE(table.ui->cmdDouble->isEnabled());
}

TEST_F(TableRound, TheRefusalsShowTheCorvaneAlert) {
    struct Case {
        const char *situation;
        std::function<void(ScriptedTable &)> act;
        const char *text;
    };
    const Case cases[] = {
        {"a deal without a stake", [](ScriptedTable &t) { click(t.ui->CmdNew); }, "Please bet first!!"},
        {"a chip the bankroll cannot cover",
         [](ScriptedTable &t) {
             t.model->setBankroll(5);
             click(t.ui->lblBet10);
         },
         "You have not enough money!!"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.situation);
        c.act(table);
        const ModalSeen alert = answerModal(QStringLiteral("OK"));
        EXPECT_EQ(alert.title, "Corvane Alert");
        EXPECT_EQ(alert.text, c.text);
        EXPECT_EQ(alert.buttons, QStringList{"OK"});
        EXPECT_FALSE(alert.hasIcon);
        EXPECT_EQ(alert.parent, table.window.get());
        EXPECT_EQ(bet(), "0");
    }
}

TEST_F(TableRound, TheInsuranceDialogAsksHoldsTheTableAndHandsTheAnswerToTheModel) {
    table.stake(10, 490);
    table.deal(clubs(1), hearts(10), hearts(7));
    EXPECT_FALSE(table.ui->CmdHit->isEnabled()) << "the offer holds the player's turn";
    EXPECT_TRUE(table.ui->PicCom[1]->picture().isSameAs(table.ui->PicBack->picture()));
    const ModalSeen offer =
        answerModal([](QWidget *dialog) { click(dialog->findChild<QPushButton *>("CmdYes")); });

    EXPECT_EQ(offer.objectName, "BJInsur");
    EXPECT_EQ(offer.title, "Insurance");
    EXPECT_EQ(offer.buttons, (QStringList{"Yes", "No"}));
    EXPECT_EQ(offer.parent, table.window.get()) << "modal to the table alone";
    EXPECT_EQ(table.soundNames(), QStringList{"/insurance.wav"});
    EXPECT_EQ(bankroll(), "485");
    EXPECT_EQ(table.model->cards().InsYes, 1);
    EXPECT_EQ(windowOnScreen<BJInsurWindow>(), nullptr) << "the answer unloads the window";
    EXPECT_TRUE(table.ui->CmdHit->isEnabled());
    EXPECT_TRUE(table.ui->CmdStand->isEnabled());
    EXPECT_EQ(table.ui->PicCom[1]->accessibleName(), "Face-down card");
}

// The style keeps its drawn buttons in a picture cache keyed by their palette: an offer whose buttons came
// with a palette of their own every time would fill that cache offer after offer.
TEST_F(TableRound, EveryOfferIsPaleYellowAndDrawsItsButtonsWithTheSamePalette) {
    std::vector<qint64> paletteKeys;
    QColor background;
    for (int offer = 0; offer < 2; ++offer) {
        SCOPED_TRACE(offer);
        table.stake(10, 490 - 10 * offer);
        table.deal(clubs(1), hearts(10), hearts(7));
        answerModal([&](QWidget *dialog) {
            paletteKeys.push_back(dialog->findChild<QPushButton *>("CmdYes")->palette().cacheKey());
            background = dialog->grab().toImage().pixelColor(2, 2);
            click(dialog->findChild<QPushButton *>("CmdNo"));
        });
        table.stand({spades(8)});
    }
    ASSERT_EQ(paletteKeys.size(), 2u);
    EXPECT_EQ(paletteKeys[0], paletteKeys[1]);
    EXPECT_EQ(background, QColor(255, 255, 192));
}

TEST_F(TableRound, TheInsuranceCallPlaysWhateverTheSoundSettingAndClosingCountsAsNo) {
    table.ui->Sound->trigger();
    table.stake(10, 490);
    table.deal(diamonds(1), hearts(10), hearts(7));
    answerModal([](QWidget *dialog) { dialog->close(); });
    EXPECT_EQ(table.soundNames(), QStringList{"/insurance.wav"});
    EXPECT_EQ(table.model->cards().InsYes, 0);
    EXPECT_EQ(bankroll(), "490");
    EXPECT_TRUE(table.ui->CmdHit->isEnabled());
    EXPECT_EQ(windowOnScreen<BJInsurWindow>(), nullptr);
}

TEST_F(TableRound, AnInsuranceTheBankrollCannotPayIsRefusedOverTheOffer) {
    table.stake(50, 20);
    table.deal(clubs(1), hearts(10), hearts(7));
    answerModal(QStringLiteral("Yes"));
    const ModalSeen alert = answerModal([this](QWidget *alert) {
        EXPECT_TRUE(alert->parentWidget()->isVisible()) << "the offer closes only after the refusal";
        EXPECT_FALSE(table.ui->CmdHit->isEnabled()) << "and the turn passes only after it";
        qobject_cast<QMessageBox *>(alert)->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(alert.text, "You have not enough money!!");
    ASSERT_TRUE(alert.parent);
    EXPECT_EQ(alert.parent->objectName(), "BJInsur") << "the refusal shows over the offer";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alert.parent) << "and the offer goes with it";
    EXPECT_EQ(bankroll(), "20");
    EXPECT_EQ(table.model->cards().InsYes, 0);
    EXPECT_TRUE(table.ui->CmdHit->isEnabled());
    EXPECT_EQ(windowOnScreen<BJInsurWindow>(), nullptr);
}

TEST_F(TableRound, ARefusedDoubleIsWithdrawnOnceTheRefusalIsClosed) {
    table.stake(10, 5);
    table.deal(clubs(10), clubs(5), clubs(6));
    click(table.ui->cmdDouble);
    answerModal([this](QWidget *alert) {
        EXPECT_TRUE(table.ui->cmdDouble->isEnabled()) << "the table waits behind the refusal";
        qobject_cast<QMessageBox *>(alert)->button(QMessageBox::Ok)->click();
    });
    EXPECT_FALSE(table.ui->cmdDouble->isEnabled());
    EXPECT_TRUE(table.ui->CmdHit->isEnabled());
    EXPECT_EQ(bet(), "10");
}

TEST_F(TableRound, WithTheSoundOffTheCardsAndOutcomesComeSilentlyAndTheClipsStillShow) {
    table.stake(10, 490);
    table.deal(clubs(10), clubs(10), clubs(8));
    table.hit(hearts(1));
    table.ui->Sound->trigger();
    table.stand({hearts(3), hearts(5)});
    EXPECT_EQ(table.soundNames(), QStringList{"/whoosh.wav"}) << "only the hit before the sound went off";
    EXPECT_EQ(table.clock->sleeps.size(), 2u) << "the dealer still pauses before every card";
    EXPECT_EQ(table.ui->clip(), "\\win.swf");
    EXPECT_EQ(bankroll(), "510");
}

TEST_F(TableRound, ClosingTheTableDuringThePauseLosesNoMoneyAndItPlaysOnWhenShownAgain) {
    for (const auto &closeTable :
         {std::function<void(BJMain &)>([](BJMain &window) { window.close(); }),
          std::function<void(BJMain &)>([](BJMain &window) { window.Exit_Click(); })}) {
        table->show();
        table.ui->New_Game->trigger();
        table.wave->played.clear();
        table.stake(10, 490);
        table.deal(clubs(10), clubs(10), clubs(8));
        table.random->pushCards({hearts(7)});
        click(table.ui->CmdStand);
        closeTable(*table.window);
        QTest::qWait(10); // long enough for a dealer's timer that was left running
        EXPECT_EQ(table.model->phase(), RoundPhase::GivenUp) << "the round stays where it stopped";
        EXPECT_FALSE(table->isVisible());
        EXPECT_TRUE(table.ui->PicCom[1]->isHidden());
        EXPECT_TRUE(table.wave->played.isEmpty());
        EXPECT_EQ(bet(), "10");
        EXPECT_EQ(bankroll(), "490");
        EXPECT_EQ(table.random->remaining(), 1u);
        table.random->clearScript();

        // Shown again, the table plays its next round to the end.
        table->show();
        table.ui->New_Game->trigger();
        table.stake(10, 490);
        table.deal(clubs(10), clubs(10), clubs(8));
        table.stand({hearts(7)});
        EXPECT_EQ(bankroll(), "510");
    }
}
