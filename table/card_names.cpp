#include "table/card_names.h"

#include "table/card_identity.h"

#include <QCoreApplication>
#include <array>

namespace {

QString rankWord(int rank) {
    static const std::array<const char *, 13> words{
        QT_TRANSLATE_NOOP("CardDeck", "Ace"),   QT_TRANSLATE_NOOP("CardDeck", "Two"),
        QT_TRANSLATE_NOOP("CardDeck", "Three"), QT_TRANSLATE_NOOP("CardDeck", "Four"),
        QT_TRANSLATE_NOOP("CardDeck", "Five"),  QT_TRANSLATE_NOOP("CardDeck", "Six"),
        QT_TRANSLATE_NOOP("CardDeck", "Seven"), QT_TRANSLATE_NOOP("CardDeck", "Eight"),
        QT_TRANSLATE_NOOP("CardDeck", "Nine"),  QT_TRANSLATE_NOOP("CardDeck", "Ten"),
        QT_TRANSLATE_NOOP("CardDeck", "Jack"),  QT_TRANSLATE_NOOP("CardDeck", "Queen"),
        QT_TRANSLATE_NOOP("CardDeck", "King")};
    return QCoreApplication::translate("CardDeck", words[static_cast<std::size_t>(rank - 1)]);
}

QString suitWord(Suit suit) {
    static const std::array<const char *, 4> words{
        QT_TRANSLATE_NOOP("CardDeck", "Clubs"), QT_TRANSLATE_NOOP("CardDeck", "Diamonds"),
        QT_TRANSLATE_NOOP("CardDeck", "Hearts"), QT_TRANSLATE_NOOP("CardDeck", "Spades")};
    return QCoreApplication::translate("CardDeck", words[static_cast<std::size_t>(suit)]);
}

} // namespace

QString cardName(qint32 number) {
    if (!isCardNumber(number)) {
        return QCoreApplication::translate("CardDeck", "Blank card");
    }
    //: A card's name: %1 is its rank ("Queen"), %2 its suit ("Hearts").
    return QCoreApplication::translate("CardDeck", "%1 of %2")
        .arg(rankWord(rankOf(number)), suitWord(suitOf(number)));
}

QString rankName(qint32 number) {
    if (!isCardNumber(number))
        return QCoreApplication::translate("CardDeck", "Blank card");
    return rankWord(rankOf(number));
}
