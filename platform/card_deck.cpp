#include "platform/card_deck.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

namespace {

enum class Suit { Clubs, Diamonds, Hearts, Spades };

constexpr int cardsPerSuit = 13;
constexpr int cardCount = 52;
constexpr int ace = 1;
constexpr int jack = 11;
constexpr int queen = 12;
constexpr int king = 13;

// Every number outside 1 to 52 shares this one cache slot, so odd input cannot grow the cache.
constexpr qint32 blankKey = 0;

// Beyond this the pixmap would only cost memory; no screen needs it.
constexpr qreal largestPixelRatio = 8.0;

const QRectF faceRect(0, 0, CardDeck::faceWidth, CardDeck::faceHeight);
const QPointF faceCentre = faceRect.center();

bool isCardNumber(qint32 number) {
    return number >= 1 && number <= cardCount;
}
Suit suitOf(qint32 number) {
    return static_cast<Suit>((number - 1) / cardsPerSuit);
}
int rankOf(qint32 number) {
    return (number - 1) % cardsPerSuit + 1;
}
bool isRed(Suit suit) {
    return suit == Suit::Diamonds || suit == Suit::Hearts;
}

QColor inkOf(Suit suit) {
    return isRed(suit) ? QColor(200, 16, 32) : QColor(20, 20, 24);
}

// ---- Suit symbols, drawn as paths in a unit box centred on the origin -------------------------------

QPainterPath heartShape() {
    QPainterPath path;
    path.moveTo(0, 0.5);
    path.cubicTo(-0.12, 0.3, -0.5, 0.1, -0.5, -0.25);
    path.arcTo(QRectF(-0.5, -0.5, 0.5, 0.5), 180, -180);
    path.arcTo(QRectF(0, -0.5, 0.5, 0.5), 180, -180);
    path.cubicTo(0.5, 0.1, 0.12, 0.3, 0, 0.5);
    path.closeSubpath();
    return path;
}

QPainterPath diamondShape() {
    // Sides bowed slightly inwards, as printed pips are; a plain rhombus looks like a road sign.
    QPainterPath path;
    path.moveTo(0, -0.5);
    path.quadTo(0.17, -0.2, 0.4, 0);
    path.quadTo(0.17, 0.2, 0, 0.5);
    path.quadTo(-0.17, 0.2, -0.4, 0);
    path.quadTo(-0.17, -0.2, 0, -0.5);
    path.closeSubpath();
    return path;
}

QPainterPath stemShape(qreal top) {
    QPainterPath path;
    path.moveTo(0, top);
    path.quadTo(0.04, 0.4, 0.22, 0.5);
    path.lineTo(-0.22, 0.5);
    path.quadTo(-0.04, 0.4, 0, top);
    path.closeSubpath();
    return path;
}

QPainterPath spadeShape() {
    // An upside-down heart squeezed into the upper four fifths, leaving room for the stem.
    QTransform flip;
    flip.translate(0, -0.11);
    flip.scale(1, -0.78);
    return flip.map(heartShape()).united(stemShape(0.05));
}

QPainterPath clubShape() {
    QPainterPath path;
    path.addEllipse(QPointF(0, -0.26), 0.24, 0.24);
    path.addEllipse(QPointF(-0.26, 0.08), 0.24, 0.24);
    path.addEllipse(QPointF(0.26, 0.08), 0.24, 0.24);
    path.addEllipse(QPointF(0, 0.02), 0.14, 0.14);
    path.setFillRule(Qt::WindingFill);
    return path.simplified().united(stemShape(0.0));
}

const QPainterPath &unitSuitShape(Suit suit) {
    static const std::array<QPainterPath, 4> shapes{clubShape(), diamondShape(), heartShape(), spadeShape()};
    return shapes[static_cast<std::size_t>(suit)];
}

// Pips below the middle are printed upside down, so that the card reads the same either way up.
void paintSuit(QPainter &painter, Suit suit, QPointF centre, QSizeF size, bool upsideDown = false) {
    painter.save();
    painter.translate(centre);
    if (upsideDown) {
        painter.rotate(180);
    }
    painter.scale(size.width(), size.height());
    painter.fillPath(unitSuitShape(suit), inkOf(suit));
    painter.restore();
}

// ---- Lettering -------------------------------------------------------------------------------------

QFont letterFont(bool serif) {
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setBold(true);
    // Drawn large and scaled down, so hinting at a tiny size cannot change the letter shapes.
    font.setPixelSize(100);
    return font;
}

// Capitals fill the box height whatever font the machine substitutes; "10" is squeezed rather than shrunk.
void paintLetters(QPainter &painter, const QString &text, const QRectF &box, const QColor &colour,
                  bool serif) {
    const QFont font = letterFont(serif);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const qreal capHeight = QFontMetricsF(font).capHeight();
    if (bounds.isEmpty() || capHeight <= 0) {
        return;
    }
    const qreal yScale = box.height() / capHeight;
    const qreal xScale = std::min(yScale, box.width() / bounds.width());
    painter.save();
    painter.translate(box.center().x() - bounds.center().x() * xScale, box.bottom());
    painter.scale(xScale, yScale);
    painter.fillPath(path, colour);
    painter.restore();
}

QString rankLetters(int rank) {
    switch (rank) {
    case ace:
        return QStringLiteral("A");
    case jack:
        return QStringLiteral("J");
    case queen:
        return QStringLiteral("Q");
    case king:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

// The index in the top-left corner; the caller turns the card round for the bottom-right one.
void paintIndex(QPainter &painter, int rank, Suit suit) {
    paintLetters(painter, rankLetters(rank), QRectF(2.5, 4, 10, 9), inkOf(suit), false);
    paintSuit(painter, suit, QPointF(7.5, 19.5), QSizeF(8, 9));
}

template <typename Paint> void paintBothWays(QPainter &painter, Paint paintHalf) {
    paintHalf();
    painter.save();
    painter.translate(faceCentre);
    painter.rotate(180);
    painter.translate(-faceCentre);
    paintHalf();
    painter.restore();
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
    paintSuit(painter, suit, faceCentre, size);
}

// ---- Court cards -----------------------------------------------------------------------------------

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
    return rank == queen ? figureX - 13 : figureX + 13;
}

void paintShape(QPainter &painter, const QPainterPath &path, const QColor &fill) {
    painter.setPen(QPen(outline, 0.6));
    painter.setBrush(fill);
    painter.drawPath(path);
}

void paintRobeTrim(QPainter &painter, int rank, const Robes &robes) {
    const qreal x = figureX;
    painter.setPen(QPen(outline, 0.5));
    if (rank == king) {
        painter.setBrush(robes.accent);
        painter.drawRect(QRectF(x - 3, 36, 6, 14));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(x - 11, 33, 22, 4), 2, 2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(outline);
        for (int i = -2; i <= 2; ++i) {
            painter.drawEllipse(QPointF(x + i * 4, 35), 0.5, 0.7);
        }
    } else if (rank == queen) {
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
    const qreal x = handX(king);
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
    const QPointF bloom(handX(queen), 29);
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
    const qreal x = handX(jack);
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
    if (rank == king) {
        paintSword(painter);
    } else if (rank == queen) {
        paintFlower(painter, robes);
    } else {
        paintHalberd(painter);
    }
}

void paintHair(QPainter &painter, int rank, bool behindFace) {
    const qreal x = figureX;
    if (rank == queen && behindFace) {
        QPainterPath hair;
        hair.addRoundedRect(QRectF(x - 7.5, 21, 15, 17), 6, 6);
        paintShape(painter, hair, QColor(190, 120, 30));
    } else if (rank == king && !behindFace) {
        QPainterPath beard;
        beard.moveTo(x - 5, 28.5);
        beard.quadTo(x - 4, 37, x, 38);
        beard.quadTo(x + 4, 37, x + 5, 28.5);
        beard.quadTo(x, 32, x - 5, 28.5);
        paintShape(painter, beard, QColor(225, 225, 225));
    } else if (rank == jack && !behindFace) {
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
    if (rank == king) {
        hat.moveTo(x - 7, 23);
        hat.lineTo(x - 7, 15.5);
        hat.lineTo(x - 3.5, 19.5);
        hat.lineTo(x, 14);
        hat.lineTo(x + 3.5, 19.5);
        hat.lineTo(x + 7, 15.5);
        hat.lineTo(x + 7, 23);
        hat.closeSubpath();
    } else if (rank == queen) {
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
    paintShape(painter, hat, rank == jack ? robes.main : gold);
    if (rank != jack) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(robes.accent);
        painter.drawEllipse(QPointF(x, 21), 1.1, 1.1);
    }
}

void paintCourtHalf(QPainter &painter, int rank, Suit suit) {
    const Robes robes = robesOf(suit);
    painter.save();
    // The figure stops at the middle line, where its turned-round twin takes over.
    painter.setClipRect(
        QRectF(courtPanel.left(), courtPanel.top(), courtPanel.width(), faceCentre.y() - courtPanel.top()));
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

void paintCourt(QPainter &painter, int rank, Suit suit) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(252, 246, 222));
    painter.drawRect(courtPanel);
    paintBothWays(painter, [&] { paintCourtHalf(painter, rank, suit); });
    painter.setPen(QPen(inkOf(suit), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(courtPanel);
    painter.drawLine(QPointF(courtPanel.left(), faceCentre.y()), QPointF(courtPanel.right(), faceCentre.y()));
}

// ---- Whole faces -----------------------------------------------------------------------------------

void paintBlank(QPainter &painter, const QColor &edge) {
    // Inset by half a pen so the edge line lies wholly inside the face; the corner pixels stay transparent.
    painter.setPen(QPen(edge, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(faceRect.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
}

void paintCard(QPainter &painter, qint32 number) {
    if (!isCardNumber(number)) {
        paintBlank(painter, QColor(160, 160, 160));
        return;
    }
    paintBlank(painter, QColor(30, 30, 30));
    const int rank = rankOf(number);
    const Suit suit = suitOf(number);
    paintBothWays(painter, [&] { paintIndex(painter, rank, suit); });
    if (rank == ace) {
        paintAce(painter, suit);
    } else if (rank >= jack) {
        paintCourt(painter, rank, suit);
    } else {
        paintPips(painter, rank, suit);
    }
}

QPixmap renderPixmap(qint32 number, qreal ratio) {
    QPixmap pixmap(qRound(CardDeck::faceWidth * ratio), qRound(CardDeck::faceHeight * ratio));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        // Scaling to the rounded pixel size, not by the ratio, leaves no unpainted strip at odd ratios.
        painter.scale(pixmap.width() / faceRect.width(), pixmap.height() / faceRect.height());
        paintCard(painter, number);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

qreal usableRatio(qreal ratio) {
    if (!std::isfinite(ratio) || ratio < 1.0) {
        return 1.0;
    }
    return std::min(ratio, largestPixelRatio);
}

qreal applicationRatio() {
    const auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    return app ? app->devicePixelRatio() : 1.0;
}

// The words a screen reader speaks for a card, translated in the "CardDeck" context.
QString rankWord(int rank) {
    static const std::array<const char *, 13> words{
        QT_TRANSLATE_NOOP("CardDeck", "Ace"),   QT_TRANSLATE_NOOP("CardDeck", "Two"),
        QT_TRANSLATE_NOOP("CardDeck", "Three"), QT_TRANSLATE_NOOP("CardDeck", "Four"),
        QT_TRANSLATE_NOOP("CardDeck", "Five"),  QT_TRANSLATE_NOOP("CardDeck", "Six"),
        QT_TRANSLATE_NOOP("CardDeck", "Seven"), QT_TRANSLATE_NOOP("CardDeck", "Eight"),
        QT_TRANSLATE_NOOP("CardDeck", "Nine"),  QT_TRANSLATE_NOOP("CardDeck", "Ten"),
        QT_TRANSLATE_NOOP("CardDeck", "Jack"),  QT_TRANSLATE_NOOP("CardDeck", "Queen"),
        QT_TRANSLATE_NOOP("CardDeck", "King")};
    return QCoreApplication::translate("CardDeck", words[static_cast<std::size_t>(rank - 1)]);
}

QString suitWord(Suit suit) {
    static const std::array<const char *, 4> words{
        QT_TRANSLATE_NOOP("CardDeck", "Clubs"), QT_TRANSLATE_NOOP("CardDeck", "Diamonds"),
        QT_TRANSLATE_NOOP("CardDeck", "Hearts"), QT_TRANSLATE_NOOP("CardDeck", "Spades")};
    return QCoreApplication::translate("CardDeck", words[static_cast<std::size_t>(suit)]);
}

} // namespace

CardPicture CardDeck::picture() const {
    return renderFace(cardNumber, applicationRatio());
}

QString CardDeck::cardName(qint32 number) {
    if (!isCardNumber(number)) {
        return QCoreApplication::translate("CardDeck", "Blank card");
    }
    //: A card's name: %1 is its rank ("Queen"), %2 its suit ("Hearts").
    return QCoreApplication::translate("CardDeck", "%1 of %2")
        .arg(rankWord(rankOf(number)), suitWord(suitOf(number)));
}

CardPicture CardDeck::renderFace(qint32 number, qreal devicePixelRatio) {
    // A hand is redrawn card by card many times a deal; painting each face once keeps that free and
    // lets a card box recognise an unchanged picture by its cache key.
    static std::map<std::pair<qint32, qreal>, QPixmap> cache;
    const qint32 key = isCardNumber(number) ? number : blankKey;
    const qreal ratio = usableRatio(devicePixelRatio);
    auto found = cache.find({key, ratio});
    if (found == cache.end()) {
        found = cache.emplace(std::pair{key, ratio}, renderPixmap(key, ratio)).first;
    }
    return CardPicture{found->second, cardName(number)};
}
