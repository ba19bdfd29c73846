#include "platform/speech_voice.h"
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
    for (const Case &c : {Case{"en", "Bet 10, money 490.", "Blackjack! You win 15, money 515."},
                          Case{"de", "Einsatz 10, Guthaben 490.", "Blackjack! Du gewinnst 15, Guthaben 515."},
                          Case{"fr", "Mise 10, solde 490.", "Blackjack\u00a0! Vous gagnez 15, solde 515."}}) {
        SCOPED_TRACE(c.language);
        QObject translations;
        installTranslations({QLatin1String(c.language)}, &translations);
        ScriptedTable table;
        showActive(table);
        table.stake(10, 490);
        EXPECT_EQ(said(), c.chip);
        table.deal(clubs(10), hearts(1), spades(13));
        const std::string deal = said();
        EXPECT_TRUE(deal.starts_with(c.outcome)) << deal;
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

    table.stand({hearts(8)});
    said();
    QTest::keyClick(table.window.get(), Qt::Key_F3);
    EXPECT_TRUE(said().starts_with("You lose 10, money 490. You have"));
}

// F7 says the last news again, word for word, for a player whose key press cut it off.
TEST_F(Narration, RepeatsTheLastNews) {
    ScriptedTable table;
    showActive(table);
    table.stake(10, 490);
    table.deal(clubs(9), clubs(10), clubs(6));
    const std::string deal = said();

    QTest::keyClick(table.window.get(), Qt::Key_F7);

    EXPECT_EQ(said(), deal);
}

TEST_F(Narration, TellsARestartWithTheFreshMoneyAndNothingOfTheRoundItDropped) {
    ScriptedTable table;
    showActive(table);
    table.stake(10, 490);
    table.deal(clubs(9), clubs(10), clubs(6));
    said();

    table.ui->New_Game->trigger();

    EXPECT_EQ(said(), "New game, money 500.");
}

// A narrator beside a window of its own, on a clock the test moves, and every sentence it speaks.
class NarratorReports : public ::testing::Test {
protected:
    void SetUp() override {
        table.show();
        table.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&table));
        QObject::connect(&narrator, &Narrator::spoke, [this](const QString &words) { heard << words; });
    }

    QWidget table;
    qint64 clock = 0;
    Narrator narrator{&table, [this] { return clock; }};
    QStringList heard;
};

// The narrator tells what the reports say, heard without the table window around it.
TEST_F(NarratorReports, TellTheChipTheDealTheDoubleTheInsuranceAndTheOutcome) {
    struct Case {
        std::vector<RoundReport> reports;
        const char *said;
    };
    const RoundControls turn{false, true, true, false, false};
    const RoundControls turnWithDouble{false, true, true, true, false};
    const RoundControls idle{};
    const Case cases[] = {
        {{report::ChipPlaced{10, 10, 490}}, "Bet 10, money 490."},
        // The deal: the total against the up card, the cards, the choices with the double among them.
        {{report::CardDealt{Hand::Dealer, 0, clubs(9), CardWay::Deal},
          report::CardDealt{Hand::Player, 0, hearts(5), CardWay::Deal},
          report::CardDealt{Hand::Player, 1, hearts(6), CardWay::Deal}, report::ControlsChanged{turn},
          report::TotalsChanged{11, 9}, report::ControlsChanged{turnWithDouble}},
         "11 against a Nine: Five and Six. Hit, stand or double."},
        // Nothing while the dealer plays; then the outcome and the money first.
        {{report::ChoiceMade{Choice::Double, {}}, report::Doubled{20, 470},
          report::CardDealt{Hand::Player, 2, clubs(10), CardWay::Double}, report::TotalsChanged{21, 9},
          report::ControlsChanged{RoundControls{false, false, false, false, false}},
          report::CardDealt{Hand::Dealer, 1, hearts(7), CardWay::DealerDraw}, report::TotalsChanged{21, 16},
          report::DealerPaused{900}, report::CardDealt{Hand::Dealer, 2, spades(13), CardWay::DealerDraw},
          report::TotalsChanged{21, 26}, report::OutcomeSettled{RoundOutcome::DealerBusts, 20, 40, 510},
          report::ControlsChanged{idle}, report::RoundEnded{true, 510}},
         "You win 20, money 510. Doubled: Ten, 21. Dealer busts with 26."},
        // A soft total says so; the card that makes it hard again is then no surprise.
        {{report::BoxChanged{Hand::Dealer, 1, BoxShows::Nothing},
          report::BoxChanged{Hand::Player, 2, BoxShows::Nothing},
          report::CardDealt{Hand::Dealer, 0, clubs(10), CardWay::Deal},
          report::CardDealt{Hand::Player, 0, diamonds(1), CardWay::Deal},
          report::CardDealt{Hand::Player, 1, spades(6), CardWay::Deal}, report::TotalsChanged{17, 10},
          report::ControlsChanged{turn}},
         "soft 17 against a Ten: Ace and Six."},
        {{report::CardDealt{Hand::Player, 2, hearts(9), CardWay::Hit}, report::TotalsChanged{16, 10}},
         "Nine, 16."},
        {{report::ControlsChanged{idle}, report::InsuranceAnswered{false, 5, 490},
          report::ControlsChanged{turn}},
         "Insurance declined."},
        {{report::InsuranceAnswered{true, 5, 485}}, "Insured for 5, money 485."},
        {{report::OutcomeSettled{RoundOutcome::InsurancePays, 10, 15, 500},
          report::OutcomeSettled{RoundOutcome::Loss, 10, 0, 500}, report::RoundEnded{true, 500}},
         "Insurance pays 10. You lose 10, money 500."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.said);
        for (const RoundReport &report : c.reports)
            narrator.hear(report);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !heard.isEmpty(); }));
        EXPECT_EQ(std::exchange(heard, {}).join(" | "), c.said);
    }
}

// A key press stops the screen reader: news cut off before it could have been spoken whole leads the next
// news, and the round's result rides along until news that holds it goes uncut.
TEST_F(NarratorReports, TellWhatAKeyCutOffAtTheHeadOfTheNextNews) {
    struct Case {
        std::vector<RoundReport> reports;
        const char *said;
        bool keyAtOnce; // else the key comes a minute later, once everything was heard
    };
    const Case cases[] = {
        {{report::ChipPlaced{10, 10, 490}}, "Bet 10, money 490.", true},
        {{report::ChipPlaced{10, 20, 480}}, "Bet 10, money 490. Bet 20, money 480.", false},
        {{report::ChipPlaced{10, 30, 470}}, "Bet 30, money 470.", false},
        {{report::OutcomeSettled{RoundOutcome::Win, 30, 60, 530}, report::RoundEnded{true, 530}},
         "You win 30, money 530.",
         true},
        {{report::ChipPlaced{10, 10, 520}}, "You win 30, money 530. Bet 10, money 520.", true},
        {{report::ChipPlaced{10, 20, 510}},
         "You win 30, money 530. Bet 10, money 520. Bet 20, money 510.",
         false},
        {{report::ChipPlaced{10, 30, 500}}, "Bet 30, money 500.", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.said);
        for (const RoundReport &report : c.reports)
            narrator.hear(report);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !heard.isEmpty(); }));
        EXPECT_EQ(std::exchange(heard, {}).join(" | "), c.said);
        if (!c.keyAtOnce)
            clock += 60000;
        QTest::keyClick(&table, Qt::Key_Tab);
    }
}

// With a voice of the game's own, the round's result is spoken by it, where no key cuts it off: only the
// rest of the news is carried when a key cuts that, and words the player asks for stop the voice.
TEST_F(NarratorReports, GiveTheRoundsResultToTheGamesOwnVoice) {
    struct RecordingVoice final : SpeechVoice {
        bool speak(const QString &words, const QString &) override {
            spoken << words;
            return true;
        }
        void stop() override { ++stops; }
        QStringList spoken;
        int stops = 0;
    } voice;
    narrator.speakResultsWith(&voice);

    for (const RoundReport &report :
         {RoundReport{report::CardDealt{Hand::Dealer, 1, clubs(7), CardWay::DealerDraw}},
          RoundReport{report::TotalsChanged{19, 17}},
          RoundReport{report::OutcomeSettled{RoundOutcome::Win, 30, 60, 530}},
          RoundReport{report::RoundEnded{true, 530}}})
        narrator.hear(report);
    EXPECT_EQ(voice.spoken, QStringList{"You win 30, money 530."});
    EXPECT_EQ(std::exchange(heard, {}).join(" | "), "You win 30, money 530. Dealer has 17.");
    QTest::keyClick(&table, Qt::Key_Tab);

    narrator.hear(report::ChipPlaced{10, 10, 520});
    EXPECT_TRUE(QTest::qWaitFor([&] { return !heard.isEmpty(); }));
    EXPECT_EQ(std::exchange(heard, {}).join(" | "), "Dealer has 17. Bet 10, money 520.");
    EXPECT_EQ(voice.spoken.size(), 1);

    narrator.repeatNews();
    EXPECT_EQ(voice.stops, 1) << "the player's own request takes over from the voice";
}
