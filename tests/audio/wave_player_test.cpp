#include "platform/sndfile_wave_player.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int monitorRate = 8000;
constexpr int loud = 1000;

// Waits in the event loop, so that the sink keeps being fed meanwhile.
bool waitUntil(const std::function<bool()> &done) {
    const QDeadlineTimer deadline(10000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

bool serverHasPlaybackFrom(qint64 pid) {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    pactl.waitForFinished();
    return pactl.readAllStandardOutput().contains(
        QStringLiteral("application.process.id = \"%1\"").arg(pid).toUtf8());
}

// Hears what the default output plays, by recording its sink's monitor as mono 16-bit samples.
class Monitor {
public:
    ~Monitor() {
        parec.kill();
        parec.waitForFinished();
    }

    // The server takes a while to deliver the first samples; only then is the recording live.
    bool start() {
        QObject::connect(&parec, &QProcess::readyReadStandardOutput,
                         [this] { data += parec.readAllStandardOutput(); });
        parec.start(QStringLiteral("parec"),
                    {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                     QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(monitorRate),
                     QStringLiteral("--latency-msec=20"), QStringLiteral("--device=@DEFAULT_MONITOR@")});
        return parec.waitForStarted() && waitUntil([this] { return size() > 0; });
    }

    qsizetype size() const { return data.size() / 2; }
    bool loudAt(qsizetype i) const {
        return std::abs(qFromLittleEndian<qint16>(data.constData() + 2 * i)) > loud;
    }

    // Where the first sound after `from` begins, or -1 if none comes.
    qsizetype waitForSound(qsizetype from) {
        qsizetype onset = -1;
        waitUntil([&] {
            for (onset = from; onset < size(); ++onset)
                if (loudAt(onset))
                    return true;
            onset = -1;
            return false;
        });
        return onset;
    }

    bool waitForQuiet(qsizetype from, int ms) {
        return waitUntil([&] {
            qsizetype quiet = 0;
            for (qsizetype i = from; i < size() && quiet < ms * monitorRate / 1000; ++i)
                quiet = loudAt(i) ? 0 : quiet + 1;
            return quiet >= ms * monitorRate / 1000;
        });
    }

    double secondsOfSoundFrom(qsizetype onset) const {
        qsizetype last = onset;
        for (qsizetype i = onset; i < size(); ++i)
            last = loudAt(i) ? i : last;
        return double(last - onset) / monitorRate;
    }

private:
    QProcess parec;
    QByteArray data;
};

class WavePlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QStringList problems;
        for (const QString tool : {"pactl", "parec", "sox"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                problems << tool + QStringLiteral(" is not installed.");
        if (QMediaDevices::defaultAudioOutput().isNull())
            problems << QStringLiteral("No sound server is reachable; run under tools/with_sound_server.sh.");
        if (problems.isEmpty())
            return;
        // A build machine must not pass quietly because its sound setup broke.
        if (qEnvironmentVariableIsSet("CORVANE_REQUIRE_AUDIO"))
            FAIL() << "CORVANE_REQUIRE_AUDIO is set, but: " << problems.join(' ').toStdString();
        GTEST_SKIP() << problems.join(' ').toStdString();
    }

    // A 440 Hz tone written by sox in the encoding its options give.
    QString tone(const QString &name, const QStringList &encoding, double seconds) {
        const QString path = dir.filePath(name);
        const QStringList arguments =
            QStringList{"-n"} + encoding +
            QStringList{path, "synth", QString::number(seconds), "sine", "440", "vol", "0.5"};
        EXPECT_EQ(QProcess::execute(QStringLiteral("sox"), arguments), 0) << name.toStdString();
        return path;
    }

    QTemporaryDir dir;
    SndfileWavePlayer player;
};

// The table builds its paths with a backslash before the file name.
TEST_F(WavePlayerTest, EveryCommonEncodingIsHeardOnTheServer) {
    const struct {
        const char *name;
        QStringList encoding;
    } cues[] = {
        {"8-bit mono 8kHz.wav", {"-r", "8000", "-e", "unsigned-integer", "-b", "8", "-c", "1"}},
        {"16-bit mono 22kHz.wav", {"-r", "22050", "-e", "signed-integer", "-b", "16", "-c", "1"}},
        {"24-bit stereo 96kHz.wav", {"-r", "96000", "-e", "signed-integer", "-b", "24", "-c", "2"}},
        {"float stereo 44kHz.wav", {"-r", "44100", "-e", "floating-point", "-b", "32", "-c", "2"}},
    };
    Monitor monitor;
    ASSERT_TRUE(monitor.start());
    for (const auto &cue : cues) {
        SCOPED_TRACE(cue.name);
        tone(cue.name, cue.encoding, 0.4);
        // The previous cue has to have died away, or it would be taken for this one.
        ASSERT_TRUE(monitor.waitForQuiet(monitor.size(), 200));

        const qsizetype before = monitor.size();
        EXPECT_NE(player.play(dir.path() + '\\' + cue.name), 0);
        EXPECT_GE(monitor.waitForSound(before), 0);
    }
}

// When the sink has handed over its last samples, the server still holds the end of the sound.
TEST_F(WavePlayerTest, SoundIsHeardToItsEnd) {
    const QString cue = tone("cue.wav", {"-r", "22050", "-b", "16", "-c", "1"}, 0.4);
    Monitor monitor;
    ASSERT_TRUE(monitor.start());

    ASSERT_NE(player.play(cue), 0);
    const qsizetype onset = monitor.waitForSound(0);
    ASSERT_GE(onset, 0);
    ASSERT_TRUE(monitor.waitForQuiet(onset, 300));
    // The tone's edges lose a few milliseconds; an end lost with the sink's buffer is far more.
    EXPECT_GT(monitor.secondsOfSoundFrom(onset), 0.34);
}

TEST_F(WavePlayerTest, LaterSoundCutsOffTheEarlierOne) {
    const QString longCue = tone("long.wav", {"-r", "8000", "-b", "16", "-c", "1"}, 30);
    const QString shortCue = tone("short.wav", {"-r", "8000", "-b", "16", "-c", "1"}, 0.2);
    Monitor monitor;
    ASSERT_TRUE(monitor.start());
    ASSERT_NE(player.play(longCue), 0);
    ASSERT_GE(monitor.waitForSound(0), 0);

    const qsizetype cut = monitor.size();
    EXPECT_NE(player.play(shortCue), 0);
    // Were the long tone still playing, there would be no quiet for half a minute.
    EXPECT_TRUE(monitor.waitForQuiet(cut, 500));
}

TEST_F(WavePlayerTest, FinishedSoundGivesUpItsStream) {
    const QString cue = tone("cue.wav", {"-r", "44100", "-b", "16", "-c", "2"}, 1);
    const qint64 self = QCoreApplication::applicationPid();

    ASSERT_NE(player.play(cue), 0);
    ASSERT_TRUE(serverHasPlaybackFrom(self));
    EXPECT_TRUE(waitUntil([&] { return !serverHasPlaybackFrom(self); }));
}

// Refused before any audio device is involved, so this needs no sound server.
TEST(WavePlayerRefusal, UnreadableFileGivesZero) {
    QTemporaryDir dir;
    const auto write = [&](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    };
    QByteArray noise(8192, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char(i * 7919 % 251);
    // RIFF, WAVE, a "fmt " chunk for 16-bit mono PCM at 22050 Hz, and an empty "data" chunk.
    const QByteArray noFrames = QByteArray::fromHex("52494646 24000000 57415645 666d7420 10000000 0100 0100 "
                                                    "22560000 44ac0000 0200 1000 64617461 00000000");

    SndfileWavePlayer player;
    for (const QString &path : {dir.filePath("missing.wav"), write("empty.wav", {}),
                                write("noise.wav", noise), write("silent.wav", noFrames)}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(player.play(path), 0);
    }
}

} // namespace
