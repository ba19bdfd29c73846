#include "platform/animation_player.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMovie>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <random>

namespace {

const QColor feltGreen(0x00, 0x9A, 0x34);
constexpr int frameTimeoutMs = 3000;

// Three 20x10 frames, red, blue, yellow. One plays once as GIFs go, the other asks to loop forever.
QString fixture(const char *name) { return QStringLiteral(CORVANE_SOURCE_DIR "/tests/platform/data/") + name; }

class AnimationPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        player.resize(225, 49);
        player.show();
    }

    // The clips are GIFs under the name the table asks for.
    QString installClip(const char *fixtureName, const QString &name = QStringLiteral("clip.swf")) {
        const QString path = dir.filePath(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(fixture(fixtureName), path));
        return path;
    }

    QString writeFile(const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    QMovie *movie() const { return player.findChild<QMovie *>(); }

    // Lets the event loop run until the clip shows the given frame; false when it never does.
    bool waitForFrame(int frame) {
        QMovie *clip = movie();
        if (!clip)
            return false;
        QSignalSpy frames(clip, &QMovie::frameChanged);
        while (clip->currentFrameNumber() != frame)
            if (!frames.wait(frameTimeoutMs))
                return false;
        return true;
    }

    QColor pixel(int x, int y) { return player.grab().toImage().pixelColor(x, y); }

    QTemporaryDir dir;
    AnimationPlayer player;
};

TEST_F(AnimationPlayerTest, GifNamedSwfLoadsAndPlays) {
    const QString path = installClip("three_frames.gif");
    player.setMovie(path);

    EXPECT_EQ(player.movie(), path);
    EXPECT_TRUE(player.hasClip());
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(waitForFrame(1));
    EXPECT_EQ(pixel(112, 24), QColor(Qt::blue));
}

// This GIF asks to be played once; the table's clips loop until told otherwise.
TEST_F(AnimationPlayerTest, LoopingRunsPastTheEndOfAClipThatPlaysOnce) {
    player.setMovie(installClip("three_frames.gif"));

    ASSERT_TRUE(waitForFrame(2));
    EXPECT_TRUE(waitForFrame(0));
    EXPECT_TRUE(waitForFrame(1));
    EXPECT_TRUE(player.isPlaying());
}

TEST_F(AnimationPlayerTest, WithoutLoopingTheClipStopsOnItsLastFrame) {
    for (const char *name : {"three_frames.gif", "three_frames_forever.gif"}) {
        SCOPED_TRACE(name);
        player.setLoop(false);
        player.setMovie(installClip(name));

        ASSERT_TRUE(waitForFrame(2));
        EXPECT_FALSE(player.isPlaying());
        EXPECT_EQ(pixel(112, 24), QColor(Qt::yellow));

        // Play again runs one more pass rather than finishing at once.
        player.play();
        EXPECT_TRUE(player.isPlaying());
        EXPECT_TRUE(waitForFrame(1));
        player.setLoop(true);
    }
}

TEST_F(AnimationPlayerTest, BackslashInTheBuiltPathIsADirectorySeparator) {
    QDir(dir.path()).mkdir(QStringLiteral("media"));
    installClip("three_frames.gif", QStringLiteral("media/win.swf"));
    const QString built = dir.path() + QStringLiteral("/media\\win.swf");

    player.setMovie(built);

    EXPECT_TRUE(player.hasClip());
    EXPECT_EQ(player.movie(), built);
}

TEST_F(AnimationPlayerTest, RewindShowsTheFirstFrameUntilPlayResumes) {
    player.setMovie(installClip("three_frames_forever.gif"));
    ASSERT_TRUE(waitForFrame(1));

    player.rewind();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(movie()->currentFrameNumber(), 0);
    EXPECT_EQ(pixel(112, 24), QColor(Qt::red));

    player.play();
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(waitForFrame(2));
}

// A broken clip must leave the table looking as it would with no clip at all, and quietly.
TEST_F(AnimationPlayerTest, UnplayableClipShowsOnlyTheBackground) {
    std::mt19937 noise(7);
    QByteArray randomBytes(4096, '\0');
    for (char &byte : randomBytes)
        byte = char(noise());
    QFile gif(fixture("three_frames.gif"));
    ASSERT_TRUE(gif.open(QIODevice::ReadOnly));
    const QByteArray headerOnly = gif.read(13);

    const struct {
        const char *what;
        QString path;
    } cases[] = {
        {"missing", dir.filePath(QStringLiteral("missing.swf"))},
        {"empty", writeFile(QStringLiteral("empty.swf"), {})},
        {"random bytes", writeFile(QStringLiteral("noise.swf"), randomBytes)},
        {"GIF header only", writeFile(QStringLiteral("cut.swf"), headerOnly)},
    };
    static QStringList messages;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &text) { messages << text; });
    for (const auto &broken : cases) {
        SCOPED_TRACE(broken.what);
        player.setMovie(installClip("three_frames.gif"));
        player.setMovie(broken.path);

        EXPECT_FALSE(player.hasClip());
        EXPECT_FALSE(player.isPlaying());
        EXPECT_EQ(player.movie(), broken.path);
        const QImage shown = player.grab().toImage();
        for (const QPoint at : {QPoint(0, 0), QPoint(112, 24), QPoint(224, 48)})
            EXPECT_EQ(shown.pixelColor(at), feltGreen) << at.x() << "," << at.y();
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(AnimationPlayerTest, ShowAllDrawsTheWholeFrameCentredWithAspectKept) {
    // A 20x10 frame scaled to fit: 225x49 leaves bars at the sides, 40x100 above and below.
    const struct {
        QSize widget;
        QRect drawn;
    } cases[] = {
        {{225, 49}, {63, 0, 98, 49}},
        {{40, 100}, {0, 40, 40, 20}},
    };
    player.setMovie(installClip("three_frames.gif"));
    player.rewind();
    for (const auto &layout : cases) {
        SCOPED_TRACE(layout.widget.width());
        player.resize(layout.widget);
        const QImage shown = player.grab().toImage();
        const QRect &red = layout.drawn;

        for (const QPoint at : {red.topLeft(), red.bottomRight(), red.center()})
            EXPECT_EQ(shown.pixelColor(at), QColor(Qt::red)) << at.x() << "," << at.y();
        const QPoint before = red.width() < layout.widget.width() ? QPoint(red.left() - 1, red.center().y())
                                                                   : QPoint(red.center().x(), red.top() - 1);
        const QPoint after = red.width() < layout.widget.width() ? QPoint(red.right() + 1, red.center().y())
                                                                  : QPoint(red.center().x(), red.bottom() + 1);
        for (const QPoint at : {before, after, QPoint(0, 0), QPoint(layout.widget.width() - 1, layout.widget.height() - 1)})
            EXPECT_EQ(shown.pixelColor(at), feltGreen) << at.x() << "," << at.y();
    }
}

TEST_F(AnimationPlayerTest, HiddenClipIsKeptAndCarriesOnWhenShown) {
    const QString path = installClip("three_frames_forever.gif");
    player.setMovie(path);
    player.hide();

    EXPECT_EQ(movie()->state(), QMovie::Paused);
    EXPECT_TRUE(player.hasClip());
    EXPECT_EQ(player.movie(), path);

    player.show();
    EXPECT_EQ(movie()->state(), QMovie::Running);
}

TEST_F(AnimationPlayerTest, ClipSetWhileHiddenStartsWhenShown) {
    player.hide();
    player.setMovie(installClip("three_frames_forever.gif"));
    EXPECT_NE(movie()->state(), QMovie::Running);

    player.show();
    EXPECT_TRUE(waitForFrame(1));
}

// The menu is driven the way a user would: it opens on a right click and its Loop entry is unticked.
TEST_F(AnimationPlayerTest, ContextMenuOffersPlayLoopAndRewind) {
    player.setMovie(installClip("three_frames.gif"));
    QStringList entries;
    bool loopWasTicked = false;
    QTimer::singleShot(0, &player, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            entries << action->text();
            if (action->text() == QStringLiteral("Loop")) {
                loopWasTicked = action->isCheckable() && action->isChecked();
                action->trigger();
            }
        }
        menu->close();
    });

    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(10, 10), player.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&player, &click);

    EXPECT_EQ(entries, QStringList({"Play", "Loop", "Rewind"}));
    EXPECT_TRUE(loopWasTicked);
    EXPECT_FALSE(player.loops());
}

} // namespace
