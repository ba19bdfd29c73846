#include "platform/animation_player.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Top-level windows that nothing owns: the table's menus are windows too, but the table owns them.
QWidgetList ownerlessWindows() {
    QWidgetList windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->parentWidget())
            windows << widget;
    }
    return windows;
}

class IdleTable : public ::testing::Test {
protected:
    ScriptedTable table;
};

} // namespace

TEST_F(IdleTable, ShowsTheStartingAmountsWithOnlyNewGameAndTheChipsActive) {
    EXPECT_EQ(table.ui->lblmoney->text(), "500");
    EXPECT_EQ(table.ui->lblBet->text(), "0");
    EXPECT_EQ(table.ui->lblPlay->text(), "0");
    EXPECT_EQ(table.ui->lblCom->text(), "0");

    EXPECT_TRUE(table.ui->CmdNew->isEnabled());
    EXPECT_FALSE(table.ui->CmdHit->isEnabled());
    EXPECT_FALSE(table.ui->CmdStand->isEnabled());
    EXPECT_FALSE(table.ui->cmdDouble->isEnabled());
    for (ChipLabel *chip : {table.ui->lblBet5, table.ui->lblBet10, table.ui->lblBet50})
        EXPECT_TRUE(chip->isEnabled()) << chip->objectName().toStdString();

    EXPECT_TRUE(table.ui->Sound->isChecked());
}

TEST_F(IdleTable, ShowsThreeFaceDownCardsAndAnEmptyAnimation) {
    ASSERT_EQ(table.ui->PicBack->picture().pixmap.size(), QSize(71, 96)) << "the stored card back";
    const auto faceDown = {table.ui->PicCom[0], table.ui->PicPlay[0], table.ui->PicPlay[1]};
    for (CardBox *box : faceDown) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_FALSE(box->isHidden());
        EXPECT_TRUE(box->picture().isSameAs(table.ui->PicBack->picture()));
        EXPECT_EQ(box->accessibleName(), "Face-down card");
    }
    for (int i = 1; i < 7; ++i)
        EXPECT_TRUE(table.ui->PicCom[i]->isHidden()) << "dealer box " << i + 1;
    for (int i = 2; i < 7; ++i)
        EXPECT_TRUE(table.ui->PicPlay[i]->isHidden()) << "player box " << i + 1;
    EXPECT_TRUE(table.ui->PicBack->isHidden());

    EXPECT_FALSE(table.ui->Flash->isHidden());
    EXPECT_FALSE(table.ui->Flash->hasClip());
    EXPECT_TRUE(table.ui->Flash->movie().isEmpty());
}

TEST_F(IdleTable, HasAFixedClientAreaOf559By410BelowTheMenuBarAndItsTitle) {
    BJMain &window = *table.window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(window.windowTitle(), "Nimbrel - Corvane");
    EXPECT_EQ(window.centralWidget()->size(), QSize(559, 410));
    EXPECT_EQ(window.centralWidget()->y(), window.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(window.height(), window.menuBar()->height() + 410);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    window.close();
}

TEST_F(IdleTable, PlacesControlsAtTheirPixelPositions) {
    struct Case {
        QWidget *control;
        QRect rect;
    };
    const Case cases[] = {
        {table.ui->lblBet10, {6, 320, 65, 88}},     {table.ui->lblBet5, {71, 328, 65, 77}},
        {table.ui->lblBet50, {136, 328, 65, 77}},   {table.ui->CmdNew, {216, 352, 73, 41}},
        {table.ui->cmdDouble, {480, 352, 73, 41}},  {table.ui->PicCom[0], {168, 24, 73, 97}},
        {table.ui->PicCom[6], {312, 24, 73, 97}},   {table.ui->PicPlay[0], {152, 232, 73, 97}},
        {table.ui->PicPlay[6], {296, 232, 73, 97}}, {table.ui->Flash, {168, 176, 225, 49}},
        {table.ui->lblmoney, {456, 48, 89, 41}},    {table.ui->lblBet, {80, 288, 57, 25}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.control->geometry(), c.rect) << c.control->objectName().toStdString();
}

TEST_F(IdleTable, LetsAClickOnTheMiddleOfEachChipStackReachItsLabel) {
    QWidget *felt = table->centralWidget();
    for (ChipLabel *chip : {table.ui->lblBet5, table.ui->lblBet10, table.ui->lblBet50})
        EXPECT_EQ(felt->childAt(chip->geometry().center()), chip) << chip->objectName().toStdString();
}

TEST_F(IdleTable, NamesTheFourteenCardBoxesAfterTheirPositions) {
    for (int i = 0; i < 7; ++i) {
        const QString dealer = QStringLiteral("PicCom%1").arg(i + 1);
        const QString player = QStringLiteral("PicPlay%1").arg(i + 1);
        EXPECT_EQ(table.ui->PicCom[i]->objectName(), dealer);
        EXPECT_EQ(table.ui->PicPlay[i]->objectName(), player);
        EXPECT_EQ(table->findChild<CardBox *>(dealer), table.ui->PicCom[i]);
        EXPECT_EQ(table->findChild<CardBox *>(player), table.ui->PicPlay[i]);
    }
}

TEST_F(IdleTable, OffersTheMenuWithItsCaptionsAndShortcuts) {
    EXPECT_EQ(table->menuBar()->actions(),
              QList<QAction *>({table.ui->File->menuAction(),
                                table->findChild<QMenu *>(QStringLiteral("View"))->menuAction(),
                                table.ui->Sound1->menuAction(), table.ui->About->menuAction()}));
    EXPECT_EQ(table.ui->File->title(), "&File ");
    EXPECT_EQ(table.ui->Sound1->title(), "&Sound");
    EXPECT_EQ(table.ui->About->title(), "&Other");
    EXPECT_EQ(table.ui->File->actions(),
              QList<QAction *>({table.ui->New_Game, table.ui->line, table.ui->Exit}));
    EXPECT_TRUE(table.ui->line->isSeparator());
    EXPECT_EQ(table.ui->Sound1->actions(), QList<QAction *>{table.ui->Sound});
    auto *statistics = table->findChild<QAction *>(QStringLiteral("Statistics"));
    auto *hint = table->findChild<QAction *>(QStringLiteral("Hint"));
    auto *coach = table->findChild<QAction *>(QStringLiteral("Coach"));
    EXPECT_EQ(table.ui->About->actions(), QList<QAction *>({table.ui->Help, statistics, hint, coach}));

    struct Case {
        QAction *entry;
        const char *caption;
        QKeySequence shortcut;
    };
    for (const Case &c :
         {Case{table.ui->New_Game, "Re-Start &New Game", QKeySequence(Qt::Key_F2)},
          Case{table.ui->Exit, "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X)},
          Case{table.ui->Sound, "&On", QKeySequence(Qt::Key_F5)},
          Case{table.ui->Help, "&Help", QKeySequence(Qt::Key_F1)},
          Case{statistics, "&Statistics", QKeySequence()}, Case{hint, "H&int", QKeySequence(Qt::Key_F4)},
          Case{coach, "&Coach", QKeySequence(Qt::Key_F6)},
          Case{table->findChild<QAction *>(QStringLiteral("ZoomIn")), "Zoom &In",
               QKeySequence(Qt::CTRL | Qt::Key_Plus)},
          Case{table->findChild<QAction *>(QStringLiteral("ZoomOut")), "Zoom &Out",
               QKeySequence(Qt::CTRL | Qt::Key_Minus)},
          Case{table->findChild<QAction *>(QStringLiteral("ActualSize")), "&Actual Size",
               QKeySequence(Qt::CTRL | Qt::Key_0)}}) {
        EXPECT_EQ(c.entry->text(), c.caption);
        EXPECT_EQ(c.entry->shortcut(), c.shortcut) << c.caption;
    }
    EXPECT_TRUE(table.ui->Sound->isCheckable());
}

TEST_F(IdleTable, TellsAScreenReaderWhatEachControlIs) {
    struct Case {
        QWidget *control;
        const char *name;
        const char *description;
    };
    const Case cases[] = {
        {table.ui->lblBet5, "Bet 5", ""},        {table.ui->lblBet10, "Bet 10", ""},
        {table.ui->lblBet50, "Bet 50", ""},      {table.ui->lblCom, "", "Dealer total"},
        {table.ui->lblPlay, "", "Player total"}, {table.ui->lblBet, "", "Bet"},
        {table.ui->lblmoney, "", "Your money"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        EXPECT_EQ(c.control->accessibleName(), c.name);
        EXPECT_EQ(c.control->accessibleDescription(), c.description);
    }
    // A number label is spoken as the number it shows.
    table.ui->lblmoney->setText(QStringLiteral("445"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(table.ui->lblmoney)->text(QAccessible::Name), "445");
}

TEST_F(IdleTable, NamesTheCardEachBoxShows) {
    table->lblBet5_Click();
    table.random->pushDeal(13, 38, 45);
    table.ui->CmdNew->click();

    EXPECT_EQ(table.ui->PicCom[0]->accessibleName(), "King of Clubs");
    EXPECT_EQ(table.ui->PicPlay[0]->accessibleName(), "Queen of Hearts");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(table.ui->PicPlay[1])->text(QAccessible::Name),
              "Six of Spades");

    table.ui->New_Game->trigger();
    EXPECT_EQ(table.ui->PicPlay[0]->accessibleName(), "Face-down card");
}

TEST(TableWindows, StartWithTheTableAloneAndLeaveNothingBehind) {
    ASSERT_TRUE(ownerlessWindows().isEmpty());
    {
        ScriptedTable table;
        EXPECT_EQ(ownerlessWindows(), QWidgetList{table.window.get()});
    }
    EXPECT_TRUE(ownerlessWindows().isEmpty());
}
