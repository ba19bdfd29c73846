#pragma once

#include "table/card_deck.h"

#include <QLabel>

// A card position on the table: shows one card picture and tells a screen reader which card it is.
class CardBox : public QLabel {
    Q_OBJECT

public:
    explicit CardBox(QWidget *parent = nullptr);

    void setPicture(const CardPicture &picture);
    const CardPicture &picture() const { return shown; }

private:
    CardPicture shown;
};
