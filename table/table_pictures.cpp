#include "table/table_pictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <cmath>
#include <future>
#include <map>
#include <thread>

// The resources are compiled into the game's static library, whose registration the linker would drop
// unless something refers to it. Q_INIT_RESOURCE must be used outside any namespace.
static bool registerTableResources() {
    Q_INIT_RESOURCE(table_resources);
    return true;
}

void ensureTableResources() {
    static const bool registered = registerTableResources();
    Q_UNUSED(registered);
}

namespace {

// A picture stored twice, for one and for two device pixels per logical pixel.
struct PicturePair {
    const char *normal;
    const char *doubled;
    QSize logicalSize;
};

const PicturePair background{":/pictures/background.png", ":/pictures/background@2x.png", {560, 410}};
const PicturePair cardBack{":/pictures/card_back.png", ":/pictures/card_back@2x.png", {71, 96}};

qreal usableRatio(qreal ratio) {
    return std::isfinite(ratio) && ratio > 1.0 ? ratio : 1.0;
}

QImage decodeForRatio(const PicturePair &pair, qreal ratio) {
    ensureTableResources();
    if (ratio == 1.0)
        return QImage(QLatin1String(pair.normal));
    QImage doubled(QLatin1String(pair.doubled));
    doubled.setDevicePixelRatio(2.0);
    if (ratio >= 2.0)
        return doubled;
    // Between one and two, a smooth reduction to the exact device size is sharper than the painter's own
    // scaling, which picks the nearest pixel.
    const QSize deviceSize(qRound(pair.logicalSize.width() * ratio),
                           qRound(pair.logicalSize.height() * ratio));
    QImage reduced = doubled.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    reduced.setDevicePixelRatio(ratio);
    return reduced;
}

QPixmap loadForRatio(const PicturePair &pair, qreal ratio) {
    return QPixmap::fromImage(decodeForRatio(pair, ratio));
}

QList<QImage> decodeIconSizes() {
    ensureTableResources();
    QList<QImage> sizes;
    for (const int size : windowIconSizes)
        sizes << QImage(QStringLiteral(":/icons/%1.png").arg(size));
    return sizes;
}

// The pictures that a thread of its own decodes while the window is being built, each taken by the first
// call that needs it. The thread has ended before the application has.
struct DecodedAhead {
    bool started = false;
    qreal backgroundRatio = 0.0;
    std::future<QList<QImage>> iconSizes;
    std::future<QImage> background;
    std::jthread decoder;
};

DecodedAhead &decodedAhead() {
    static DecodedAhead ahead;
    return ahead;
}

void finishDecodingAhead() {
    DecodedAhead &ahead = decodedAhead();
    if (ahead.decoder.joinable())
        ahead.decoder.join();
}

qreal applicationRatio() {
    const auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    return app ? app->devicePixelRatio() : 1.0;
}

} // namespace

const QPixmap &backgroundPicture(qreal devicePixelRatio) {
    // Kept per ratio: the felt is repainted often, and a pixmap lives in a map node that never moves.
    static std::map<qreal, QPixmap> byRatio;
    const qreal ratio = usableRatio(devicePixelRatio);
    auto found = byRatio.find(ratio);
    if (found != byRatio.end())
        return found->second;
    DecodedAhead &ahead = decodedAhead();
    QPixmap picture = ahead.background.valid() && ahead.backgroundRatio == ratio
                          ? QPixmap::fromImage(ahead.background.get())
                          : loadForRatio(background, ratio);
    return byRatio.emplace(ratio, std::move(picture)).first->second;
}

const QPixmap &backgroundPicture() {
    return backgroundPicture(applicationRatio());
}

const CardPicture &cardBackPicture(qreal devicePixelRatio) {
    // One picture per ratio, so that every box showing the back shares it and can be recognised by it.
    static std::map<qreal, CardPicture> byRatio;
    const qreal ratio = usableRatio(devicePixelRatio);
    auto found = byRatio.find(ratio);
    if (found == byRatio.end()) {
        found = byRatio
                    .emplace(ratio, CardPicture{loadForRatio(cardBack, ratio),
                                                QCoreApplication::translate("BJMain", "Face-down card")})
                    .first;
    }
    return found->second;
}

const CardPicture &cardBackPicture() {
    return cardBackPicture(applicationRatio());
}

void decodeTablePicturesAhead() {
    DecodedAhead &ahead = decodedAhead();
    if (ahead.started)
        return;
    ahead.started = true;
    ensureTableResources();
    ahead.backgroundRatio = usableRatio(applicationRatio());
    std::promise<QList<QImage>> iconSizes;
    std::promise<QImage> felt;
    ahead.iconSizes = iconSizes.get_future();
    ahead.background = felt.get_future();
    // The icon first: the window takes it before its first frame needs the felt.
    ahead.decoder = std::jthread(
        [iconSizes = std::move(iconSizes), felt = std::move(felt), ratio = ahead.backgroundRatio]() mutable {
            iconSizes.set_value(decodeIconSizes());
            felt.set_value(decodeForRatio(background, ratio));
        });
    qAddPostRoutine(finishDecodingAhead);
}

const QIcon &corvaneIcon() {
    static const QIcon icon = [] {
        // The sizes a window manager draws a window's own icon at, each drawn for its size rather than
        // scaled from another. Larger views (task switchers, docks, the launcher) take the installed icon
        // theme's copy by the desktop file's name; a 256-pixel window icon would cost every window a
        // quarter of a megabyte sent to the display, and the start a few milliseconds.
        DecodedAhead &ahead = decodedAhead();
        const QList<QImage> decoded = ahead.iconSizes.valid() ? ahead.iconSizes.get() : decodeIconSizes();
        QIcon sizes;
        for (const QImage &size : decoded)
            sizes.addPixmap(QPixmap::fromImage(size));
        return sizes;
    }();
    return icon;
}
