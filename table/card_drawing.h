#pragma once

#include "table/card_identity.h"

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// The pieces every card face is drawn from. A face is painted in logical units of a 71 x 96 card; the
// caller scales the painter to its pixels.
constexpr int cardFaceWidth = 71;
constexpr int cardFaceHeight = 96;
inline const QRectF cardFaceRect(0, 0, cardFaceWidth, cardFaceHeight);
inline const QPointF cardFaceCentre = cardFaceRect.center();

QColor inkOf(Suit suit);

// A suit symbol of the given size centred on `centre`. Pips below the middle are printed upside down,
// so that the card reads the same either way up.
void paintSuit(QPainter &painter, Suit suit, QPointF centre, QSizeF size, bool upsideDown = false);

// Capitals fill the box height whatever font the machine substitutes; "10" is squeezed rather than shrunk.
void paintLetters(QPainter &painter, const QString &text, const QRectF &box, const QColor &colour,
                  bool serif);

// "A", "2" to "10", "J", "Q", "K".
QString rankLetters(int rank);

// Paints one half, then the same half turned round the face's centre.
template <typename Paint> void paintBothWays(QPainter &painter, Paint paintHalf) {
    paintHalf();
    painter.save();
    painter.translate(cardFaceCentre);
    painter.rotate(180);
    painter.translate(-cardFaceCentre);
    paintHalf();
    painter.restore();
}
