// Runs with QT_SCALE_FACTOR=2: the table as a desktop set to 200% shows it.
#include "platform/animation_player.h"
#include "support/picture_compare.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/card_box.h"
#include "table/chip_label.h"
#include "table/table_pictures.h"
#include "table/table_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMovie>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A rendering at 200% must differ from the best enlargement of its 1x picture by more than this, on
// average per colour channel. Enlargements by the painter stay below 1; the chips, the title and the card
// back redrawn at twice the size differ by 10 to 15, the clips by 3 to 7.
constexpr double realDetail = 2.0;
// ...while, reduced back to 1x, it must be the same picture. The two drawings' edges differ by up to 10
// on the chips and the title; the same picture moved by one pixel differs by 18 to 25 there.
constexpr double samePicture = 14.0;

QImage rgb(const QImage &image) {
    QImage converted = image.convertToFormat(QImage::Format_RGB32);
    converted.setDevicePixelRatio(1.0);
    return converted;
}

// How far a 200% rendering is from its 1x picture enlarged either way a painter enlarges pictures.
double detailBeyondEnlargement(const QImage &shown, const QImage &normal) {
    const QSize doubled = normal.size() * 2;
    return std::min(
        meanDifference(shown, normal.scaled(doubled, Qt::IgnoreAspectRatio, Qt::FastTransformation)),
        meanDifference(shown, normal.scaled(doubled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

double differenceWhenReduced(const QImage &shown, const QImage &normal) {
    return meanDifference(shown.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                          normal);
}

QRect devicePixels(const QRect &logical) {
    return QRect(logical.topLeft() * 2, logical.size() * 2);
}

QImage frameOf(const QString &path, int frameNumber) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage frame;
    for (int i = 0; i <= frameNumber; ++i)
        frame = reader.read();
    return rgb(frame);
}

QImage firstFrame(const QString &path) {
    return frameOf(path, 0);
}

QString besideTheProgram(const QString &name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

class DoubleDensityTable : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2"; }

    ScriptedTable table;
};

} // namespace

TEST_F(DoubleDensityTable, ChipsAndTitleAreDrawnWithTwiceTheDetail) {
    QWidget *felt = table.ui->lblBet10->parentWidget();
    const QImage shown = rgb(felt->grab().toImage());
    ASSERT_EQ(shown.size(), QSize(1118, 820)) << "the felt, 559 x 410 at 200%";
    const QImage normal = rgb(backgroundPicture(1.0).toImage());

    struct Region {
        const char *name;
        QRect logical;
    };
    // The script title lies on the felt between the dealer's cards and the clip strip.
    for (const Region &r :
         {Region{"10 chips", table.ui->lblBet10->geometry()},
          Region{"5 chips", table.ui->lblBet5->geometry()},
          Region{"50 chips", table.ui->lblBet50->geometry()}, Region{"title", QRect(180, 124, 200, 50)}}) {
        SCOPED_TRACE(r.name);
        const QImage region = shown.copy(devicePixels(r.logical));
        const QImage normalRegion = normal.copy(r.logical);
        EXPECT_LT(differenceWhenReduced(region, normalRegion), samePicture);
        EXPECT_GT(detailBeyondEnlargement(region, normalRegion), realDetail);
    }
}

TEST_F(DoubleDensityTable, TheCardBackIsDrawnWithTwiceTheDetail) {
    CardBox *box = table.ui->PicCom[0];
    ASSERT_TRUE(box->picture().isSameAs(table.ui->PicBack->picture()));
    // Inside the rounded corners, where the felt behind the card does not show.
    const QRect inside(4, 4, 63, 88);
    const QImage region = rgb(box->grab().toImage()).copy(devicePixels(inside));
    const QImage normalRegion = rgb(cardBackPicture(1.0).pixmap.toImage()).copy(inside);
    EXPECT_LT(differenceWhenReduced(region, normalRegion), samePicture);
    EXPECT_GT(detailBeyondEnlargement(region, normalRegion), realDetail);
}

TEST_F(DoubleDensityTable, EveryClipIsShownWithTwiceTheDetail) {
    for (const char *name : {"a", "loss", "draw", "win", "bj"}) {
        SCOPED_TRACE(name);
        table.ui->Flash->setMovie(QCoreApplication::applicationDirPath() +
                                  QStringLiteral("\\%1.swf").arg(name));
        ASSERT_TRUE(table.ui->Flash->hasClip());
        // A third of the way in, every clip has its words on view. A GIF is read frame after frame.
        auto *clip = table.ui->Flash->findChild<QMovie *>();
        const int frame = clip->frameCount() / 3;
        for (int next = 1; next <= frame; ++next)
            ASSERT_TRUE(clip->jumpToFrame(next));
        const QImage shown = rgb(table.ui->Flash->grab().toImage());
        const QImage normal = frameOf(besideTheProgram(QStringLiteral("%1.swf").arg(name)), frame);
        EXPECT_LT(differenceWhenReduced(shown, normal), samePicture);
        EXPECT_GT(detailBeyondEnlargement(shown, normal), realDetail);
    }
}

// The player's choice, with clips whose first frames tell them apart: a red banner at 1x, a green one at
// 2x.
class DoubleDensityClipChoice : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
        ASSERT_TRUE(dir.isValid());
        player.resize(225, 49);
    }

    void install(const char *source, const QString &name) {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QFileInfo(dir.filePath(name)).path()));
        ASSERT_TRUE(QFile::copy(besideTheProgram(QLatin1String(source)), dir.filePath(name)))
            << name.toStdString();
    }

    QImage shown() { return rgb(player.grab().toImage()); }

    QTemporaryDir dir;
    AnimationPlayer player;
    const QImage normalFrame = firstFrame(besideTheProgram(QStringLiteral("loss.swf")));
    const QImage doubleFrame = firstFrame(besideTheProgram(QStringLiteral("win@2x.swf")));
};

TEST_F(DoubleDensityClipChoice, TheDoubleSizeTwinIsFoundBesideTheClipAndShownPixelForPixel) {
    struct Case {
        const char *clip;
        const char *twin;
        const char *built;
    };
    for (const Case &c : {Case{"clip.swf", "clip@2x.swf", "\\clip.swf"},
                          Case{"media/clip.swf", "media/clip@2x.swf", "\\media\\clip.swf"},
                          Case{"my.clips/clip", "my.clips/clip@2x", "/my.clips/clip"},
                          Case{"clip.final.gif", "clip.final@2x.gif", "\\clip.final.gif"}}) {
        SCOPED_TRACE(c.built);
        install("loss.swf", QLatin1String(c.clip));
        install("win@2x.swf", QLatin1String(c.twin));
        player.setMovie(dir.path() + QLatin1String(c.built));
        ASSERT_TRUE(player.hasClip());
        EXPECT_LT(meanDifference(shown(), doubleFrame), 1.0);
    }
}

TEST_F(DoubleDensityClipChoice, WithoutAPlayableTwinTheClipItselfIsShownEnlarged) {
    install("loss.swf", QStringLiteral("clip.swf"));
    const QString built = dir.path() + QStringLiteral("\\clip.swf");
    const QString twin = dir.filePath(QStringLiteral("clip@2x.swf"));

    struct Case {
        const char *twinIs;
        std::function<void()> make;
    };
    const std::vector<Case> cases{
        {"missing", [] {}},
        {"not a picture",
         [&] {
             QFile file(twin);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("GIF89a but nothing after it");
         }},
        {"a folder", [&] { ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("clip@2x.swf"))); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.twinIs);
        c.make();
        player.setMovie(built);
        EXPECT_TRUE(player.hasClip());
        EXPECT_LT(differenceWhenReduced(shown(), normalFrame), samePicture);
        QFile::remove(twin);
    }
}
