#include "table/card_drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <array>

namespace {

bool isRed(Suit suit) {
    return suit == Suit::Diamonds || suit == Suit::Hearts;
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

QFont letterFont(bool serif) {
    QFont font(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("DejaVu Sans"));
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setBold(true);
    // Drawn large and scaled down, so hinting at a tiny size cannot change the letter shapes.
    font.setPixelSize(100);
    return font;
}

} // namespace

QColor inkOf(Suit suit) {
    return isRed(suit) ? QColor(200, 16, 32) : QColor(20, 20, 24);
}

void paintSuit(QPainter &painter, Suit suit, QPointF centre, QSizeF size, bool upsideDown) {
    painter.save();
    painter.translate(centre);
    if (upsideDown) {
        painter.rotate(180);
    }
    painter.scale(size.width(), size.height());
    painter.fillPath(unitSuitShape(suit), inkOf(suit));
    painter.restore();
}

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
    case aceRank:
        return QStringLiteral("A");
    case jackRank:
        return QStringLiteral("J");
    case queenRank:
        return QStringLiteral("Q");
    case kingRank:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}
