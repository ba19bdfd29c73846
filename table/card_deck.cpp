#include "table/card_deck.h"

#include "table/card_drawing.h"
#include "table/card_face_painter.h"
#include "table/card_identity.h"
#include "table/card_names.h"

#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace {

// Every number outside 1 to 52 shares this one cache slot, so odd input cannot grow the cache.
constexpr qint32 blankKey = 0;

// Beyond this the pixmap would only cost memory; no screen needs it.
constexpr qreal largestPixelRatio = 8.0;

QPixmap renderPixmap(qint32 number, qreal ratio, qreal zoom) {
    QPixmap pixmap(qRound(cardFaceWidth * ratio * zoom), qRound(cardFaceHeight * ratio * zoom));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        // Scaling to the rounded pixel size, not by the ratio, leaves no unpainted strip at odd ratios.
        painter.scale(pixmap.width() / cardFaceRect.width(), pixmap.height() / cardFaceRect.height());
        paintCardFace(painter, number);
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

} // namespace

CardPicture CardDeck::picture(qreal zoom) const {
    return renderFace(cardNumber, applicationRatio(), zoom);
}

CardPicture CardDeck::renderFace(qint32 number, qreal devicePixelRatio, qreal zoom) {
    // A hand is redrawn card by card many times a deal; painting each face once keeps that free and
    // lets a card box recognise an unchanged picture by its cache key.
    static std::map<std::pair<qint32, qreal>, QPixmap> cache;
    // The faces of the zoom last asked for, let go when the table is back at 1: a whole deck at 300% would
    // take a dozen megabytes per zoom.
    static std::map<qint32, QPixmap> zoomedCache;
    static std::pair<qreal, qreal> zoomedFor;
    const qint32 key = isCardNumber(number) ? number : blankKey;
    const qreal ratio = usableRatio(devicePixelRatio);
    const bool zoomed = std::isfinite(zoom) && zoom > 0 && zoom != 1.0;
    if (!zoomed) {
        zoomedCache.clear();
        auto found = cache.find({key, ratio});
        if (found == cache.end())
            found = cache.emplace(std::pair{key, ratio}, renderPixmap(key, ratio, 1.0)).first;
        return CardPicture{found->second, cardName(number)};
    }
    if (zoomedFor != std::pair{ratio, zoom}) {
        zoomedCache.clear();
        zoomedFor = {ratio, zoom};
    }
    auto found = zoomedCache.find(key);
    if (found == zoomedCache.end())
        found = zoomedCache.emplace(key, renderPixmap(key, ratio, zoom)).first;
    return CardPicture{found->second, cardName(number)};
}
