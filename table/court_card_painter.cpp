#include "table/court_card_painter.h"

#include "table/card_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <cmath>
#include <numbers>

namespace {

const QColor gold(222, 170, 40);
const QColor skin(246, 214, 176);
const QColor outline(40, 30, 30);
const QColor steel(205, 208, 218);
const QColor wood(125, 80, 40);

struct Robes {
    QColor main;
    QColor accent;
};

// Red stays on the red suits only, so a black court card never reads as a red one at a glance.
Robes robesOf(Suit suit) {
    switch (suit) {
    case Suit::Clubs:
        return {QColor(38, 70, 160), QColor(40, 125, 60)};
    case Suit::Diamonds:
        return {QColor(196, 30, 42), QColor(38, 70, 160)};
    case Suit::Hearts:
        return {QColor(196, 30, 42), QColor(40, 125, 60)};
    case Suit::Spades:
        break;
    }
    return {QColor(40, 42, 56), QColor(38, 70, 160)};
}

const QRectF courtPanel(14.5, 12.5, 42, 71);
constexpr qreal figureX = 35.5;

// The king and the jack hold their sword or halberd on the right, the queen her flower on the left.
qreal handX(int rank) {
    return rank == queenRank ? figureX - 13 : figureX + 13;
}

void paintShape(QPainter &painter, const QPainterPath &path, const QColor &fill) {
    painter.setPen(QPen(outline, 0.6));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void paintRobeTrim(QPainter &painter, int rank, const Robes &robes) {
    const qreal x = figureX;
    painter.setPen(QPen(outline, 0.5));
    if (rank == kingRank) {
        painter.setBrush(robes.accent);
        painter.drawRect(QRectF(x - 3, 36, 6, 14));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(x - 11, 33, 22, 4), 2, 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(outline);
        for (int i = -2; i <= 2; ++i) {
            painter.drawEllipse(QPointF(x + i * 4, 35), 0.5, 0.7);
        }
    } else if (rank == queenRank) {
        QPainterPath neckline;
        neckline.moveTo(x - 8, 34);
        neckline.lineTo(x, 44);
        neckline.lineTo(x + 8, 34);
        neckline.closeSubpath();
        paintShape(painter, neckline, robes.accent);
        painter.setPen(Qt::NoPen);
        painter.setBrush(gold);
        for (int i = -3; i <= 3; ++i) {
            painter.drawEllipse(QPointF(x + i * 1.8, 36.5 - std::abs(i) * 0.45), 0.8, 0.8);
        }
    } else {
        painter.setPen(QPen(gold, 1.6));
        for (int i = 0; i < 4; ++i) {
            painter.drawLine(QPointF(x - 18 + i * 9, 48), QPointF(x - 10 + i * 9, 36));
        }
        painter.setPen(QPen(outline, 0.5));
        painter.setBrush(robes.accent);
        painter.drawRect(QRectF(x - 7, 33, 14, 3));
    }
}

void paintRobe(QPainter &painter, int rank, const Robes &robes) {
    const qreal x = figureX;
    QPainterPath robe;
    robe.moveTo(x - 19, 50);
    robe.lineTo(x - 19, 43);
    robe.quadTo(x - 18, 35, x - 9, 34);
    robe.lineTo(x + 9, 34);
    robe.quadTo(x + 18, 35, x + 19, 43);
    robe.lineTo(x + 19, 50);
    robe.closeSubpath();
    paintShape(painter, robe, robes.main);
    // Each rank wears its own trim, so the three court cards of a suit differ below the face as well.
    paintRobeTrim(painter, rank, robes);
}

void paintArm(QPainter &painter, int rank, const Robes &robes) {
    const qreal hand = handX(rank);
    const qreal side = hand > figureX ? 1 : -1;
    QPainterPath arm;
    arm.moveTo(figureX + side * 12, 37);
    arm.quadTo(hand + side * 1, 38, hand, 42);
    QPainterPathStroker sleeve;
    sleeve.setWidth(4.5);
    sleeve.setCapStyle(Qt::RoundCap);
    paintShape(painter, sleeve.createStroke(arm), robes.accent);
}

void paintHand(QPainter &painter, int rank) {
    QPainterPath hand;
    hand.addEllipse(QPointF(handX(rank), 42.5), 1.9, 1.9);
    paintShape(painter, hand, skin);
}

void paintSword(QPainter &painter) {
    const qreal x = handX(kingRank);
    QPainterPath blade;
    blade.moveTo(x, 23.5);
    blade.lineTo(x + 1.1, 25.5);
    blade.lineTo(x + 1.1, 40);
    blade.lineTo(x - 1.1, 40);
    blade.lineTo(x - 1.1, 25.5);
    blade.closeSubpath();
    paintShape(painter, blade, steel);
    QPainterPath guard;
    guard.addRoundedRect(QRectF(x - 3.5, 39.5, 7, 1.6), 0.8, 0.8);
    paintShape(painter, guard, gold);
}

void paintFlower(QPainter &painter, const Robes &robes) {
    const QPointF bloom(handX(queenRank), 29);
    painter.setPen(QPen(QColor(40, 110, 50), 0.9));
    painter.drawLine(bloom, QPointF(bloom.x(), 42));
    QPainterPath petals;
    for (int i = 0; i < 5; ++i) {
        const qreal angle = i * 2 * std::numbers::pi / 5;
        petals.addEllipse(bloom + QPointF(std::sin(angle), -std::cos(angle)) * 1.9, 1.5, 1.5);
    }
    petals.setFillRule(Qt::WindingFill);
    paintShape(painter, petals.simplified(), gold);
    painter.setPen(Qt::NoPen);
    painter.setBrush(robes.accent);
    painter.drawEllipse(bloom, 1.1, 1.1);
}

void paintHalberd(QPainter &painter) {
    const qreal x = handX(jackRank);
    painter.setPen(QPen(wood, 1.3));
    painter.drawLine(QPointF(x, 27), QPointF(x, 50));
    QPainterPath head;
    head.moveTo(x, 25);
    head.lineTo(x + 1.4, 28);
    head.lineTo(x + 3.8, 28.5);
    head.quadTo(x + 3.2, 31.5, x + 3.8, 34);
    head.lineTo(x, 32.5);
    head.lineTo(x - 1.4, 28);
    head.closeSubpath();
    paintShape(painter, head, steel);
}

void paintHeldItem(QPainter &painter, int rank, const Robes &robes) {
    if (rank == kingRank) {
        paintSword(painter);
    } else if (rank == queenRank) {
        paintFlower(painter, robes);
    } else {
        paintHalberd(painter);
    }
}

void paintHair(QPainter &painter, int rank, bool behindFace) {
    const qreal x = figureX;
    if (rank == queenRank && behindFace) {
        QPainterPath hair;
        hair.addRoundedRect(QRectF(x - 7.5, 21, 15, 17), 6, 6);
        paintShape(painter, hair, QColor(190, 120, 30));
    } else if (rank == kingRank && !behindFace) {
        QPainterPath beard;
        beard.moveTo(x - 5, 28.5);
        beard.quadTo(x - 4, 37, x, 38);
        beard.quadTo(x + 4, 37, x + 5, 28.5);
        beard.quadTo(x, 32, x - 5, 28.5);
        paintShape(painter, beard, QColor(225, 225, 225));
    } else if (rank == jackRank && !behindFace) {
        QPainterPath hair;
        hair.moveTo(x - 5.5, 30);
        hair.quadTo(x - 6.5, 22, x, 21.5);
        hair.quadTo(x + 6.5, 22, x + 5.5, 30);
        hair.quadTo(x + 4.5, 25, x, 24.5);
        hair.quadTo(x - 4.5, 25, x - 5.5, 30);
        paintShape(painter, hair, QColor(120, 70, 30));
    }
}

void paintFace(QPainter &painter) {
    const qreal x = figureX;
    QPainterPath head;
    head.addEllipse(QPointF(x, 28), 5, 6);
    paintShape(painter, head, skin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(outline);
    painter.drawEllipse(QPointF(x - 2, 27), 0.6, 0.6);
    painter.drawEllipse(QPointF(x + 2, 27), 0.6, 0.6);
    painter.setPen(QPen(QColor(150, 50, 40), 0.6));
    painter.drawLine(QPointF(x - 1.2, 31), QPointF(x + 1.2, 31));
}

void paintHeadwear(QPainter &painter, int rank, const Robes &robes) {
    const qreal x = figureX;
    QPainterPath hat;
    if (rank == kingRank) {
        hat.moveTo(x - 7, 23);
        hat.lineTo(x - 7, 15.5);
        hat.lineTo(x - 3.5, 19.5);
        hat.lineTo(x, 14);
        hat.lineTo(x + 3.5, 19.5);
        hat.lineTo(x + 7, 15.5);
        hat.lineTo(x + 7, 23);
        hat.closeSubpath();
    } else if (rank == queenRank) {
        hat.addRoundedRect(QRectF(x - 6, 19.5, 12, 3), 1, 1);
        hat.addEllipse(QPointF(x - 4, 18.5), 1.6, 1.6);
        hat.addEllipse(QPointF(x, 17), 1.9, 1.9);
        hat.addEllipse(QPointF(x + 4, 18.5), 1.6, 1.6);
        hat.setFillRule(Qt::WindingFill);
        hat = hat.simplified();
    } else {
        QPainterPath feather;
        feather.moveTo(x + 4, 20);
        feather.quadTo(x + 7, 14, x + 11, 14);
        feather.quadTo(x + 8, 16, x + 6, 21);
        feather.closeSubpath();
        paintShape(painter, feather, robes.accent);
        hat.addEllipse(QRectF(x - 8, 17, 16, 6));
    }
    paintShape(painter, hat, rank == jackRank ? robes.main : gold);
    if (rank != jackRank) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(robes.accent);
        painter.drawEllipse(QPointF(x, 21), 1.1, 1.1);
    }
}

void paintCourtHalf(QPainter &painter, int rank, Suit suit) {
    const Robes robes = robesOf(suit);
    painter.save();
    // The figure stops at the middle line, where its turned-round twin takes over.
    painter.setClipRect(QRectF(courtPanel.left(), courtPanel.top(), courtPanel.width(),
                               cardFaceCentre.y() - courtPanel.top()));
    paintRobe(painter, rank, robes);
    paintHair(painter, rank, true);
    paintFace(painter);
    paintHair(painter, rank, false);
    paintHeadwear(painter, rank, robes);
    paintArm(painter, rank, robes);
    paintHeldItem(painter, rank, robes);
    paintHand(painter, rank);
    paintSuit(painter, suit, QPointF(20, 18.5), QSizeF(7, 8));
    paintLetters(painter, rankLetters(rank), QRectF(47.5, 14.5, 7, 8), inkOf(suit), true);
    painter.restore();
}

} // namespace

void paintCourtCard(QPainter &painter, int rank, Suit suit) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(252, 246, 222));
    painter.drawRect(courtPanel);
    paintBothWays(painter, [&] { paintCourtHalf(painter, rank, suit); });
    painter.setPen(QPen(inkOf(suit), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(courtPanel);
    painter.drawLine(QPointF(courtPanel.left(), cardFaceCentre.y()),
                     QPointF(courtPanel.right(), cardFaceCentre.y()));
}
