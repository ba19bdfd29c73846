#include "support/cards.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/narrator.h"
#include "table/table_window.h"
#include "table/translations_setup.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Narration : public ::testing::Test {
protected:
    // Shows the table as the active window and listens to what it says.
    void showActive(ScriptedTable &table) {
        QObject::connect(table->findChild<Narrator *>(), &Narrator::spoke,
                         [this](const QString &words) { spoken << words; });
        table->show();
        table->activateWindow();
        if (!QTest::qWaitForWindowActive(table.window.get()))
            ADD_FAILURE() << "the table window never became active";
    }
    // What was said once the table has finished its step, each time apart from the next by " | "; a step
    // that says nothing fails the test.
    std::string said() {
        if (!QTest::qWaitFor([this] { return !spoken.isEmpty(); }, 2000))
            ADD_FAILURE() << "nothing was said";
        return std::exchange(spoken, {}).join(QStringLiteral(" | ")).toStdString();
    }

    QStringList spoken;
};

} // namespace

TEST_F(Narration, TellsTheChipsTheDealAndTheOutcomeInTheTablesLanguage) {
    struct Case {
        const char *language;
        const char *chip;
        const char *outcome;
    };
    for (const Case &c :
         {Case{"en", "Bet 10, money 490.", "Blackjack! You win 15. Your money: 515."},
          Case{"de", "Einsatz 10, Guthaben 490.", "Blackjack! Du gewinnst 15. Dein Guthaben: 515."},
          Case{"fr", "Mise 10, solde 490.", "Blackjack\u00a0! Vous gagnez 15. Votre solde\u00a0: 515."}}) {
        SCOPED_TRACE(c.language);
        QObject translations;
        installTranslations({QLatin1String(c.language)}, &translations);
        ScriptedTable table;
        showActive(table);
        table.stake(10, 490);
        EXPECT_EQ(said(), c.chip);
        table.deal(clubs(10), hearts(1), spades(13));
        const std::string deal = said();
        EXPECT_TRUE(deal.ends_with(c.outcome)) << deal;
        for (QTimer *timer : table->findChildren<QTimer *>())
            EXPECT_FALSE(timer->isActive()) << "a timer left running at rest";
    }
}

TEST_F(Narration, ReadsTheWholeTableWithoutChangingItsPicture) {
    ScriptedTable table;
    showActive(table);
    table.stake(10, 490);
    table.deal(clubs(9), clubs(10), clubs(6));
    said();
    const QImage before = table->grab().toImage();

    QTest::keyClick(table.window.get(), Qt::Key_F3);

    EXPECT_EQ(said(),
              "You have Ten of Clubs and Six of Clubs, 16. Dealer shows Nine of Clubs. Bet 10, money 490. "
              "You may hit or stand.");
    EXPECT_TRUE(table->grab().toImage() == before) << "the reading showed on the table";
}

TEST_F(Narration, TellsARestartWithTheFreshMoneyAndNothingOfTheRoundItDropped) {
    ScriptedTable table;
    showActive(table);
    table.stake(10, 490);
    table.deal(clubs(9), clubs(10), clubs(6));
    said();

    table.ui->New_Game->trigger();

    EXPECT_EQ(said(), "New game. Your money: 500.");
}

// The narrator tells what the reports say, heard without the table window around it.
TEST(NarratorReports, TellTheChipTheDealTheDoubleTheInsuranceAndTheOutcome) {
    QWidget table;
    table.show();
    table.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
    Narrator narrator(&table);
    QStringList heard;
    QObject::connect(&narrator, &Narrator::spoke, [&](const QString &words) { heard << words; });
    struct Case {
        std::vector<RoundReport> reports;
        const char *said;
    };
    const Case cases[] = {
        {{report::ChipPlaced{10, 10, 490}}, "Bet 10, money 490."},
        {{report::CardDealt{Hand::Dealer, 0, clubs(9), CardWay::Deal},
          report::CardDealt{Hand::Player, 0, hearts(5), CardWay::Deal},
          report::CardDealt{Hand::Player, 1, hearts(6), CardWay::Deal}, report::TotalsChanged{11, 9}},
         "You have Five of Hearts and Six of Hearts, 11. Dealer shows Nine of Clubs."},
        {{report::Doubled{20, 470}, report::CardDealt{Hand::Player, 2, clubs(10), CardWay::Double},
          report::TotalsChanged{21, 9}},
         "You double: bet 20, money 470. Ten of Clubs, 21."},
        {{report::InsuranceAnswered{true, 5, 485}}, "Insurance costs 5, money 485."},
        {{report::InsuranceAnswered{false, 5, 490},
          report::OutcomeSettled{RoundOutcome::DealerBusts, 20, 40, 510}},
         "You win 20. Your money: 510."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.said);
        for (const RoundReport &report : c.reports)
            narrator.hear(report);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !heard.isEmpty(); }));
        EXPECT_EQ(std::exchange(heard, {}).join(" | "), c.said);
    }
}
