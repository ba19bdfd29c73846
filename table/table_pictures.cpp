#include "table/table_pictures.h"

#include "platform/art_scale.h"
#include "platform/media_file.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <algorithm>
#include <array>
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

// A picture built into the program at one and two times the table's pixels. Its twin at three times,
// which only a zoom needs, stands beside the program with the clips and is read only when a zoom asks for
// it: built in, it would cost every start memory for pictures most players never see.
struct PictureSet {
    std::array<const char *, 2> builtIn;
    const char *largest;
    QSize logicalSize;
};

const PictureSet background{
    {":/pictures/background.png", ":/pictures/background@2x.png"}, "background@3x.png", {560, 410}};
const PictureSet cardBack{
    {":/pictures/card_back.png", ":/pictures/card_back@2x.png"}, "card_back@3x.png", {71, 96}};

// The art at `art` times the table's pixels; where the largest is missing, or of another size than the
// table's drawing (a replacement would move the felt's drawing under the controls), the next smaller.
QImage readArt(const PictureSet &set, int art) {
    if (art == largestArtScale) {
        QImageReader reader(locateMediaFile(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                            QLatin1String(set.largest)));
        if (reader.size() == set.logicalSize * largestArtScale) {
            const QImage largest = reader.read();
            if (!largest.isNull())
                return largest;
        }
        --art;
    }
    return QImage(QLatin1String(set.builtIn[std::size_t(art - 1)]));
}

qreal usableRatio(qreal ratio) {
    return std::isfinite(ratio) && ratio > 1.0 ? ratio : 1.0;
}

QImage decodeForRatio(const PictureSet &set, qreal ratio, qreal zoom = 1.0) {
    ensureTableResources();
    const qreal scale = ratio * zoom;
    QImage image = readArt(set, artScaleFor(scale));
    const int art = image.width() / set.logicalSize.width();
    // Whole logical pixels at the zoom, as the widget the picture fills has them.
    const auto devicePixels = [&](int length) { return qRound(std::ceil(length * zoom) * ratio); };
    const QSize deviceSize(devicePixels(set.logicalSize.width()), devicePixels(set.logicalSize.height()));
    // A smooth reduction to the exact device size is sharper than the painter's own scaling, which picks
    // the nearest pixel.
    if (scale <= art && image.size() != deviceSize)
        image = image.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(std::min<qreal>(scale, art) / zoom);
    return image;
}

QPixmap loadForRatio(const PictureSet &set, qreal ratio, qreal zoom = 1.0) {
    return QPixmap::fromImage(decodeForRatio(set, ratio, zoom));
}

// The one picture kept for a zoom other than 1, replaced when another zoom or ratio asks and let go
// when the table is back at 1.
template <typename Picture> struct ZoomedPicture {
    qreal ratio = 0.0;
    qreal zoom = 0.0;
    Picture picture;

    template <typename Make> const Picture &at(qreal wantedRatio, qreal wantedZoom, Make make) {
        if (ratio != wantedRatio || zoom != wantedZoom) {
            picture = make();
            ratio = wantedRatio;
            zoom = wantedZoom;
        }
        return picture;
    }

    void release() {
        if (zoom != 0.0)
            *this = {};
    }
};

bool isZoomed(qreal zoom) {
    return std::isfinite(zoom) && zoom > 0 && zoom != 1.0;
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

QPixmap backgroundPicture(qreal devicePixelRatio, qreal zoom) {
    const qreal ratio = usableRatio(devicePixelRatio);
    static ZoomedPicture<QPixmap> zoomed;
    if (isZoomed(zoom))
        return zoomed.at(ratio, zoom, [&] { return loadForRatio(background, ratio, zoom); });
    zoomed.release();
    // Kept per ratio: the felt is repainted often.
    static std::map<qreal, QPixmap> byRatio;
    auto found = byRatio.find(ratio);
    if (found != byRatio.end())
        return found->second;
    DecodedAhead &ahead = decodedAhead();
    QPixmap picture = ahead.background.valid() && ahead.backgroundRatio == ratio
                          ? QPixmap::fromImage(ahead.background.get())
                          : loadForRatio(background, ratio);
    return byRatio.emplace(ratio, std::move(picture)).first->second;
}

QPixmap backgroundPicture() {
    return backgroundPicture(applicationRatio());
}

CardPicture cardBackPicture(qreal devicePixelRatio, qreal zoom) {
    const qreal ratio = usableRatio(devicePixelRatio);
    const auto make = [&] {
        return CardPicture{loadForRatio(cardBack, ratio, isZoomed(zoom) ? zoom : 1.0),
                           QCoreApplication::translate("BJMain", "Face-down card")};
    };
    // One picture per ratio and zoom, so that every box showing the back shares it and can be recognised
    // by it.
    static ZoomedPicture<CardPicture> zoomed;
    if (isZoomed(zoom))
        return zoomed.at(ratio, zoom, make);
    zoomed.release();
    static std::map<qreal, CardPicture> byRatio;
    auto found = byRatio.find(ratio);
    if (found == byRatio.end())
        found = byRatio.emplace(ratio, make()).first;
    return found->second;
}

CardPicture cardBackPicture() {
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
