#pragma once

#include "table/card_names.h"

#include <QPixmap>
#include <QString>
#include <QtGlobal>

// A picture for a card box, with the words a screen reader speaks for it.
struct CardPicture {
    QPixmap pixmap;
    QString name;

    // Two pictures are the same when they share one pixmap, as a card box and the stored card back do.
    bool isSameAs(const CardPicture &other) const { return pixmap.cacheKey() == other.pixmap.cacheKey(); }
};

// The card-image component: write a card number 1 to 52, read the 71 x 96 face of that card.
// Numbers come in four blocks of thirteen (clubs, diamonds, hearts, spades), ace first, king last.
// A number outside 1 to 52 reads as a blank white card named "Blank card": never a crash.
class CardDeck {
public:
    void setCard(qint32 number) { cardNumber = number; }
    qint32 card() const { return cardNumber; }

    // The face of the card number last written, rendered for the application's device pixel ratio at
    // `zoom` times the card's size. Opaque except for the few pixels the rounded corners cut away, where
    // the table shows through.
    CardPicture picture(qreal zoom = 1.0) const;

    // "Queen of Hearts", "Ace of Spades", or "Blank card" outside 1 to 52 (table/card_names.h).
    static QString cardName(qint32 number) { return ::cardName(number); }

    // The face of a card for an explicit device pixel ratio and zoom; rendered once, then served from a
    // cache. The faces at zoom 1 are kept for the session, those of another zoom until the zoom changes.
    static CardPicture renderFace(qint32 number, qreal devicePixelRatio, qreal zoom = 1.0);

private:
    qint32 cardNumber = 1;
};
