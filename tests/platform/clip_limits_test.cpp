#include "hostile_media.h"
#include "platform/animation_player.h"
#include "platform/clip_limits.h"
#include "support/process_memory.h"

#include <QFile>
#include <QMovie>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using hostile::GifFrame;

TEST(GifLimits, JudgesTheCanvasEveryFrameReachesAndTheNumberOfFrames) {
    const ClipLimits limits{1024 * 1024, 100 * 100, 50, 1000};
    struct Case {
        const char *what;
        QByteArray gif;
        bool fits;
    };
    for (const Case &c : {
             Case{"a small clip", hostile::gif(100, 100, {{0, 0, 100, 100}, {0, 0, 10, 10}}), true},
             Case{"a canvas just too wide", hostile::gif(101, 100, {{0, 0, 1, 1}}), false},
             Case{"a frame reaching past the right edge", hostile::gif(100, 100, {{99, 0, 2, 1}}), false},
             Case{"a frame reaching below the bottom edge", hostile::gif(100, 100, {{0, 99, 1, 2}}), false},
             Case{"no logical screen, the frame sets the canvas", hostile::gif(0, 0, {{0, 0, 100, 100}}),
                  true},
             Case{"as many frames as allowed", hostile::gif(8, 8, std::vector<GifFrame>(50)), true},
             Case{"one frame too many", hostile::gif(8, 8, std::vector<GifFrame>(51)), false},
             Case{"no frame at all", hostile::gif(8, 8, {}), false},
             Case{"not a GIF", QByteArray("GIF90a") + hostile::gif(8, 8, {{}}).mid(6), false},
         })
        EXPECT_EQ(gifFitsLimits(c.gif, limits), c.fits) << c.what;
}

TEST(GifLimits, RefusesDataNoFrameCouldNeedAndLongCommentsBetweenFrames) {
    const ClipLimits limits{1024 * 1024, 100 * 100, 50, 1000};
    const QByteArray overfed = hostile::overfedGif(5);
    EXPECT_FALSE(gifFitsLimits(overfed, limits));

    const QByteArray clip = hostile::gif(8, 8, {{}});
    const auto withComment = [&](int bytes) {
        QByteArray comment = QByteArray::fromHex("21fe");
        for (int left = bytes; left > 0; left -= 250)
            comment.append(char(std::min(left, 250))).append(QByteArray(std::min(left, 250), 'c'));
        return QByteArray(clip).insert(13 + 6, comment.append('\0'));
    };
    // The loop count and the frame's delay are extension data too.
    EXPECT_TRUE(gifFitsLimits(withComment(900), limits));
    EXPECT_FALSE(gifFitsLimits(withComment(1001), limits));
}

// A clip cut short plays the frames it holds; one cut inside its header has none to play.
TEST(GifLimits, CountsTheWholeFramesOfAClipCutShort) {
    const QByteArray clip = hostile::gif(8, 8, {{0, 0, 8, 8}, {0, 0, 8, 8}});
    const qsizetype firstFrameEnds = clip.indexOf(char(0x2c), 20);
    EXPECT_TRUE(gifFitsLimits(clip.left(clip.size() - 5)));
    EXPECT_FALSE(gifFitsLimits(clip.left(firstFrameEnds)));
    EXPECT_FALSE(gifFitsLimits(clip.left(10)));
}

// Limits that refused the game's own clips would leave the table without any.
TEST(GifLimits, TheGamesOwnClipsFit) {
    for (const char *name : {"a.swf", "bj.swf", "draw.swf", "loss.swf", "win.swf"}) {
        QFile clip(QStringLiteral(CORVANE_SOURCE_DIR "/media/") + QLatin1String(name));
        ASSERT_TRUE(clip.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(clipFitsLimits(clip, "gif")) << name;
    }
}

// Every frame of a long clip kept in memory would take 4 MB; forty of them would be noticed.
TEST(ClipMemory, ALongClipKeepsNoFramesItHasShown) {
    if (!residentMemoryIsMeaningful())
        GTEST_SKIP() << "the sanitizer's quarantine keeps every freed frame";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.swf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(hostile::gif(1000, 1000, std::vector<GifFrame>(3000, GifFrame{0, 0, 1, 1, 2})));
    file.close();
    AnimationPlayer player;
    player.resize(225, 49);
    player.show();
    player.setMovie(path);
    ASSERT_TRUE(player.hasClip());
    QMovie *movie = player.findChild<QMovie *>();
    QSignalSpy frames(movie, &QMovie::frameChanged);
    ASSERT_TRUE(frames.wait(3000));
    const qint64 atStart = residentBytes();

    while (movie->currentFrameNumber() < 40)
        ASSERT_TRUE(frames.wait(3000));
    EXPECT_LT(residentBytes() - atStart, 64 * 1024 * 1024);
}

} // namespace
