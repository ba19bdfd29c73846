#include "platform/animation_player.h"
#include "support/cards.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QAccessible>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString spoken(QObject *object, QAccessible::Text text) {
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(text) : QStringLiteral("<not accessible>");
}

class OutcomeTold : public ::testing::Test {
protected:
    OutcomeTold() {
        table->show();
        if (!QTest::qWaitForWindowExposed(table.window.get()))
            ADD_FAILURE() << "the table window never showed";
    }

    QString clipName() const { return spoken(table.ui->Flash, QAccessible::Name); }
    QString clipDescription() const { return spoken(table.ui->Flash, QAccessible::Description); }

    ScriptedTable table;
};

} // namespace

TEST_F(OutcomeTold, ANewDealAndARestartClearTheOutcome) {
    EXPECT_EQ(clipName(), "No outcome yet") << "a fresh table";
    EXPECT_EQ(clipDescription(), "");

    table.stake(10, 490);
    table.deal(clubs(10), hearts(1), spades(13));
    ASSERT_EQ(clipName(), "Blackjack!");
    table.stake(10, 505);
    table.deal(clubs(10), clubs(10), clubs(6));
    EXPECT_EQ(clipName(), "No outcome yet") << "a round in play has no outcome";
    EXPECT_EQ(clipDescription(), "");

    table.hit(spades(9));
    ASSERT_EQ(clipName(), "You lose");
    table.ui->New_Game->trigger();
    EXPECT_EQ(clipName(), "No outcome yet") << "a restart";
    EXPECT_EQ(clipDescription(), "");
}

TEST_F(OutcomeTold, TheFrameLinesAreHiddenFromAssistiveTechnology) {
    QAccessibleInterface *felt = QAccessible::queryAccessibleInterface(table->centralWidget());
    ASSERT_NE(felt, nullptr);
    QList<QObject *> reachable;
    for (int i = 0; i < felt->childCount(); ++i) {
        QAccessibleInterface *child = felt->child(i);
        ASSERT_NE(child, nullptr) << i;
        EXPECT_EQ(felt->indexOfChild(child), i);
        reachable << child->object();
    }
    const QList<QFrame *> lines = table->centralWidget()->findChildren<QFrame *>(
        QRegularExpression(QStringLiteral("^Line[1-8]$")), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(lines.size(), 8);
    for (QFrame *line : lines) {
        EXPECT_FALSE(reachable.contains(line)) << line->objectName().toStdString();
        EXPECT_NE(felt->childAt(line->mapToGlobal(QPoint(0, 0)).x(), line->mapToGlobal(QPoint(0, 0)).y()),
                  QAccessible::queryAccessibleInterface(line));
    }
    for (QWidget *control : std::initializer_list<QWidget *>{table.ui->lblmoney, table.ui->Flash,
                                                             table.ui->CmdNew, table.ui->lblBet5})
        EXPECT_TRUE(reachable.contains(control)) << control->objectName().toStdString();
}
