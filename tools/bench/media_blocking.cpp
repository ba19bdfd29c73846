// How long the hostile media hold the event thread: each sound handed to the wave player and each clip
// set on the clip player, timed, then the longest wait between two ticks of a fast timer while the clip
// plays. Prints the worst of each kind with its file, and exits 1 when one is over 100 ms, what a window
// may take and still feel alive. Run by tools/bench_media.sh.
#include "platform/animation_player.h"
#include "platform/sndfile_wave_player.h"
#include "tests/platform/hostile_media.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr qint64 longestBlockMs = 100;

struct Worst {
    const char *what;
    qint64 ms = 0;
    QString file;

    void offer(qint64 candidate, const QString &name) {
        if (candidate > ms) {
            ms = candidate;
            file = name;
        }
    }
};

qint64 blockingMs(const std::function<void()> &call) {
    QElapsedTimer timer;
    timer.start();
    call();
    return timer.elapsed();
}

// Lets the event loop run for `ms` and returns the longest wait between two ticks of a 5 ms timer.
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

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const std::vector<HostileMedia> corpus = writeHostileMedia(folder.path());

    Worst sound{"handing a sound to the wave player", 0, {}};
    Worst clip{"setting a clip", 0, {}};
    Worst playing{"the event thread's longest stall while a clip plays", 0, {}};
    SndfileWavePlayer wave;
    AnimationPlayer player;
    player.resize(225, 49);
    player.show();
    for (const HostileMedia &media : corpus) {
        const QString path = folder.filePath(media.fileName);
        if (media.kind == MediaKind::Sound) {
            sound.offer(blockingMs([&] { wave.play(path); }), media.fileName);
            while (wave.isReading())
                longestStallMs(10);
        } else {
            clip.offer(blockingMs([&] { player.setMovie(path); }), media.fileName);
            playing.offer(longestStallMs(120), media.fileName);
        }
    }

    bool missed = false;
    for (const Worst &worst : {sound, clip, playing}) {
        const bool ok = worst.ms <= longestBlockMs;
        missed = missed || !ok;
        std::printf("%-52s %4lld ms  %-6s %s\n", worst.what, static_cast<long long>(worst.ms),
                    ok ? "ok" : "MISSED", qPrintable(worst.file));
    }
    std::printf("(%zu files; the goal is %lld ms at most)\n", corpus.size(),
                static_cast<long long>(longestBlockMs));
    return missed ? 1 : 0;
}
