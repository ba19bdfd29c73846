#include "platform/animation_player.h"
#include "support/scripted_platform.h"
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
    EXPECT_EQ(table->lblmoney->text(), "500");
    EXPECT_EQ(table->lblBet->text(), "0");
    EXPECT_EQ(table->lblPlay->text(), "0");
    EXPECT_EQ(table->lblCom->text(), "0");

    EXPECT_TRUE(table->CmdNew->isEnabled());
    EXPECT_FALSE(table->CmdHit->isEnabled());
    EXPECT_FALSE(table->CmdStand->isEnabled());
    EXPECT_FALSE(table->cmdDouble->isEnabled());
    for (ChipLabel *chip : {table->lblBet5, table->lblBet10, table->lblBet50})
        EXPECT_TRUE(chip->isEnabled()) << chip->objectName().toStdString();

    EXPECT_TRUE(table->Sound->isChecked());
}

TEST_F(IdleTable, ShowsThreeFaceDownCardsAndAnEmptyAnimation) {
    ASSERT_EQ(table->PicBack->picture().pixmap.size(), QSize(71, 96)) << "the stored card back";
    const auto faceDown = {table->PicCom[0], table->PicPlay[0], table->PicPlay[1]};
    for (CardBox *box : faceDown) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_FALSE(box->isHidden());
        EXPECT_TRUE(box->picture().isSameAs(table->PicBack->picture()));
        EXPECT_EQ(box->accessibleName(), "Face-down card");
    }
    for (int i = 1; i < 7; ++i)
        EXPECT_TRUE(table->PicCom[i]->isHidden()) << "dealer box " << i + 1;
    for (int i = 2; i < 7; ++i)
        EXPECT_TRUE(table->PicPlay[i]->isHidden()) << "player box " << i + 1;
    EXPECT_TRUE(table->PicBack->isHidden());

    EXPECT_FALSE(table->Flash->isHidden());
    EXPECT_FALSE(table->Flash->hasClip());
    EXPECT_TRUE(table->Flash->movie().isEmpty());
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
        {table->lblBet10, {6, 320, 65, 88}},     {table->lblBet5, {71, 328, 65, 77}},
        {table->lblBet50, {136, 328, 65, 77}},   {table->CmdNew, {216, 352, 73, 41}},
        {table->cmdDouble, {480, 352, 73, 41}},  {table->PicCom[0], {168, 24, 73, 97}},
        {table->PicCom[6], {312, 24, 73, 97}},   {table->PicPlay[0], {152, 232, 73, 97}},
        {table->PicPlay[6], {296, 232, 73, 97}}, {table->Flash, {168, 176, 225, 49}},
        {table->lblmoney, {456, 48, 89, 41}},    {table->lblBet, {80, 288, 57, 25}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.control->geometry(), c.rect) << c.control->objectName().toStdString();
}

TEST_F(IdleTable, LetsAClickOnTheMiddleOfEachChipStackReachItsLabel) {
    QWidget *felt = table->centralWidget();
    for (ChipLabel *chip : {table->lblBet5, table->lblBet10, table->lblBet50})
        EXPECT_EQ(felt->childAt(chip->geometry().center()), chip) << chip->objectName().toStdString();
}

TEST_F(IdleTable, NamesTheFourteenCardBoxesAfterTheirPositions) {
    for (int i = 0; i < 7; ++i) {
        const QString dealer = QStringLiteral("PicCom%1").arg(i + 1);
        const QString player = QStringLiteral("PicPlay%1").arg(i + 1);
        EXPECT_EQ(table->PicCom[i]->objectName(), dealer);
        EXPECT_EQ(table->PicPlay[i]->objectName(), player);
        EXPECT_EQ(table->findChild<CardBox *>(dealer), table->PicCom[i]);
        EXPECT_EQ(table->findChild<CardBox *>(player), table->PicPlay[i]);
    }
}

TEST_F(IdleTable, OffersTheMenuWithItsCaptionsAndShortcuts) {
    EXPECT_EQ(table->menuBar()->actions(),
              QList<QAction *>(
                  {table->File->menuAction(), table->Sound1->menuAction(), table->About->menuAction()}));
    EXPECT_EQ(table->File->title(), "&File ");
    EXPECT_EQ(table->Sound1->title(), "&Sound");
    EXPECT_EQ(table->About->title(), "&Other");
    EXPECT_EQ(table->File->actions(), QList<QAction *>({table->New_Game, table->line, table->Exit}));
    EXPECT_TRUE(table->line->isSeparator());
    EXPECT_EQ(table->Sound1->actions(), QList<QAction *>{table->Sound});
    EXPECT_EQ(table->About->actions(), QList<QAction *>{table->Help});

    struct Case {
        QAction *entry;
        const char *caption;
        QKeySequence shortcut;
    };
    for (const Case &c : {Case{table->New_Game, "Re-Start &New Game", QKeySequence(Qt::Key_F2)},
                          Case{table->Exit, "E&xit", QKeySequence(Qt::CTRL | Qt::Key_X)},
                          Case{table->Sound, "&On", QKeySequence(Qt::Key_F5)},
                          Case{table->Help, "&Help", QKeySequence(Qt::Key_F1)}}) {
        EXPECT_EQ(c.entry->text(), c.caption);
        EXPECT_EQ(c.entry->shortcut(), c.shortcut) << c.caption;
    }
    EXPECT_TRUE(table->Sound->isCheckable());
}

TEST_F(IdleTable, TellsAScreenReaderWhatEachControlIs) {
    struct Case {
        QWidget *control;
        const char *name;
        const char *description;
    };
    const Case cases[] = {
        {table->lblBet5, "Bet 5", ""},        {table->lblBet10, "Bet 10", ""},
        {table->lblBet50, "Bet 50", ""},      {table->lblCom, "", "Dealer total"},
        {table->lblPlay, "", "Player total"}, {table->lblBet, "", "Bet"},
        {table->lblmoney, "", "Your money"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.control->objectName().toStdString());
        EXPECT_EQ(c.control->accessibleName(), c.name);
        EXPECT_EQ(c.control->accessibleDescription(), c.description);
    }
    // A number label is spoken as the number it shows.
    table->lblmoney->setText(QStringLiteral("445"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(table->lblmoney)->text(QAccessible::Name), "445");
}

TEST_F(IdleTable, NamesTheCardEachBoxShows) {
    table->lblBet5_Click();
    table.random->pushDeal(13, 38, 45);
    table->CmdNew->click();

    EXPECT_EQ(table->PicCom[0]->accessibleName(), "King of Clubs");
    EXPECT_EQ(table->PicPlay[0]->accessibleName(), "Queen of Hearts");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(table->PicPlay[1])->text(QAccessible::Name),
              "Six of Spades");

    table->New_Game->trigger();
    EXPECT_EQ(table->PicPlay[0]->accessibleName(), "Face-down card");
}

TEST(TableWindows, StartWithTheTableAloneAndLeaveNothingBehind) {
    ASSERT_TRUE(ownerlessWindows().isEmpty());
    {
        ScriptedTable table;
        EXPECT_EQ(ownerlessWindows(), QWidgetList{table.window.get()});
    }
    EXPECT_TRUE(ownerlessWindows().isEmpty());
}
