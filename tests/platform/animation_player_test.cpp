#include "platform/animation_player.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QMovie>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QColor feltGreen(0x00, 0x9A, 0x34);

// Three 20x10 frames, red, blue, yellow. "three_frames" plays once as GIFs go; the other loops forever.
class AnimationPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        player.resize(225, 49);
        player.show();
    }

    // Installed under the kind of name the table asks for.
    QString clip(const char *fixture, const QString &name = QStringLiteral("clip.swf")) {
        const QString path = dir.filePath(name);
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(QStringLiteral(CORVANE_SOURCE_DIR "/tests/platform/data/") + fixture, path));
        return path;
    }

    QString write(const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }

    QMovie *movie() const { return player.findChild<QMovie *>(); }

    bool waitForFrame(int frame) {
        QSignalSpy frames(movie(), &QMovie::frameChanged);
        while (movie()->currentFrameNumber() != frame)
            if (!frames.wait(3000))
                return false;
        return true;
    }

    QColor shownAt(int x, int y) { return player.grab().toImage().pixelColor(x, y); }

    QTemporaryDir dir;
    AnimationPlayer player;
};

// The GIF asks to be played once; on the table a clip loops until told otherwise.
TEST_F(AnimationPlayerTest, GifNamedSwfUnderABackslashPathPlaysAndLoops) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("media")));
    clip("three_frames.gif", QStringLiteral("media/win.swf"));
    const QString built = dir.path() + QStringLiteral("/media\\win.swf");
    player.setMovie(built);

    EXPECT_EQ(player.movie(), built);
    ASSERT_TRUE(player.hasClip());
    EXPECT_TRUE(waitForFrame(1));
    EXPECT_EQ(shownAt(112, 24), QColor(Qt::blue));
    EXPECT_TRUE(waitForFrame(2));
    EXPECT_TRUE(waitForFrame(0));
    EXPECT_TRUE(player.isPlaying());
}

TEST_F(AnimationPlayerTest, WithoutLoopingTheClipStopsOnItsLastFrameUntilPlayedAgain) {
    player.setLoop(false);
    for (const char *fixture : {"three_frames.gif", "three_frames_forever.gif"}) {
        SCOPED_TRACE(fixture);
        player.setMovie(clip(fixture));

        ASSERT_TRUE(waitForFrame(2));
        EXPECT_FALSE(player.isPlaying());
        EXPECT_EQ(shownAt(112, 24), QColor(Qt::yellow));
        player.play();
        EXPECT_TRUE(waitForFrame(1));
    }
}

TEST_F(AnimationPlayerTest, RewindHoldsTheFirstFrameUntilPlay) {
    player.setMovie(clip("three_frames_forever.gif"));
    ASSERT_TRUE(waitForFrame(1));

    player.rewind();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(shownAt(112, 24), QColor(Qt::red));
    player.play();
    EXPECT_TRUE(waitForFrame(2));
}

// A broken clip leaves the table as it would be with none, and says nothing about it.
TEST_F(AnimationPlayerTest, UnplayableClipShowsOnlyTheBackground) {
    QByteArray noise(4096, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char(i * 7919 % 251);
    QFile gif(clip("three_frames.gif"));
    ASSERT_TRUE(gif.open(QIODevice::ReadOnly));
    const QStringList broken = {
        dir.filePath(QStringLiteral("missing.swf")), write(QStringLiteral("empty.swf"), {}),
        write(QStringLiteral("noise.swf"), noise), write(QStringLiteral("cut.swf"), gif.read(13))};
    static QStringList messages;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { messages << text; });
    for (const QString &path : broken) {
        SCOPED_TRACE(path.toStdString());
        player.setMovie(clip("three_frames.gif"));
        player.setMovie(path);

        EXPECT_FALSE(player.hasClip());
        EXPECT_FALSE(player.isPlaying());
        const QImage shown = player.grab().toImage();
        for (const QPoint at : {QPoint(0, 0), QPoint(112, 24), QPoint(224, 48)})
            EXPECT_EQ(shown.pixelColor(at), feltGreen);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(messages, QStringList());
}

// 20x10 scaled into 225x49 is 98x49, with 63 columns of background to its left and 64 to its right.
TEST_F(AnimationPlayerTest, ShowAllDrawsTheWholeFrameCentredWithAspectKept) {
    player.setMovie(clip("three_frames.gif"));
    player.rewind();
    const QImage shown = player.grab().toImage();

    for (const QPoint at : {QPoint(63, 0), QPoint(112, 24), QPoint(160, 48)})
        EXPECT_EQ(shown.pixelColor(at), QColor(Qt::red)) << at.x() << "," << at.y();
    for (const QPoint at : {QPoint(0, 24), QPoint(62, 24), QPoint(161, 24), QPoint(224, 0)})
        EXPECT_EQ(shown.pixelColor(at), feltGreen) << at.x() << "," << at.y();
}

TEST_F(AnimationPlayerTest, HiddenClipIsKeptPausedAndCarriesOnWhenShown) {
    const QString path = clip("three_frames_forever.gif");
    player.setMovie(path);
    player.hide();

    EXPECT_EQ(movie()->state(), QMovie::Paused);
    EXPECT_TRUE(player.hasClip());
    EXPECT_EQ(player.movie(), path);
    player.show();
    EXPECT_EQ(movie()->state(), QMovie::Running);
}

// A clip with its words in the player's language is shown where there is one that plays; else the English.
TEST_F(AnimationPlayerTest, ShowsTheClipInTheWordsLanguageOrElseTheEnglish) {
    struct Case {
        const char *language;
        const char *english;
        const char *translated;
        bool shown;
    };
    const QByteArray noise(64, '\x5a');
    for (const Case &c : {Case{"de", "noise", "gif", true}, Case{"it", "noise", "gif", false},
                          Case{"de", "gif", "noise", true}, Case{"", "noise", "gif", false}}) {
        SCOPED_TRACE(c.language);
        const auto put = [&](const char *kind, const QString &name) {
            if (QByteArray(kind) == "gif")
                clip("three_frames.gif", name);
            else
                write(name, noise);
        };
        put(c.english, QStringLiteral("win.swf"));
        put(c.translated, QStringLiteral("win_de.swf"));
        player.setWordsLanguage(QLatin1String(c.language));
        player.setMovie(dir.path() + QStringLiteral("\\win.swf"));
        EXPECT_EQ(player.hasClip(), c.shown);
    }
}

TEST_F(AnimationPlayerTest, RightClickMenuOffersPlayLoopAndRewind) {
    player.setMovie(clip("three_frames.gif"));
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(10, 10), player.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&player, &click);

    // The menu pops up without waiting: it is on screen when the click has been handled.
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    bool loopWasTicked = false;
    for (QAction *action : menu->actions()) {
        entries << action->text();
        if (action->text() == QStringLiteral("Loop")) {
            loopWasTicked = action->isChecked();
            action->trigger();
        }
    }
    menu->close();

    EXPECT_EQ(entries, QStringList({"Play", "Loop", "Rewind"}));
    EXPECT_TRUE(loopWasTicked);
    EXPECT_FALSE(player.loops());
}

} // namespace

// For a player whom motion troubles: a clip loaded or already playing holds its middle frame, even when
// played from the context menu, and moves again once motion is allowed.
TEST_F(AnimationPlayerTest, AStillPlayerHoldsTheMiddleFrameOfEveryClip) {
    for (bool stillFirst : {true, false}) {
        SCOPED_TRACE(stillFirst ? "still, then loaded" : "loaded, then still");
        player.setStill(stillFirst);
        player.setMovie(clip("three_frames_forever.gif"));
        player.setStill(true);
        player.play();
        EXPECT_FALSE(player.isPlaying());
        EXPECT_EQ(shownAt(112, 24), QColor(Qt::blue));
        player.setStill(false);
        EXPECT_TRUE(player.isPlaying());
    }
}
