#include "odds/exact_analysis.h"
#include "support/cards.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/coach_windows.h"
#include "table/narrator.h"
#include "table/session_chart.h"
#include "table/table_window.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The menu bar, every card box, button, chip and caption, the clip, on the screen.
QList<QRect> tableContents(const BJMain &table) {
    QList<QRect> areas{{table.menuBar()->mapToGlobal(QPoint(0, 0)), table.menuBar()->size()}};
    for (const QWidget *child : table.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->objectName() != "PicBack" && !child->objectName().startsWith("Line"))
            areas << QRect(child->mapToGlobal(QPoint(0, 0)), child->size());
    }
    return areas;
}

} // namespace

TEST(CoachAtPlay, TellsEachChoiceAtOnceBesideTheTableAndAloudWhileItIsOn) {
    ScriptedTable table;
    table->show();
    QStringList heard;
    QObject::connect(table->findChild<Narrator *>(), &Narrator::spoke,
                     [&](const QString &words) { heard << words; });
    QAction *coach = table->findChild<QAction *>("Coach");
    ASSERT_TRUE(coach && coach->isCheckable());
    EXPECT_FALSE(coach->isChecked()) << "off at start";
    table->findChild<QAction *>("Statistics")->trigger();
    // The player plays at the table, which speaks while it is the active window.
    table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table.window.get()));
    coach->trigger();
    EXPECT_TRUE(coach->isChecked());

    table.stake(20, 480);
    table.deal(clubs(10), clubs(10), clubs(10));
    table.hit(clubs(5));
    const auto *note = table->findChild<BJHint *>("BJCoach");
    ASSERT_TRUE(note && note->isVisible()) << "a wrong choice is told at once";
    const PlayerSituation twenty{{20, false}, 2, 10, false};
    const ExactAnalysis exact;
    const double givenAway =
        20 * (exact.actionValue(twenty, PlayerAction::Stand) - exact.actionValue(twenty, PlayerAction::Hit));
    const QString verdict =
        QStringLiteral("Stand was better: Hit gives away %1 on average.").arg(givenAway, 0, 'f', 2);
    EXPECT_EQ(note->lblHint->text(), verdict);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !heard.isEmpty() && heard.last().endsWith(verdict); }))
        << "the screen reader hears the verdict after the news of the choice, in one breath: "
        << heard.join(" | ").toStdString();
    EXPECT_TRUE(heard.last().startsWith("You lose 20, money 480.")) << heard.last().toStdString();
    const QList<QRect> contents = tableContents(*table.window);
    EXPECT_TRUE(std::none_of(contents.begin(), contents.end(),
                             [&](const QRect &area) { return note->frameGeometry().intersects(area); }));
    EXPECT_NE(QApplication::focusWidget() ? QApplication::focusWidget()->window() : nullptr, note)
        << "the note takes no focus";

    table.stake(20, 460);
    table.deal(clubs(10), clubs(10), clubs(10));
    EXPECT_FALSE(note->isVisible()) << "the next deal puts the verdict away";
    table.stand({clubs(8)});
    EXPECT_EQ(note->lblHint->text(), "Best choice.");

    // The record counted both rounds; the chart ends at the money on the table.
    auto *stats = windowOnScreen<BJStats>();
    ASSERT_TRUE(stats);
    const std::vector<SessionPoint> &path = stats->findChild<SessionChart *>()->points();
    ASSERT_EQ(path.size(), 3u);
    EXPECT_EQ(path.back().money, table.model->bankroll());
    EXPECT_TRUE(stats->findChild<SessionChart *>()->accessibleDescription().startsWith(
        "After round 2 the money is 500 against an expected path of "));
    const auto bestChoices =
        std::find_if(stats->lblValues.begin(), stats->lblValues.end(),
                     [](QLabel *value) { return value->accessibleName() == "Best choices"; });
    ASSERT_NE(bestChoices, stats->lblValues.end());
    EXPECT_EQ((*bestChoices)->text(), "1 (50%)");

    coach->trigger();
    table.stake(20, 480);
    table.deal(clubs(10), clubs(10), clubs(10));
    table.hit(clubs(5));
    EXPECT_FALSE(note->isVisible()) << "off, the coach says nothing";
}

TEST(SessionChart, DrawsEveryPointThatFitsAndKeepsEachColumnsHighAndLowWhenThinned) {
    struct Case {
        std::size_t points;
        int columns;
    };
    for (const Case &c : {Case{6, 600}, Case{5001, 600}, Case{10001, 700}, Case{10001, 1}}) {
        std::vector<SessionPoint> path;
        for (std::size_t i = 0; i < c.points; ++i)
            path.push_back({500 + 40 * std::sin(double(i) * 0.37) + double(i % 7), 500, 1});
        const std::vector<std::size_t> drawn = pointsToDraw(path, c.columns);
        SCOPED_TRACE(c.points);
        EXPECT_TRUE(std::is_sorted(drawn.begin(), drawn.end()) &&
                    std::adjacent_find(drawn.begin(), drawn.end()) == drawn.end());
        EXPECT_TRUE(drawn.front() == 0 && drawn.back() == c.points - 1);
        EXPECT_LE(drawn.size(), std::min<std::size_t>(c.points, 3 * c.columns + 1));
        const auto money = [&](const SessionPoint &a, const SessionPoint &b) { return a.money < b.money; };
        for (const auto extreme : {std::min_element(path.begin(), path.end(), money),
                                   std::max_element(path.begin(), path.end(), money)}) {
            EXPECT_TRUE(std::count(drawn.begin(), drawn.end(), extreme - path.begin()) == 1);
        }
    }
}
