#pragma once

#include "table/card_identity.h"

class QPainter;

// Paints the framed figure of a jack, queen or king on a 71 x 96 face (see table/card_drawing.h): a
// king with his sword, a queen with her flower, a jack with his halberd, dressed in the suit's colours
// and printed both ways up.
void paintCourtCard(QPainter &painter, int rank, Suit suit);
