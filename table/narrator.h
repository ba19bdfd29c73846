#pragma once

#include "cards/round_state.h"
#include "play/round_view.h"
#include "table/screen_reader_notice.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <vector>

class QWidget;

// What a screen reader user hears of the round: the cards, the totals, the stake, the money and the
// outcome, in the table's language. The table tells it everything it shows; it gathers what is new and
// speaks it in one breath once the round waits again (for the player, or in the dealer's pause). It
// speaks only while the table is the active window: news that comes while a dialog holds the focus waits
// until the table has it back, so that the screen reader's own words for the returning focus do not cut
// it off.
class Narrator : public QObject {
    Q_OBJECT

public:
    explicit Narrator(QWidget *table);

    // What the table shows, as the round model reports it.
    void cardShown(Hand hand, int position, BoxShows shows, int cardNumber);
    void totalsChanged(int player, int dealer) {
        playerTotal = player;
        dealerTotal = dealer;
    }
    void amountsChanged(double bankroll, double stake);
    void roundSettled(RoundOutcome outcome);
    // The table is being started over with fresh money.
    void tableRestarted();

    // The news so far followed by the insurance question, for the offer's window to speak as it opens;
    // the news counts as told.
    QString insuranceQuestion();

    // The whole table at once, whichever window has the focus: both hands with their totals, the stake,
    // the money, and what the player may do now.
    void readTable(const RoundControls &enabled, bool insuranceOffered);
    // Words of the table's own, such as the coach's answer, spoken at once from the table.
    void tell(const QString &words) { say(table, words); }

signals:
    // Every sentence as it goes to the screen reader; the insurance question goes with its window.
    void spoke(const QString &words);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Outcome {
        RoundOutcome outcome;
        double stake;
    };
    // What happened since the player last heard of the table.
    struct News {
        bool restarted = false;
        bool dealt = false;
        bool dealerUpCard = false;
        std::vector<int> playerCards;
        std::vector<int> dealerCards; // the hole card and the dealer's draws: positions 1 to 6
        std::vector<Outcome> outcomes;
    };

    void newsArrived();
    void tellNews();
    // The news in words, from then on told.
    QString takeNews();
    QString newsInWords() const;
    QString moneyInWords(bool dealtCards) const;
    QString cardsDrawn(const std::vector<int> &positions, const std::array<int, 7> &hand) const;
    QString whatThePlayerMayDo(const RoundControls &enabled, bool insuranceOffered) const;
    void say(QWidget *window, const QString &words);

    QWidget *table;
    ScreenReaderNotice notice;
    // Fires once the round has finished its step and waits again; never left running.
    QTimer newsTimer{this};

    // The cards face up on the table by position, 0 where a box is empty or face down.
    std::array<int, 7> playerCards{};
    std::array<int, 7> dealerCards{};
    int playerTotal = 0;
    int dealerTotal = 0;
    double stake = 0;
    double money = 0;

    News news;
    bool newsWaiting = false;
    bool moneyKnown = false;
    double toldStake = 0;
    double toldMoney = 0;
};
