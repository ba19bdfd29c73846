#include "table/card_box.h"

CardBox::CardBox(QWidget *parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The box is two pixels wider and one taller than a card; the felt shows through the margin.
    setAttribute(Qt::WA_TranslucentBackground);
}

void CardBox::setPicture(const CardPicture &picture) {
    shown = picture;
    setPixmap(picture.pixmap);
    setAccessibleName(picture.name);
}
