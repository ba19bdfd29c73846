#include "cards/deck.h"
#include "table/card_box.h"
#include "table/table_window.h"

#include <QLabel>

void BJMain::dealCardInto(CardBox *box, int &cardVariable) {
    // The variable holds the card number only while its face is fetched; from then on, its value.
    cardVariable = drawShownCard(*platform.random);
    Deck1.setCard(static_cast<qint32>(cardVariable));
    box->setPicture(Deck1.picture());
    cardVariable = cardValue(cardVariable);
}

// Worked through the caption, which is the total's only copy: each step reads back what the step
// before wrote.
void BJMain::writeHandTotal(const HandCards &cards, std::int16_t &noAceFlag, QLabel *totalLabel) {
    const HandCount count = countHand(cards);
    noAceFlag = count.holdsAce ? 0 : 1;
    writeNumber(totalLabel, count.hardTotal);
    if (noAceFlag == 0)
        writeNumber(totalLabel, captionNumber(totalLabel) + 10);
    if (captionNumber(totalLabel) > 21 && noAceFlag == 0)
        writeNumber(totalLabel, captionNumber(totalLabel) - 10);
}
