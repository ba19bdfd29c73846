#include "hostile_media.h"
#include "platform/animation_player.h"
#include "platform/sndfile_wave_player.h"
#include "support/process_memory.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

// What the player may hold the event thread for; a window that answers within this feels alive.
constexpr qint64 longestBlockMs = 100;
constexpr qint64 megabyte = 1024 * 1024;

// Twice the memory at rest, and never less than 64 MB of headroom: a canvas or a sound that escaped its
// limits takes hundreds of megabytes.
qint64 memoryBound(qint64 atRest) {
    return atRest + std::max(atRest, 64 * megabyte);
}

// How long `call` held the event thread. A loaded machine can stall any call once, so a slow call is
// timed again and the quicker of the two counts.
qint64 blockingMs(const std::function<void()> &call) {
    qint64 quickest = std::numeric_limits<qint64>::max();
    for (int attempt = 0; attempt < 2 && quickest > longestBlockMs; ++attempt) {
        QElapsedTimer timer;
        timer.start();
        call();
        quickest = std::min(quickest, timer.elapsed());
    }
    return quickest;
}

// Lets the event loop run for `ms` and returns the longest wait between two ticks of a fast timer: how
// long the window would have been deaf meanwhile.
qint64 longestStallMs(int ms) {
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longest = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    ticker.start(5);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return std::max(longest, clock.elapsed() - lastTick);
}

bool waitUntil(const std::function<bool()> &done, int ms = 10000) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        longestStallMs(10);
    }
    return true;
}

class HostileMediaTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new QTemporaryDir;
        corpus = writeHostileMedia(folder->path());
    }
    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }

    static QString path(const HostileMedia &media) { return folder->filePath(media.fileName); }
    static std::vector<HostileMedia> only(MediaKind kind) {
        std::vector<HostileMedia> chosen;
        std::copy_if(corpus.begin(), corpus.end(), std::back_inserter(chosen),
                     [kind](const HostileMedia &media) { return media.kind == kind; });
        return chosen;
    }

    static inline QTemporaryDir *folder = nullptr;
    static inline std::vector<HostileMedia> corpus;
};

TEST_F(HostileMediaTest, CorpusHoldsEveryKind) {
    ASSERT_TRUE(folder->isValid());
    EXPECT_GT(only(MediaKind::Sound).size(), 60u);
    EXPECT_GT(only(MediaKind::Clip).size(), 100u);
}

// With or without a sound server: the sounds are judged, decoded and handed over the same way.
TEST_F(HostileMediaTest, NoSoundBlocksTheWindowOrSwellsTheGame) {
    SndfileWavePlayer player;
    ASSERT_NE(player.play(folder->filePath(QStringLiteral("valid.wav"))), 0);
    ASSERT_TRUE(waitUntil([&] { return !player.isReading(); }));
    const qint64 atRest = residentBytes();

    for (const HostileMedia &sound : only(MediaKind::Sound)) {
        SCOPED_TRACE(sound.fileName.toStdString());
        resetPeakResident();
        int result = -1;
        EXPECT_LE(blockingMs([&] { result = player.play(path(sound)); }), longestBlockMs);
        if (sound.outcome != Outcome::Either) {
            EXPECT_EQ(result != 0, sound.outcome == Outcome::Plays);
        }
        EXPECT_TRUE(waitUntil([&] { return !player.isReading(); }));
        EXPECT_LE(peakResidentBytes(), memoryBound(atRest));
    }
}

// The clip is shown for a while after it is set, since a frame is decoded when it is due.
TEST_F(HostileMediaTest, NoClipBlocksTheWindowOrSwellsTheGame) {
    AnimationPlayer player;
    player.resize(225, 49);
    player.show();
    player.setMovie(folder->filePath(QStringLiteral("valid.swf")));
    ASSERT_TRUE(player.hasClip());
    longestStallMs(200);
    const qint64 atRest = residentBytes();

    for (const HostileMedia &clip : only(MediaKind::Clip)) {
        SCOPED_TRACE(clip.fileName.toStdString());
        resetPeakResident();
        EXPECT_LE(blockingMs([&] { player.setMovie(path(clip)); }), longestBlockMs);
        if (clip.outcome != Outcome::Either) {
            EXPECT_EQ(player.hasClip(), clip.outcome == Outcome::Plays);
        }
        qint64 stall = longestStallMs(120);
        if (stall > longestBlockMs)
            stall = longestStallMs(120);
        EXPECT_LE(stall, longestBlockMs);
        EXPECT_LE(peakResidentBytes(), memoryBound(atRest));
    }
}

} // namespace
