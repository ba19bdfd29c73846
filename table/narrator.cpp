#include "table/narrator.h"

#include "betting/payouts.h"
#include "cards/round_state.h"
#include "platform/speech_voice.h"
#include "table/amount_captions.h"
#include "table/card_names.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QWidget>
#include <algorithm>
#include <chrono>

namespace {

QString amount(double value) {
    return captionFromAmount(value);
}

// "Seven", "Seven and King", "Two, Five and Ace": the names given, joined as a list.
QString listed(const QStringList &names) {
    if (names.size() < 2)
        return names.join(QString());
    QStringList first = names;
    const QString last = first.takeLast();
    //: Joins the last card of a list to the others: "Seven of Hearts and King of Spades".
    return Narrator::tr("%1 and %2").arg(first.join(QStringLiteral(", ")), last);
}

std::vector<int> faceUp(const std::array<int, 7> &hand) {
    std::vector<int> cards;
    for (int number : hand) {
        if (number != 0)
            cards.push_back(number);
    }
    return cards;
}

QStringList fullNames(const std::vector<int> &cardNumbers) {
    QStringList names;
    for (int number : cardNumbers)
        names << cardName(number);
    return names;
}

QStringList rankNames(const std::vector<int> &cardNumbers) {
    QStringList names;
    for (int number : cardNumbers)
        names << rankName(number);
    return names;
}

// The dealer's up card as it follows "against": "an Ace", "a King".
QString upCardAfterAgainst(int cardNumber) {
    static const std::array<const char *, 13> words{
        //: The dealer's up card after "against", as in "14 against a King"; one entry per rank.
        QT_TRANSLATE_NOOP("Narrator", "an Ace"),  QT_TRANSLATE_NOOP("Narrator", "a Two"),
        QT_TRANSLATE_NOOP("Narrator", "a Three"), QT_TRANSLATE_NOOP("Narrator", "a Four"),
        QT_TRANSLATE_NOOP("Narrator", "a Five"),  QT_TRANSLATE_NOOP("Narrator", "a Six"),
        QT_TRANSLATE_NOOP("Narrator", "a Seven"), QT_TRANSLATE_NOOP("Narrator", "an Eight"),
        QT_TRANSLATE_NOOP("Narrator", "a Nine"),  QT_TRANSLATE_NOOP("Narrator", "a Ten"),
        QT_TRANSLATE_NOOP("Narrator", "a Jack"),  QT_TRANSLATE_NOOP("Narrator", "a Queen"),
        QT_TRANSLATE_NOOP("Narrator", "a King")};
    if (cardNumber < 1 || cardNumber > 52)
        return rankName(cardNumber);
    return Narrator::tr(words[static_cast<std::size_t>((cardNumber - 1) % 13)]);
}

// An outcome as it leads the round's end: what it paid or took, the money after the last one.
QString outcomesInWords(const std::vector<report::OutcomeSettled> &outcomes) {
    QStringList sentences;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const report::OutcomeSettled &told = outcomes[i];
        QString what;
        switch (told.outcome) {
        case RoundOutcome::InsurancePays:
            what = Narrator::tr("Insurance pays %1").arg(amount(told.paid - insuranceCost(told.stake)));
            break;
        case RoundOutcome::Push:
            //: The stake came back: neither won nor lost.
            what = Narrator::tr("Push");
            break;
        case RoundOutcome::Loss:
            what = Narrator::tr("You lose %1").arg(amount(told.stake));
            break;
        case RoundOutcome::Win:
        case RoundOutcome::DealerBusts:
            what = Narrator::tr("You win %1").arg(amount(told.paid - told.stake));
            break;
        case RoundOutcome::Blackjack:
            what = Narrator::tr("Blackjack! You win %1").arg(amount(told.paid - told.stake));
            break;
        }
        if (i + 1 == outcomes.size())
            //: An outcome ("You win 10") and the money after it.
            sentences << Narrator::tr("%1, money %2.").arg(what, amount(told.bankroll));
        else
            //: An outcome told before the next one, without the money.
            sentences << Narrator::tr("%1.").arg(what);
    }
    return sentences.join(QLatin1Char(' '));
}

qint64 steadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// How long a screen reader takes to begin and speak `words`, reckoned short: an amount is spoken as
// several words, and a screen reader at its usual rate takes about a tenth of a second a character. A
// key pressed later than this is taken to have let the words be heard.
qint64 speakingMilliseconds(const QString &words) {
    return 400 + 80 * words.size();
}

} // namespace

Narrator::Narrator(QWidget *table, std::function<qint64()> now)
    : QObject(table), table(table), now(now ? std::move(now) : steadyMilliseconds) {
    newsTimer.setSingleShot(true);
    newsTimer.setInterval(0);
    connect(&newsTimer, &QTimer::timeout, this, &Narrator::tellNews);
    table->installEventFilter(this);
    // Every key counts, in any window: the screen reader stops speaking at each.
    QCoreApplication::instance()->installEventFilter(this);
}

void Narrator::cardDealt(const report::CardDealt &card) {
    (card.hand == Hand::Player ? playerCards : dealerCards)[card.position] = card.cardNumber;
    if (card.hand == Hand::Player) {
        if (card.way == CardWay::Deal)
            news.dealt = true;
        else
            news.playerCards.push_back(card.position);
    } else if (card.position != 0) {
        news.dealerCards.push_back(card.position);
    }
    newsArrived();
}

void Narrator::boxChanged(const report::BoxChanged &box) {
    (box.hand == Hand::Player ? playerCards : dealerCards)[box.position] = 0;
}

void Narrator::totalsChanged(const report::TotalsChanged &totals) {
    playerTotal = totals.player;
    dealerTotal = totals.dealer;
}

void Narrator::controlsChanged(const report::ControlsChanged &changed) {
    if (changed.enabled.hit && !enabled.hit) {
        news.turnBegins = true;
        newsArrived();
    }
    enabled = changed.enabled;
}

void Narrator::chipPlaced(const report::ChipPlaced &chip) {
    news.chips = Amounts{chip.stake, chip.bankroll};
    newsArrived();
}

void Narrator::roundDealt(const report::RoundDealt &) {
    lastResult.clear();
    roundOutcomes.clear();
}

void Narrator::insuranceAnswered(const report::InsuranceAnswered &answer) {
    news.insurance = answer;
    newsArrived();
}

void Narrator::doubled(const report::Doubled &) {
    news.doubled = true;
    newsArrived();
}

void Narrator::choiceMade(const report::ChoiceMade &made) {
    if (made.choice == Choice::Stand || made.choice == Choice::Double)
        dealerPlaying = true;
}

void Narrator::outcomeSettled(const report::OutcomeSettled &settled) {
    news.outcomes.push_back(settled);
    roundOutcomes.push_back(settled);
    newsArrived();
}

// The round's end is told at once, before the table moves its focus to New Game: the screen reader then
// speaks the outcome first and the button after it.
void Narrator::roundEnded(const report::RoundEnded &ended) {
    dealerPlaying = false;
    if (!ended.settled)
        return;
    lastResult = outcomesInWords(roundOutcomes);
    newsTimer.stop();
    tellNews();
}

void Narrator::tableRestarted(const report::TableRestarted &restart) {
    news = News{};
    news.restarted = true;
    news.moneyAfter = restart.bankroll;
    dealerPlaying = false;
    lastResult.clear();
    roundOutcomes.clear();
    newsArrived();
}

void Narrator::addToNews(const QString &words) {
    news.addenda << words;
    newsArrived();
}

void Narrator::newsArrived() {
    newsWaiting = true;
    if (!newsTimer.isActive())
        newsTimer.start();
}

bool Narrator::eventFilter(QObject *watched, QEvent *event) {
    // A key that a shortcut takes never comes as a key press; its override comes first either way.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
            keyPressed();
    }
    if (watched == table && event->type() == QEvent::WindowActivate && newsWaiting && !newsTimer.isActive())
        newsTimer.start();
    return QObject::eventFilter(watched, event);
}

void Narrator::tellNews() {
    if (!newsWaiting || dealerPlaying || !table->isActiveWindow())
        return;
    const QString words = takeNews();
    if (!words.isEmpty() && !sayResultApart(words))
        say(table, words);
}

bool Narrator::sayResultApart(const QString &words) {
    if (!resultVoice || resultTold.isEmpty() || !words.startsWith(resultTold) ||
        !resultVoice->speak(resultTold, QLocale().bcp47Name()))
        return false;
    // Heard whole: what a key may still cut off is the rest.
    lastFresh = words.mid(resultTold.size()).trimmed();
    resultTold.clear();
    if (!lastFresh.isEmpty())
        notice.say(table, lastFresh);
    emit spoke(words);
    return true;
}

void Narrator::keyPressed() {
    if (speakingUntil == 0 || now() >= speakingUntil)
        return;
    speakingUntil = 0;
    missed = lastFresh;
    resultToHear = resultTold;
}

QString Narrator::takeNews() {
    const QString fresh = newsInWords();
    news = News{};
    newsWaiting = false;
    if (fresh.isEmpty())
        return fresh;
    // A round's end leads with its own outcome: what was cut off before it is stale by then.
    const bool endsRound = !lastResult.isEmpty() && fresh.contains(lastResult);
    if (endsRound) {
        missed.clear();
        resultToHear.clear();
    }
    QStringList told;
    if (!resultToHear.isEmpty() && !missed.contains(resultToHear) && !fresh.contains(resultToHear))
        told << resultToHear;
    if (!missed.isEmpty())
        told << missed;
    told << fresh;
    lastNews = told.join(QLatin1Char(' '));
    lastFresh = fresh;
    resultTold = endsRound ? lastResult : resultToHear;
    missed.clear();
    resultToHear.clear();
    speakingUntil = std::max(now(), speakingUntil) + speakingMilliseconds(lastNews);
    return lastNews;
}

void Narrator::say(QWidget *window, const QString &words) {
    notice.say(window, words);
    emit spoke(words);
}

// The question is spoken by the dialog as it opens; the key that answers it is no sign that the news
// before it went unheard, and the table's news goes on from the answer.
QString Narrator::insuranceQuestion(double cost) {
    // The deal gave the player the turn an instant before the offer took it; the choices come once the
    // offer is answered.
    news.turnBegins = false;
    const QString words = takeNews();
    speakingUntil = 0;
    //: The insurance offer as a screen reader speaks it; %1 is what the insurance costs.
    const QString question = tr("Insurance for %1?").arg(amount(cost));
    lastNews = words.isEmpty() ? question : words + QLatin1Char(' ') + question;
    return lastNews;
}

// The player asked for it: whatever a key cut off is heard now.
void Narrator::repeatNews() {
    if (lastNews.isEmpty())
        return;
    missed.clear();
    resultToHear.clear();
    speakingUntil = 0;
    answer(lastNews);
}

void Narrator::answer(const QString &words) {
    if (resultVoice)
        resultVoice->stop();
    say(table, words);
}

// A total, "soft 17" while an ace counts 11 in it, "25, bust" over 21.
QString Narrator::totalInWords(const std::array<int, 7> &hand, int total) const {
    if (total > 21)
        //: A hand's total over 21.
        return tr("%1, bust").arg(amount(total));
    HandCards values{};
    for (std::size_t i = 0; i < hand.size(); ++i)
        values[i] = hand[i] == 0 ? 0 : std::min((hand[i] - 1) % 13 + 1, 10);
    const HandCount count = countHand(values);
    // At 21 the word would change nothing the player does.
    if (count.holdsAce && totalOf(count) == count.hardTotal + 10 && total == totalOf(count) && total < 21)
        //: A total in which an ace counts 11, so that a card can't bust it.
        return tr("soft %1").arg(amount(total));
    return amount(total);
}

QString Narrator::ranksDrawn(const std::vector<int> &positions, const std::array<int, 7> &hand) const {
    std::vector<int> cards;
    for (int position : positions)
        cards.push_back(hand[position]);
    return listed(rankNames(cards));
}

// "14 against a King: Jack and Four."
QString Narrator::dealInWords() const {
    //: After the deal: the player's total against the dealer's up card, then the player's cards.
    return tr("%1 against %2: %3.")
        .arg(totalInWords(playerCards, playerTotal), upCardAfterAgainst(dealerCards[0]),
             listed(rankNames(faceUp(playerCards))));
}

// Where the dealer ended: the cards are on the table for F3 to read.
QString Narrator::dealerInWords() const {
    if (dealerTotal > 21)
        return tr("Dealer busts with %1.").arg(amount(dealerTotal));
    return tr("Dealer has %1.").arg(amount(dealerTotal));
}

QString Narrator::newsInWords() const {
    QStringList sentences;
    if (news.restarted)
        sentences << tr("New game, money %1.").arg(amount(news.moneyAfter));
    if (!news.outcomes.empty())
        sentences << outcomesInWords(news.outcomes);
    if (news.dealt) {
        sentences << dealInWords();
    } else if (!news.playerCards.empty()) {
        const QString cards = ranksDrawn(news.playerCards, playerCards);
        const QString total = totalInWords(playerCards, playerTotal);
        if (news.doubled)
            //: The player's double: the one card drawn for it, and the total.
            sentences << tr("Doubled: %1, %2.").arg(cards, total);
        else
            //: A card the player drew and their new total.
            sentences << tr("%1, %2.").arg(cards, total);
    }
    if (!news.dealerCards.empty())
        sentences << dealerInWords();
    if (news.insurance) {
        if (news.insurance->bought)
            sentences << tr("Insured for %1, money %2.")
                             .arg(amount(news.insurance->cost), amount(news.insurance->bankroll));
        else
            sentences << tr("Insurance declined.");
    }
    if (news.chips && news.outcomes.empty() && !news.restarted && !news.dealt)
        //: A chip placed: the stake on the table and the money left.
        sentences << tr("Bet %1, money %2.").arg(amount(news.chips->stake), amount(news.chips->bankroll));
    // Hit and stand are open at every turn, and the focus on Hit says the turn has come; the double is
    // news.
    if (news.turnBegins && news.outcomes.empty() && enabled.doubleDown)
        sentences << tr("Hit, stand or double.");
    sentences << news.addenda;
    return sentences.join(QLatin1Char(' '));
}

QString Narrator::whatThePlayerMayDo(const TableShown &shown) const {
    if (shown.insuranceOffered)
        return tr("Insurance for %1? Yes or No.").arg(amount(insuranceCost(shown.stake)));
    if (shown.enabled.hit)
        return shown.enabled.doubleDown ? tr("You may hit, stand or double.") : tr("You may hit or stand.");
    if (shown.enabled.deal)
        return shown.stake > 0 ? tr("You may add chips or deal.")
                               : tr("Place your bet with the chips, then deal.");
    return tr("The dealer is playing.");
}

void Narrator::readTable(const TableShown &shown) {
    QStringList sentences;
    if (shown.enabled.deal && !lastResult.isEmpty())
        sentences << lastResult;
    const std::vector<int> player = faceUp(playerCards);
    const std::vector<int> dealer = faceUp(dealerCards);
    if (player.empty())
        sentences << tr("No cards dealt.");
    else
        sentences
            << tr("You have %1, %2.").arg(listed(fullNames(player)), totalInWords(playerCards, playerTotal));
    if (dealer.size() == 1)
        sentences << tr("Dealer shows %1.").arg(cardName(dealer.front()));
    else if (dealer.size() > 1)
        //: The dealer's cards and total, when the whole table is read out.
        sentences << tr("Dealer has %1, %2.")
                         .arg(listed(fullNames(dealer)), totalInWords(dealerCards, dealerTotal));
    sentences << tr("Bet %1, money %2.").arg(amount(shown.stake), amount(shown.bankroll));
    sentences << whatThePlayerMayDo(shown);
    answer(sentences.join(QLatin1Char(' ')));
}
