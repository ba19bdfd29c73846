#include "platform/sndfile_wave_player.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QAudioDevice>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr int monitorRate = 8000;
constexpr qint16 loud = 1000;
constexpr int waitLimitMs = 10000;

// Sleeps in the event loop, so that the sinks keep being fed while a test waits.
void pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs = waitLimitMs) {
    for (int waited = 0; !done(); waited += 20) {
        if (waited >= timeoutMs)
            return false;
        pause(20);
    }
    return true;
}

QString run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(waitLimitMs) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Whether the server holds a playback or recording stream opened by the given process.
bool serverHasStreamOf(const QString &kind, qint64 pid) {
    return run(QStringLiteral("pactl"), {QStringLiteral("list"), kind})
        .contains(QStringLiteral("application.process.id = \"%1\"").arg(pid));
}

// Hears what the default output plays by recording its sink's monitor, as mono 16-bit samples.
class MonitorRecorder {
public:
    ~MonitorRecorder() {
        parec.kill();
        parec.waitForFinished();
    }

    // The server takes a moment to deliver the first samples; only then is the recording live.
    bool start() {
        QObject::connect(&parec, &QProcess::readyReadStandardOutput, [this] { received += parec.readAllStandardOutput(); });
        parec.start(QStringLiteral("parec"), {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                                              QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(monitorRate),
                                              QStringLiteral("--latency-msec=20"), QStringLiteral("--device=@DEFAULT_MONITOR@")});
        return parec.waitForStarted() && waitUntil([this] { return samples() > 0; });
    }

    qsizetype samples() const { return received.size() / 2; }
    qint16 at(qsizetype index) const { return reinterpret_cast<const qint16 *>(received.constData())[index]; }

    bool waitForSound(qsizetype from) {
        return waitUntil([&] {
            for (qsizetype i = from; i < samples(); ++i)
                if (std::abs(at(i)) > loud)
                    return true;
            return false;
        });
    }

    bool waitForQuiet(qsizetype from, int quietMs) {
        const qsizetype wanted = quietMs * monitorRate / 1000;
        return waitUntil([&] {
            qsizetype run = 0;
            for (qsizetype i = from; i < samples() && run < wanted; ++i)
                run = std::abs(at(i)) > loud ? 0 : run + 1;
            return run >= wanted;
        });
    }

    // From the first loud sample after `from` to the last one.
    double soundSecondsSince(qsizetype from) const {
        qsizetype first = -1, last = -1;
        for (qsizetype i = from; i < samples(); ++i) {
            if (std::abs(at(i)) > loud) {
                first = first < 0 ? i : first;
                last = i;
            }
        }
        return first < 0 ? 0.0 : double(last - first) / monitorRate;
    }

private:
    QProcess parec;
    QByteArray received;
};

class WavePlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QString missing;
        for (const char *tool : {"pactl", "parec", "sox"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                missing += QStringLiteral(" %1 is not installed.").arg(QString::fromLatin1(tool));
        if (missing.isEmpty() && QMediaDevices::defaultAudioOutput().isNull())
            missing = QStringLiteral(" No sound server is reachable; run under tools/with_sound_server.sh.");
        if (missing.isEmpty())
            return;
        if (qEnvironmentVariableIsSet("CORVANE_REQUIRE_AUDIO"))
            FAIL() << "Audio is required:" << missing.toStdString();
        GTEST_SKIP() << missing.toStdString();
    }

    // A sine tone written by sox in the encoding given by its format options.
    QString tone(const QString &name, const QStringList &format, double seconds, double volume = 0.5) {
        const QString path = dir.filePath(name);
        QStringList arguments{QStringLiteral("-n")};
        arguments << format << path << QStringLiteral("synth") << QString::number(seconds) << QStringLiteral("sine")
                  << QStringLiteral("440") << QStringLiteral("vol") << QString::number(volume);
        EXPECT_EQ(QProcess::execute(QStringLiteral("sox"), arguments), 0) << name.toStdString();
        return path;
    }

    QTemporaryDir dir;
    SndfileWavePlayer player;
};

TEST_F(WavePlayerTest, EveryCommonEncodingIsHeardOnTheServer) {
    const struct {
        const char *what;
        QStringList format;
    } encodings[] = {
        {"8-bit mono 8 kHz", {"-r", "8000", "-e", "unsigned-integer", "-b", "8", "-c", "1"}},
        {"16-bit mono 22.05 kHz", {"-r", "22050", "-e", "signed-integer", "-b", "16", "-c", "1"}},
        {"24-bit stereo 96 kHz", {"-r", "96000", "-e", "signed-integer", "-b", "24", "-c", "2"}},
        {"32-bit float stereo 44.1 kHz", {"-r", "44100", "-e", "floating-point", "-b", "32", "-c", "2"}},
    };
    MonitorRecorder monitor;
    ASSERT_TRUE(monitor.start());
    for (const auto &encoding : encodings) {
        SCOPED_TRACE(encoding.what);
        const QString cue = tone(QString::fromLatin1(encoding.what) + QStringLiteral(".wav"), encoding.format, 0.4);
        // The previous cue has to have died away, or it would be taken for this one.
        ASSERT_TRUE(monitor.waitForQuiet(monitor.samples(), 200));

        const qsizetype before = monitor.samples();
        EXPECT_NE(player.play(cue), 0);
        EXPECT_TRUE(monitor.waitForSound(before));
    }
}

// The server still holds the end of a sound when the sink has handed over its last samples.
TEST_F(WavePlayerTest, SoundIsHeardToItsEnd) {
    const QString cue = tone(QStringLiteral("cue.wav"), {"-r", "22050", "-b", "16", "-c", "1"}, 0.4);
    MonitorRecorder monitor;
    ASSERT_TRUE(monitor.start());
    const qsizetype before = monitor.samples();

    ASSERT_NE(player.play(cue), 0);
    ASSERT_TRUE(monitor.waitForSound(before));
    ASSERT_TRUE(monitor.waitForQuiet(before + 1, 300));
    EXPECT_GT(monitor.soundSecondsSince(before), 0.36);
}

TEST_F(WavePlayerTest, LaterSoundCutsOffTheEarlierOne) {
    const QString longCue = tone(QStringLiteral("long.wav"), {"-r", "8000", "-b", "16", "-c", "1"}, 30);
    const QString shortCue = tone(QStringLiteral("short.wav"), {"-r", "8000", "-b", "16", "-c", "1"}, 0.2);
    MonitorRecorder monitor;
    ASSERT_TRUE(monitor.start());
    ASSERT_NE(player.play(longCue), 0);
    ASSERT_TRUE(monitor.waitForSound(0));

    const qsizetype cutAt = monitor.samples();
    EXPECT_NE(player.play(shortCue), 0);
    // Were the long tone still playing, there would be no quiet for another half a minute.
    EXPECT_TRUE(monitor.waitForQuiet(cutAt, 500));
}

TEST_F(WavePlayerTest, FinishedSoundGivesUpItsStream) {
    const QString cue = tone(QStringLiteral("cue.wav"), {"-r", "44100", "-b", "16", "-c", "2"}, 1);
    const QString playbacks = QStringLiteral("sink-inputs");
    const qint64 self = QCoreApplication::applicationPid();

    ASSERT_NE(player.play(cue), 0);
    ASSERT_TRUE(serverHasStreamOf(playbacks, self));
    EXPECT_TRUE(waitUntil([&] { return !serverHasStreamOf(playbacks, self); }));
}

TEST_F(WavePlayerTest, BackslashInTheBuiltPathIsADirectorySeparator) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("media")));
    tone(QStringLiteral("media/clap.wav"), {"-r", "22050", "-b", "16", "-c", "1"}, 0.1);

    EXPECT_NE(player.play(dir.path() + QStringLiteral("/media\\clap.wav")), 0);
}

// Refused before any audio device is involved, so this needs no sound server.
TEST(WavePlayerRefusal, UnreadableFileGivesZero) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    std::mt19937 noise(11);
    QByteArray randomBytes(8192, '\0');
    for (char &byte : randomBytes)
        byte = char(noise());
    // A complete header announcing PCM data, followed by none.
    QByteArray noFrames = QByteArray("RIFF") + QByteArray::fromHex("24000000") + "WAVEfmt " +
                          QByteArray::fromHex("10000000" "0100" "0100" "22560000" "44ac0000" "0200" "1000") + "data" +
                          QByteArray::fromHex("00000000");

    const struct {
        const char *what;
        QString path;
    } files[] = {
        {"missing", dir.filePath(QStringLiteral("missing.wav"))},
        {"empty", write(QStringLiteral("empty.wav"), {})},
        {"random bytes", write(QStringLiteral("noise.wav"), randomBytes)},
        {"no frames", write(QStringLiteral("silent.wav"), noFrames)},
    };
    SndfileWavePlayer player;
    for (const auto &file : files) {
        SCOPED_TRACE(file.what);
        EXPECT_EQ(player.play(file.path), 0);
    }
}

} // namespace
