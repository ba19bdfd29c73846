#pragma once

#include <QString>
#include <QtGlobal>

// The words a screen reader speaks for a card: "Queen of Hearts", "Ace of Spades", or "Blank card"
// outside 1 to 52. Translated in the "CardDeck" context, where the translations have always kept them.
QString cardName(qint32 number);
// The card's rank alone, "Queen", as told where the suit plays no part; "Blank card" outside 1 to 52.
QString rankName(qint32 number);
