#include "table/card_face_painter.h"

#include "table/card_drawing.h"
#include "table/court_card_painter.h"

#include <QPainter>
#include <array>
#include <vector>

namespace {

// The index in the top-left corner; the caller turns the card round for the bottom-right one.
void paintIndex(QPainter &painter, int rank, Suit suit) {
    paintLetters(painter, rankLetters(rank), QRectF(2.5, 4, 10, 9), inkOf(suit), false);
    paintSuit(painter, suit, QPointF(7.5, 19.5), QSizeF(8, 9));
}

// ---- Number cards ----------------------------------------------------------------------------------

struct Pip {
    int column; // 0 left, 1 centre, 2 right
    int row;    // twelfths of the way from the top row to the bottom row
};

// The pip patterns of printed cards, two to ten.
const std::vector<Pip> &pipLayout(int rank) {
    static const std::array<std::vector<Pip>, 11> layouts{{
        {},
        {},
        {{1, 0}, {1, 12}},
        {{1, 0}, {1, 6}, {1, 12}},
        {{0, 0}, {2, 0}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {0, 6}, {2, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}, {1, 9}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {0, 4}, {2, 4}, {1, 6}, {0, 8}, {2, 8}, {0, 12}, {2, 12}},
        {{0, 0}, {2, 0}, {1, 2}, {0, 4}, {2, 4}, {0, 8}, {2, 8}, {1, 10}, {0, 12}, {2, 12}},
    }};
    return layouts[static_cast<std::size_t>(rank)];
}

void paintPips(QPainter &painter, int rank, Suit suit) {
    constexpr std::array<qreal, 3> columnX{22.5, 35.5, 48.5};
    constexpr qreal topRowY = 17.5;
    constexpr qreal rowSpan = 61.0;
    for (const Pip &pip : pipLayout(rank)) {
        const QPointF centre(columnX[static_cast<std::size_t>(pip.column)],
                             topRowY + rowSpan * pip.row / 12.0);
        paintSuit(painter, suit, centre, QSizeF(11, 12.5), pip.row > 6);
    }
}

void paintAce(QPainter &painter, Suit suit) {
    // The ace of spades is traditionally the showpiece of the pack, so it is drawn larger.
    const QSizeF size = suit == Suit::Spades ? QSizeF(38, 42) : QSizeF(28, 32);
    paintSuit(painter, suit, cardFaceCentre, size);
}

// ---- Whole faces -----------------------------------------------------------------------------------

void paintBlank(QPainter &painter, const QColor &edge) {
    // Inset by half a pen so the edge line lies wholly inside the face; the corner pixels stay transparent.
    painter.setPen(QPen(edge, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(cardFaceRect.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
}

} // namespace

void paintCardFace(QPainter &painter, qint32 number) {
    if (!isCardNumber(number)) {
        paintBlank(painter, QColor(160, 160, 160));
        return;
    }
    paintBlank(painter, QColor(30, 30, 30));
    const int rank = rankOf(number);
    const Suit suit = suitOf(number);
    paintBothWays(painter, [&] { paintIndex(painter, rank, suit); });
    if (rank == aceRank) {
        paintAce(painter, suit);
    } else if (rank >= jackRank) {
        paintCourtCard(painter, rank, suit);
    } else {
        paintPips(painter, rank, suit);
    }
}
