#include "table/narrator.h"

#include "betting/payouts.h"
#include "table/amount_captions.h"
#include "table/card_deck.h"

#include <QEvent>
#include <QWidget>

namespace {

QString amount(double value) {
    return captionFromAmount(value);
}

// "Seven of Hearts", "Seven of Hearts and King of Spades", "Two of Clubs, Five of Hearts and Ace of Spades".
QString cardList(const std::vector<int> &cardNumbers) {
    QStringList names;
    for (int number : cardNumbers)
        names << CardDeck::cardName(number);
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    //: Joins the last card of a list to the others: "Seven of Hearts and King of Spades".
    return Narrator::tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

std::vector<int> faceUp(const std::array<int, 7> &hand) {
    std::vector<int> cards;
    for (int number : hand) {
        if (number != 0)
            cards.push_back(number);
    }
    return cards;
}

// A total, with "bust" when it is over 21.
QString totalInWords(int total) {
    //: A hand's total over 21.
    return total > 21 ? Narrator::tr("%1, bust").arg(amount(total)) : amount(total);
}

} // namespace

Narrator::Narrator(QWidget *table) : QObject(table), table(table) {
    newsTimer.setSingleShot(true);
    newsTimer.setInterval(0);
    connect(&newsTimer, &QTimer::timeout, this, &Narrator::tellNews);
    table->installEventFilter(this);
}

void Narrator::cardDealt(const report::CardDealt &card) {
    (card.hand == Hand::Player ? playerCards : dealerCards)[card.position] = card.cardNumber;
    if (card.hand == Hand::Player) {
        if (card.way == CardWay::Deal && card.position == 0)
            news.dealt = true;
        news.playerCards.push_back(card.position);
    } else if (card.position == 0) {
        news.dealerUpCard = true;
    } else {
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

void Narrator::chipPlaced(const report::ChipPlaced &chip) {
    news.chips = Amounts{chip.stake, chip.bankroll};
    newsArrived();
}

void Narrator::insuranceAnswered(const report::InsuranceAnswered &answer) {
    if (!answer.bought)
        return;
    news.insuranceBought = answer;
    newsArrived();
}

void Narrator::doubled(const report::Doubled &taken) {
    news.doubled = Amounts{taken.stake, taken.bankroll};
    newsArrived();
}

void Narrator::outcomeSettled(const report::OutcomeSettled &settled) {
    news.outcomes.push_back(settled);
    news.moneyAfter = settled.bankroll;
    newsArrived();
}

void Narrator::tableRestarted(const report::TableRestarted &restart) {
    news = News{};
    news.restarted = true;
    news.moneyAfter = restart.bankroll;
    newsArrived();
}

void Narrator::newsArrived() {
    newsWaiting = true;
    if (!newsTimer.isActive())
        newsTimer.start();
}

bool Narrator::eventFilter(QObject *watched, QEvent *event) {
    if (watched == table && event->type() == QEvent::WindowActivate && newsWaiting && !newsTimer.isActive())
        newsTimer.start();
    return QObject::eventFilter(watched, event);
}

void Narrator::tellNews() {
    if (!newsWaiting || !table->isActiveWindow())
        return;
    const QString words = takeNews();
    if (!words.isEmpty())
        say(table, words);
}

QString Narrator::takeNews() {
    const QString words = newsInWords();
    news = News{};
    newsWaiting = false;
    return words;
}

void Narrator::say(QWidget *window, const QString &words) {
    notice.say(window, words);
    emit spoke(words);
}

QString Narrator::insuranceQuestion(double cost) {
    const QString words = takeNews();
    //: The insurance offer as a screen reader speaks it; %1 is what the insurance costs.
    const QString question = tr("Insurance for %1?").arg(amount(cost));
    return words.isEmpty() ? question : words + QLatin1Char(' ') + question;
}

QString Narrator::cardsDrawn(const std::vector<int> &positions, const std::array<int, 7> &hand) const {
    std::vector<int> cards;
    for (int position : positions)
        cards.push_back(hand[position]);
    return cardList(cards);
}

QString Narrator::newsInWords() const {
    QStringList sentences;
    if (news.restarted)
        sentences << tr("New game.");
    if (news.dealt) {
        //: The player's cards after the deal, then their total.
        sentences << tr("You have %1, %2.").arg(cardList(faceUp(playerCards)), totalInWords(playerTotal));
        if (news.dealerUpCard)
            sentences << tr("Dealer shows %1.").arg(CardDeck::cardName(dealerCards[0]));
    } else if (!news.playerCards.empty()) {
        if (news.doubled)
            sentences << tr("You double: bet %1, money %2.")
                             .arg(amount(news.doubled->stake), amount(news.doubled->bankroll));
        //: A card the player drew and their new total.
        sentences << tr("%1, %2.").arg(cardsDrawn(news.playerCards, playerCards), totalInWords(playerTotal));
    }
    if (!news.dealerCards.empty()) {
        const bool holeCard = news.dealerCards.front() == 1;
        const QString cards = cardsDrawn(news.dealerCards, dealerCards);
        //: The dealer turns the hole card up; %1 is the card (and any drawn with it), %2 the dealer's total.
        sentences << (holeCard ? tr("Dealer turns up %1, %2.") : tr("Dealer draws %1, %2."))
                         .arg(cards, totalInWords(dealerTotal));
    }
    for (const report::OutcomeSettled &told : news.outcomes) {
        switch (told.outcome) {
        case RoundOutcome::InsurancePays:
            sentences << tr("Insurance pays %1.").arg(amount(told.paid - insuranceCost(told.stake)));
            break;
        case RoundOutcome::Push:
            sentences << tr("Push: your bet of %1 comes back.").arg(amount(told.stake));
            break;
        case RoundOutcome::Loss:
            sentences << tr("You lose %1.").arg(amount(told.stake));
            break;
        case RoundOutcome::Win:
        case RoundOutcome::DealerBusts:
            sentences << tr("You win %1.").arg(amount(told.paid - told.stake));
            break;
        case RoundOutcome::Blackjack:
            sentences << tr("Blackjack! You win %1.").arg(amount(told.paid - told.stake));
            break;
        }
    }
    const QString moneyWords = moneyInWords();
    if (!moneyWords.isEmpty())
        sentences << moneyWords;
    return sentences.join(QLatin1Char(' '));
}

// The money after the news: after an outcome or a restart always, after a chip or the insurance with
// what they left. The double's stake and money come with its card.
QString Narrator::moneyInWords() const {
    if (news.restarted || !news.outcomes.empty())
        return tr("Your money: %1.").arg(amount(news.moneyAfter));
    if (news.insuranceBought)
        return tr("Insurance costs %1, money %2.")
            .arg(amount(news.insuranceBought->cost), amount(news.insuranceBought->bankroll));
    if (news.chips && !news.doubled)
        //: A chip placed: the stake on the table and the money left.
        return tr("Bet %1, money %2.").arg(amount(news.chips->stake), amount(news.chips->bankroll));
    return {};
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
    const std::vector<int> player = faceUp(playerCards);
    const std::vector<int> dealer = faceUp(dealerCards);
    if (player.empty())
        sentences << tr("No cards dealt.");
    else
        sentences << tr("You have %1, %2.").arg(cardList(player), totalInWords(playerTotal));
    if (dealer.size() == 1)
        sentences << tr("Dealer shows %1.").arg(CardDeck::cardName(dealer.front()));
    else if (dealer.size() > 1)
        //: The dealer's cards and total, when the whole table is read out.
        sentences << tr("Dealer has %1, %2.").arg(cardList(dealer), totalInWords(dealerTotal));
    sentences << tr("Bet %1, money %2.").arg(amount(shown.stake), amount(shown.bankroll));
    sentences << whatThePlayerMayDo(shown);
    // Spoken from the table even while the insurance offer has the focus: from within the offer's window,
    // the screen reader would repeat the offer's title and question before it.
    say(table, sentences.join(QLatin1Char(' ')));
}
