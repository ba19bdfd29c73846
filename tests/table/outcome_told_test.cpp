#include "platform/animation_player.h"
#include "support/cards.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "support/scripted_round.h"
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

TEST(OutcomeHandlers, TellTheirOutcomeWithTheirClipOnShow) {
    using Told = std::vector<std::pair<RoundOutcome, std::string>>;
    struct Case {
        const char *round;
        std::function<void(ScriptedRound &)> play;
        Told told;
    };
    const Case cases[] = {
        {"a win",
         [](ScriptedRound &r) {
             r.deal(clubs(10), clubs(10), clubs(9));
             r.stand({hearts(7)});
         },
         {{RoundOutcome::Win, "\\win.swf"}}},
        {"a loss",
         [](ScriptedRound &r) {
             r.deal(clubs(10), clubs(10), clubs(6));
             r.stand({hearts(10)});
         },
         {{RoundOutcome::Loss, "\\loss.swf"}}},
        {"a bust",
         [](ScriptedRound &r) {
             r.deal(clubs(10), clubs(10), clubs(6));
             r.hit(spades(9));
         },
         {{RoundOutcome::Loss, "\\loss.swf"}}},
        {"a push",
         [](ScriptedRound &r) {
             r.deal(clubs(10), clubs(10), clubs(13));
             r.stand({hearts(12)});
         },
         {{RoundOutcome::Push, "\\draw.swf"}}},
        {"a blackjack",
         [](ScriptedRound &r) { r.deal(clubs(10), hearts(1), spades(13)); },
         {{RoundOutcome::Blackjack, "\\bj.swf"}}},
        {"insurance paid, then the hand lost",
         [](ScriptedRound &r) {
             r.deal(clubs(1), hearts(10), hearts(9), InsuranceAnswer::Yes);
             r.stand({spades(10)});
         },
         {{RoundOutcome::InsurancePays, "\\loss.swf"}, {RoundOutcome::Loss, "\\loss.swf"}}},
        {"insurance bought and lost",
         [](ScriptedRound &r) {
             r.deal(clubs(1), hearts(10), hearts(9), InsuranceAnswer::Yes);
             r.stand({spades(5), spades(2)});
         },
         {{RoundOutcome::Win, "\\win.swf"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.round);
        ScriptedRound round;
        round.stake(10, 490);
        c.play(round);
        EXPECT_TRUE(round.view.outcomes == c.told) << round.view.outcomes.size() << " outcomes told";
    }
}

TEST_F(OutcomeTold, TheClipAreaSpeaksEachOutcomeInWords) {
    struct Case {
        RoundOutcome outcome;
        const char *words;
    };
    RoundView &view = *table.window;
    for (const Case &c : {Case{RoundOutcome::Win, "You win"}, Case{RoundOutcome::Loss, "You lose"},
                          Case{RoundOutcome::Push, "Push"}, Case{RoundOutcome::Blackjack, "Blackjack!"},
                          Case{RoundOutcome::InsurancePays, "Insurance pays"}}) {
        view.tellOutcome(c.outcome);
        EXPECT_EQ(clipName(), c.words);
        EXPECT_EQ(clipDescription(), "Outcome of the round") << c.words;
    }
}

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
