#include "odds/exact_analysis.h"
#include "support/cards.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/coach_windows.h"
#include "table/insurance_dialog.h"
#include "table/narrator.h"
#include "table/table_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

// F4 reaches the coach from the table and from the insurance offer; the answer is shown and spoken, and
// the table is left exactly as it was.
TEST(Hint, AnswersEachDecisionAtTheStakeWithoutPlaying) {
    ScriptedTable table;
    table->show();
    table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table.window.get()));
    QStringList heard;
    QObject::connect(table->findChild<Narrator *>(), &Narrator::spoke,
                     [&](const QString &words) { heard << words; });
    const auto hint = [&](QWidget *window) {
        const RoundControls before = table.model->controls();
        const double money = table.model->bankroll();
        QTest::keyClick(window, Qt::Key_F4);
        EXPECT_TRUE(windowOnScreen<BJHint>()) << "F4 opens the hint";
        if (!windowOnScreen<BJHint>())
            return QString();
        EXPECT_TRUE(table.model->controls() == before && table.model->bankroll() == money);
        EXPECT_TRUE(heard.contains(windowOnScreen<BJHint>()->lblHint->text()))
            << "the screen reader hears the hint";
        return windowOnScreen<BJHint>()->lblHint->text();
    };
    EXPECT_EQ(hint(table.window.get()), "Nothing to decide now.");

    table.stake(20, 480);
    table.deal(clubs(10), clubs(10), clubs(6));
    const ExactAnalysis exact;
    const QString hit =
        QString::number(-20 * exact.actionValue({{16, false}, 2, 10, false}, PlayerAction::Hit), 'f', 2);
    const QString stand =
        QString::number(-20 * exact.actionValue({{16, false}, 2, 10, false}, PlayerAction::Stand), 'f', 2);
    EXPECT_EQ(hint(table.window.get()),
              QStringLiteral("Hit: lose $%1 on average. Stand: lose $%2.").arg(hit, stand));
    table.stand({clubs(7)});
    ASSERT_TRUE(windowOnScreen<BJHint>()) << "the hint stays open";
    EXPECT_TRUE(QTest::qWaitFor([] {
        return windowOnScreen<BJHint>()->lblHint->text() == QStringLiteral("Nothing to decide now.");
    })) << "and follows the round";

    table.stake(20, 480);
    table.deal(clubs(1), clubs(5), clubs(6));
    // Offscreen, every window shown is activated, the hint's too; a desktop gives the hint no focus.
    ASSERT_TRUE(windowOnScreen<BJInsurWindow>());
    windowOnScreen<BJInsurWindow>()->activateWindow();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QApplication::activeWindow() == windowOnScreen<BJInsurWindow>(); }));
    EXPECT_TRUE(hint(windowOnScreen<BJInsurWindow>()).startsWith("Insurance: win "))
        << "an 11 under an ace is insured, then doubled";
    EXPECT_TRUE(hint(windowOnScreen<BJInsurWindow>()).contains("No insurance: lose "));
    windowOnScreen<BJInsurWindow>()->close();
}

// The record counts the rounds played to their end, from the program's start: a restart refills the
// money and keeps it. Its lines stay whole at any scale of the desktop.
TEST(Statistics, FollowTheRoundsAndOutliveARestart) {
    ScriptedTable table;
    table->show();
    table->findChild<QAction *>("Statistics")->trigger();
    BJStats *stats = windowOnScreen<BJStats>();
    ASSERT_TRUE(stats);
    ASSERT_FALSE(stats->lblValues.isEmpty());
    EXPECT_EQ(stats->focusWidget(), stats->lblValues.first());
    const auto line = [&](int row) {
        return stats->lblValues.at(row)->accessibleName() + ": " + stats->lblValues.at(row)->text();
    };

    table.stake(10, 490);
    table.deal(clubs(9), clubs(1), clubs(13));
    table.stake(10, 505);
    table.deal(clubs(10), clubs(10), clubs(6));
    table->New_Game_Click();
    EXPECT_EQ((QStringList{line(0), line(1), line(4), line(8), line(9)}),
              (QStringList{"Rounds played: 1", "Won: 1", "Blackjacks: 1", "Net result: +$15",
                           "Your Money at its highest: $515"}));
    // A refused insurance lets a natural be paid at once; the table hears of it once the refusal is closed.
    table.stake(10, 4);
    table.deal(clubs(1), clubs(1), clubs(13));
    answerModal(QStringLiteral("Yes"));
    answerModal([&](QWidget *alert) {
        EXPECT_EQ(line(0), "Rounds played: 1");
        qobject_cast<QMessageBox *>(alert)->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ((QStringList{line(0), line(4), line(5)}),
              (QStringList{"Rounds played: 2", "Blackjacks: 2", "Insurance bought: 0"}));
    for (const QLabel *value : stats->lblValues)
        EXPECT_GE(value->width(), value->fontMetrics().horizontalAdvance(value->text()))
            << value->text().toStdString();
    EXPECT_TRUE(stats->screen()->availableGeometry().contains(stats->frameGeometry()))
        << "whole on a screen of " << stats->screen()->availableGeometry().width() << " pixels";
    stats->close();
}
