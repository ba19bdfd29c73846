#pragma once

#include "play/round_listener.h"
#include "table/screen_reader_notice.h"
#include "table/table_shown.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class QWidget;
class SpeechVoice;

// What a screen reader user hears of the round, in the table's language: short news, what matters first.
// A round's end leads with the outcome and the money, then the player's last card and where the dealer
// ended; a deal with the total against the dealer's up card, then the cards and the choices open. It gathers
// what the round reports and speaks it in one breath once the round waits for the player again, and keeps
// quiet while the dealer plays, so that the outcome is not queued behind the dealer's cards. It speaks only
// while the table is the active window: news that comes while a dialog holds the focus waits until the table
// has it back, so that the screen reader's own words for the returning focus do not cut it off.
//
// A screen reader stops speaking at every key press and drops what it had queued. So the round's result,
// which a player must not miss, is spoken by a voice of the game's own where there is one, queued with
// the screen reader's words but never stopped by its keys; the rest of the news goes to the screen
// reader. The narrator can't hear the speech, so it reckons when the news would have been spoken in full;
// news that a key cut off before then is told again at the head of the next news, and a round's result
// that the screen reader spoke is carried until news that holds it goes uncut.
class Narrator final : public QObject, public RoundListener {
    Q_OBJECT

public:
    // `now` gives a monotonic time in milliseconds; by default the steady clock's.
    explicit Narrator(QWidget *table, std::function<qint64()> now = {});

    // The voice for the rounds' results, or none; it must outlive the narrator.
    void speakResultsWith(SpeechVoice *voice) { resultVoice = voice; }

    void cardDealt(const report::CardDealt &card) override;
    void boxChanged(const report::BoxChanged &box) override;
    void totalsChanged(const report::TotalsChanged &totals) override;
    void controlsChanged(const report::ControlsChanged &changed) override;
    void chipPlaced(const report::ChipPlaced &chip) override;
    void roundDealt(const report::RoundDealt &dealt) override;
    void insuranceAnswered(const report::InsuranceAnswered &answer) override;
    void doubled(const report::Doubled &taken) override;
    void choiceMade(const report::ChoiceMade &made) override;
    void outcomeSettled(const report::OutcomeSettled &settled) override;
    void roundEnded(const report::RoundEnded &ended) override;
    void tableRestarted(const report::TableRestarted &restart) override;

    // The news so far followed by the insurance question, for the offer's window to speak as it opens;
    // the news counts as told.
    QString insuranceQuestion(double cost);

    // The whole table at once, whichever window has the focus: the last round's result while no round is
    // in play, both hands with their totals, the stake, the money, and what the player may do now.
    void readTable(const TableShown &table);
    // The last news again, for a player whose key press cut it off.
    void repeatNews();
    // Words of the table's own, such as the coach's answer, spoken at once.
    void tell(const QString &words) { answer(words); }
    // Words that belong with the news of the step under way, such as the coach's verdict on the choice
    // just made: told after that news in the same breath, so that neither cuts the other off. After a
    // stand they wait with the outcome for the dealer's play.
    void addToNews(const QString &words);

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
        std::vector<int> playerCards; // positions drawn after the deal
        std::vector<int> dealerCards; // the hole card and the dealer's draws: positions 1 to 6
        std::optional<Amounts> chips; // after the last chip placed
        bool doubled = false;
        std::optional<report::InsuranceAnswered> insurance;
        std::vector<report::OutcomeSettled> outcomes;
        // The player's turn has begun: the choices open are told.
        bool turnBegins = false;
        // The money after the restart.
        double moneyAfter = 0;
        // The table's own words that follow the news.
        QStringList addenda;
    };

    void newsArrived();
    void tellNews();
    // The news in words, from then on told.
    QString takeNews();
    QString newsInWords() const;
    QString dealInWords() const;
    QString dealerInWords() const;
    QString totalInWords(const std::array<int, 7> &hand, int total) const;
    QString ranksDrawn(const std::vector<int> &positions, const std::array<int, 7> &hand) const;
    QString whatThePlayerMayDo(const TableShown &shown) const;
    void say(QWidget *window, const QString &words);
    // Words the player asked for: the game's own voice gives way to them.
    void answer(const QString &words);
    // The round's result at the head of `words` by the game's voice, the rest by the screen reader.
    bool sayResultApart(const QString &words);
    void keyPressed();

    QWidget *table;
    std::function<qint64()> now;
    SpeechVoice *resultVoice = nullptr;
    ScreenReaderNotice notice;
    // Fires once the round has finished its step and waits again; never left running.
    QTimer newsTimer{this};

    // The cards face up on the table by position, 0 where a box is empty or face down, and the totals.
    std::array<int, 7> playerCards{};
    std::array<int, 7> dealerCards{};
    int playerTotal = 0;
    int dealerTotal = 0;
    RoundControls enabled;
    // From the stand or the double to the round's end: the dealer's cards wait for the outcome.
    bool dealerPlaying = false;

    News news;
    bool newsWaiting = false;
    // What the last news said, and the outcome of the last round while no other has been dealt.
    QString lastNews;
    QString lastResult;
    // When the last news will have been spoken, reckoned at a brisk speech rate; a key pressed before then
    // cut it off. What it said besides what it carried, and the round's result it held.
    qint64 speakingUntil = 0;
    QString lastFresh;
    QString resultTold;
    // What a key cut off, to be told at the head of the next news.
    QString missed;
    QString resultToHear;
    std::vector<report::OutcomeSettled> roundOutcomes;
};
