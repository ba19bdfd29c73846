#pragma once

#include "play/round_listener.h"
#include "table/screen_reader_notice.h"
#include "table/table_shown.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <optional>
#include <vector>

class QWidget;

// What a screen reader user hears of the round: the cards, the totals, the chips, the double, the
// insurance, the outcomes and the money, in the table's language. It gathers what the round reports and
// speaks it in one breath once the round waits again (for the player, or in the dealer's pause). It
// speaks only while the table is the active window: news that comes while a dialog holds the focus waits
// until the table has it back, so that the screen reader's own words for the returning focus do not cut
// it off.
class Narrator final : public QObject, public RoundListener {
    Q_OBJECT

public:
    explicit Narrator(QWidget *table);

    void cardDealt(const report::CardDealt &card) override;
    void boxChanged(const report::BoxChanged &box) override;
    void totalsChanged(const report::TotalsChanged &totals) override;
    void chipPlaced(const report::ChipPlaced &chip) override;
    void insuranceAnswered(const report::InsuranceAnswered &answer) override;
    void doubled(const report::Doubled &taken) override;
    void outcomeSettled(const report::OutcomeSettled &settled) override;
    void tableRestarted(const report::TableRestarted &restart) override;

    // The news so far followed by the insurance question, for the offer's window to speak as it opens;
    // the news counts as told.
    QString insuranceQuestion(double cost);

    // The whole table at once, whichever window has the focus: both hands with their totals, the stake,
    // the money, and what the player may do now.
    void readTable(const TableShown &table);
    // Words of the table's own, such as the coach's answer, spoken at once from the table.
    void tell(const QString &words) { say(table, words); }

signals:
    // Every sentence as it goes to the screen reader; the insurance question goes with its window.
    void spoke(const QString &words);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Amounts {
        double stake;
        double bankroll;
    };
    // What happened since the player last heard of the table.
    struct News {
        bool restarted = false;
        bool dealt = false;
        bool dealerUpCard = false;
        std::vector<int> playerCards;   // positions
        std::vector<int> dealerCards;   // the hole card and the dealer's draws: positions 1 to 6
        std::optional<Amounts> chips;   // after the last chip placed
        std::optional<Amounts> doubled; // after the double
        std::optional<report::InsuranceAnswered> insuranceBought;
        std::vector<report::OutcomeSettled> outcomes;
        // The money after the last outcome or the restart.
        double moneyAfter = 0;
    };

    void newsArrived();
    void tellNews();
    // The news in words, from then on told.
    QString takeNews();
    QString newsInWords() const;
    QString moneyInWords() const;
    QString cardsDrawn(const std::vector<int> &positions, const std::array<int, 7> &hand) const;
    QString whatThePlayerMayDo(const TableShown &shown) const;
    void say(QWidget *window, const QString &words);

    QWidget *table;
    ScreenReaderNotice notice;
    // Fires once the round has finished its step and waits again; never left running.
    QTimer newsTimer{this};

    // The cards face up on the table by position, 0 where a box is empty or face down, and the totals.
    std::array<int, 7> playerCards{};
    std::array<int, 7> dealerCards{};
    int playerTotal = 0;
    int dealerTotal = 0;

    News news;
    bool newsWaiting = false;
};
