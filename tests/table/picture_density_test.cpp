#include "platform/animation_player.h"
#include "support/picture_compare.h"
#include "table/table_pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

QImage rgbOf(const QPixmap &pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

QImage firstFrame(const QString &path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

QString besideTheProgram(const char *name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

} // namespace

TEST(PictureDensity, EveryRatioKeepsTheLogicalSizeAndUsesAtMostThreeTimesThePixels) {
    struct Case {
        qreal ratio;
        QSize background;
        QSize cardBack;
    };
    const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
    for (const Case &c : {Case{1.0, {560, 410}, {71, 96}}, Case{1.5, {840, 615}, {107, 144}},
                          Case{1.25, {700, 513}, {89, 120}}, Case{2.0, {1120, 820}, {142, 192}},
                          Case{3.0, {1680, 1230}, {213, 288}}, Case{2.5, {1400, 1025}, {178, 240}},
                          Case{4.0, {1680, 1230}, {213, 288}}, Case{0.5, {560, 410}, {71, 96}},
                          Case{nan, {560, 410}, {71, 96}}}) {
        SCOPED_TRACE(c.ratio);
        const QPixmap &background = backgroundPicture(c.ratio);
        EXPECT_EQ(background.size(), c.background);
        EXPECT_NEAR(background.deviceIndependentSize().width(), 560, 0.5);
        EXPECT_NEAR(background.deviceIndependentSize().height(), 410, 0.5);
        const QPixmap &back = cardBackPicture(c.ratio).pixmap;
        EXPECT_EQ(back.size(), c.cardBack);
        EXPECT_NEAR(back.deviceIndependentSize().width(), 71, 0.5);
        EXPECT_NEAR(back.deviceIndependentSize().height(), 96, 0.5);
    }
}

TEST(PictureDensity, TheCardBackHasTransparentRoundedCornersLikeTheFaces) {
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const QImage back = cardBackPicture(ratio).pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        const int right = back.width() - 1, bottom = back.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            EXPECT_LT(qAlpha(back.pixel(corner)), 32) << corner.x() << "," << corner.y();
        // The card itself reaches every edge: only the corners are cut away.
        for (const QPoint edge : {QPoint(right / 2, 0), QPoint(right / 2, bottom), QPoint(0, bottom / 2),
                                  QPoint(right, bottom / 2), QPoint(right / 2, bottom / 2)})
            EXPECT_GT(qAlpha(back.pixel(edge)), 200) << edge.x() << "," << edge.y();
    }
}

// A twin drawn a little off would move the felt's drawing under the controls laid out over it. Reduced
// to 1x, each twin differs from its picture only along the edges, where the two drawings' smoothing
// differs; the same picture moved by one pixel differs by 4.4 (background) and 22 (card back).
TEST(PictureDensity, EachLargerPictureIsTheSameDrawingInTheSamePlace) {
    struct Case {
        const char *name;
        QPixmap normal;
        QPixmap doubled;
        double largestDifference;
    };
    for (const Case &c : {Case{"background", backgroundPicture(1.0), backgroundPicture(2.0), 3.0},
                          Case{"background", backgroundPicture(1.0), backgroundPicture(3.0), 3.0},
                          Case{"card back", cardBackPicture(1.0).pixmap, cardBackPicture(2.0).pixmap, 8.0},
                          Case{"card back", cardBackPicture(1.0).pixmap, cardBackPicture(3.0).pixmap, 8.0}}) {
        SCOPED_TRACE(c.name);
        const QImage reduced =
            rgbOf(c.doubled).scaled(c.normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(reduced, rgbOf(c.normal)), c.largestDifference);
    }
}

TEST(PictureDensity, TheClipPlayerOfAnOrdinaryScreenIgnoresTheDoubleSizeClip) {
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 1.0);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::copy(besideTheProgram("loss.swf"), dir.filePath(QStringLiteral("clip.swf"))));
    ASSERT_TRUE(QFile::copy(besideTheProgram("win@2x.swf"), dir.filePath(QStringLiteral("clip@2x.swf"))));

    AnimationPlayer player;
    player.resize(225, 49);
    player.setMovie(dir.path() + QStringLiteral("\\clip.swf"));
    ASSERT_TRUE(player.hasClip());
    EXPECT_LT(meanDifference(rgbOf(player.grab()), firstFrame(besideTheProgram("loss.swf"))), 1.0);
}
