#include "corvane_version.h"
#include "platform/sndfile_wave_player.h"
#include "support/event_waits.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>
#include <sndfile.h>
#include <vector>

namespace {

constexpr int monitorRate = 8000;
constexpr int loud = 1000;

// How a test tone is stored: a WAVE file at this rate, with this many channels and this sample format.
struct Encoding {
    int sampleRate;
    int channels;
    int sampleFormat; // an SF_FORMAT_PCM_* or SF_FORMAT_FLOAT subtype
};

// A 440 Hz sine at half of full scale: far above what the monitor counts as loud, and clear of clipping
// in every sample format.
bool writeTone(const QString &path, const Encoding &encoding, double seconds) {
    SF_INFO info{};
    info.samplerate = encoding.sampleRate;
    info.channels = encoding.channels;
    info.format = SF_FORMAT_WAV | encoding.sampleFormat;
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE *)> file(
        sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info), sf_close);
    if (!file)
        return false;
    const auto frames = sf_count_t(std::lround(seconds * encoding.sampleRate));
    std::vector<double> samples(frames * encoding.channels);
    for (sf_count_t frame = 0; frame < frames; ++frame) {
        const double value = 0.5 * std::sin(2 * std::numbers::pi * 440 * double(frame) / encoding.sampleRate);
        for (int channel = 0; channel < encoding.channels; ++channel)
            samples[frame * encoding.channels + channel] = value;
    }
    return sf_writef_double(file.get(), samples.data(), frames) == frames;
}

bool serverAnswers() {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    return pactl.waitForFinished() && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
}

// The server's description of the stream that the process plays, or nothing when it plays none.
QString playbackFrom(qint64 pid) {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    pactl.waitForFinished();
    const QString ours = QStringLiteral("application.process.id = \"%1\"").arg(pid);
    for (const QString &input :
         QString::fromUtf8(pactl.readAllStandardOutput()).split(QStringLiteral("Sink Input #")))
        if (input.contains(ours))
            return input;
    return {};
}

bool serverHasPlaybackFrom(qint64 pid) {
    return !playbackFrom(pid).isEmpty();
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
        for (const QString tool : {"pactl", "parec"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                problems << tool + QStringLiteral(" is not installed.");
        if (problems.isEmpty() && !serverAnswers())
            problems << QStringLiteral("No sound server is reachable; run under tools/with_sound_server.sh.");
        if (problems.isEmpty())
            return;
        // A build machine must not pass quietly because its sound setup broke.
        if (qEnvironmentVariableIsSet("CORVANE_REQUIRE_AUDIO"))
            FAIL() << "CORVANE_REQUIRE_AUDIO is set, but: " << problems.join(' ').toStdString();
        GTEST_SKIP() << problems.join(' ').toStdString();
    }

    QString tone(const QString &name, const Encoding &encoding, double seconds) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeTone(path, encoding, seconds)) << name.toStdString() << ": " << sf_strerror(nullptr);
        return path;
    }

    QTemporaryDir dir;
    SndfileWavePlayer player;
};

// The table builds its paths with a backslash before the file name.
TEST_F(WavePlayerTest, EveryCommonEncodingIsHeardOnTheServer) {
    const struct {
        const char *name;
        Encoding encoding;
    } cues[] = {
        {"8-bit mono 8kHz.wav", {8000, 1, SF_FORMAT_PCM_U8}},
        {"16-bit mono 22kHz.wav", {22050, 1, SF_FORMAT_PCM_16}},
        {"24-bit stereo 96kHz.wav", {96000, 2, SF_FORMAT_PCM_24}},
        {"float stereo 44kHz.wav", {44100, 2, SF_FORMAT_FLOAT}},
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
    const QString cue = tone("cue.wav", {22050, 1, SF_FORMAT_PCM_16}, 0.4);
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
    const QString longCue = tone("long.wav", {8000, 1, SF_FORMAT_PCM_16}, 30);
    const QString shortCue = tone("short.wav", {8000, 1, SF_FORMAT_PCM_16}, 0.2);
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
    const QString cue = tone("cue.wav", {44100, 2, SF_FORMAT_PCM_16}, 1);
    const qint64 self = QCoreApplication::applicationPid();

    ASSERT_NE(player.play(cue), 0);
    // The file is decoded and the stream made on the player's own thread, a moment after play() returns.
    ASSERT_TRUE(waitUntil([&] { return serverHasPlaybackFrom(self); }));
    EXPECT_TRUE(waitUntil([&] { return !serverHasPlaybackFrom(self); }));
}

// A desktop's mixer names the stream after the game and matches it to the launcher and its icon.
TEST_F(WavePlayerTest, StreamTellsTheDesktopWhoPlaysIt) {
    const QString cue = tone("cue.wav", {44100, 2, SF_FORMAT_PCM_16}, 1);
    const qint64 self = QCoreApplication::applicationPid();

    ASSERT_NE(player.play(cue), 0);
    ASSERT_TRUE(waitUntil([&] { return serverHasPlaybackFrom(self); }));
    const QString stream = playbackFrom(self);
    const QString launcher = QString::fromLatin1(corvaneDesktopId);
    for (const QString &property :
         {QStringLiteral("application.name = \"Corvane\""), "application.id = \"" + launcher + '"',
          "application.icon_name = \"" + launcher + '"', QStringLiteral("media.role = \"game\"")})
        EXPECT_TRUE(stream.contains(property)) << property.toStdString() << " not in\n"
                                               << stream.toStdString();
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
