#pragma once

#include <QtGlobal>

class QPainter;

// Paints the face of card number 1 to 52 on a 71 x 96 card in logical units (see table/card_drawing.h):
// the corner indices, then the pips, the ace's one large symbol or a court figure. Any other number
// paints a blank white card with a grey edge.
void paintCardFace(QPainter &painter, qint32 number);
