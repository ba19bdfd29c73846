#include "platform/sndfile_wave_player.h"
#include "support/event_waits.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sndfile.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int monitorRate = 8000;
constexpr int loud = 1000;

// A PulseAudio daemon of the test's own with one null sink, which the test can kill and start again at
// the same address, as a desktop's server goes away and comes back.
class PrivateSoundServer {
public:
    explicit PrivateSoundServer(const QString &folder) : folder(folder) {
        for (const char *sub : {"runtime", "home"})
            QDir(folder).mkpath(QLatin1String(sub));
    }
    ~PrivateSoundServer() { kill(); }

    QString address() const { return QStringLiteral("unix:") + socket(); }

    bool start() {
        QFile::remove(socket());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), folder + QStringLiteral("/home"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/home/config"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder + QStringLiteral("/runtime"));
        environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), folder + QStringLiteral("/runtime/pulse"));
        environment.insert(QStringLiteral("PULSE_STATE_PATH"), folder + QStringLiteral("/home/state"));
        daemon.setProcessEnvironment(environment);
        daemon.setStandardOutputFile(folder + QStringLiteral("/daemon.out"));
        daemon.setStandardErrorFile(folder + QStringLiteral("/daemon.out"));
        daemon.start(QStringLiteral("pulseaudio"),
                     {"--daemonize=no", "--exit-idle-time=-1", "--disallow-exit", "--realtime=no",
                      "--high-priority=no", "--use-pid-file=no", "-n", "--log-target=stderr",
                      "--load=module-null-sink sink_name=corvane_null",
                      "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket()});
        if (!daemon.waitForStarted())
            return false;
        return waitUntil([this] { return pactl({"set-default-sink", "corvane_null"}); });
    }

    void kill() {
        if (daemon.state() == QProcess::NotRunning)
            return;
        daemon.kill();
        daemon.waitForFinished();
    }

    bool pactl(const QStringList &arguments) const {
        QProcess process;
        process.start(QStringLiteral("pactl"), QStringList{"-s", address()} + arguments);
        return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

private:
    QString socket() const { return folder + QStringLiteral("/native"); }

    QString folder;
    QProcess daemon;
};

// Records what the server's null sink plays, from its monitor.
class Listener {
public:
    ~Listener() {
        parec.kill();
        parec.waitForFinished();
    }

    bool start(const QString &server) {
        QObject::connect(&parec, &QProcess::readyReadStandardOutput,
                         [this] { data += parec.readAllStandardOutput(); });
        parec.start(QStringLiteral("parec"), {"-s", server, "--raw", "--format=s16le", "--channels=1",
                                              QStringLiteral("--rate=%1").arg(monitorRate),
                                              "--latency-msec=20", "--device=corvane_null.monitor"});
        return parec.waitForStarted() && waitUntil([this] { return data.size() > 0; });
    }

    qsizetype size() const { return data.size() / 2; }

    bool hearsSoundAfter(qsizetype from, int ms) {
        return waitUntil(
            [&] {
                for (qsizetype i = from; i < size(); ++i)
                    if (std::abs(qFromLittleEndian<qint16>(data.constData() + 2 * i)) > loud)
                        return true;
                return false;
            },
            ms);
    }

private:
    QProcess parec;
    QByteArray data;
};

bool writeTone(const QString &path, double seconds) {
    SF_INFO info{};
    info.samplerate = 22050;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE *)> file(
        sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info), sf_close);
    if (!file)
        return false;
    std::vector<double> samples(std::size_t(seconds * info.samplerate));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = 0.5 * std::sin(2 * M_PI * 440 * double(i) / info.samplerate);
    return sf_write_double(file.get(), samples.data(), sf_count_t(samples.size())) ==
           sf_count_t(samples.size());
}

// Each test points the game at a server of its own through PULSE_SERVER, which libpulse reads whenever a
// connection is made.
class SoundServerLossTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QStringList missing;
        for (const QString tool : {"pulseaudio", "pactl", "parec"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                missing << tool;
        if (!missing.isEmpty()) {
            const std::string why = "Not installed: " + missing.join(' ').toStdString();
            if (qEnvironmentVariableIsSet("CORVANE_REQUIRE_AUDIO"))
                FAIL() << why;
            GTEST_SKIP() << why;
        }
        previousServer = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", server.address().toUtf8());
        ASSERT_TRUE(writeTone(longTone, 3.0) && writeTone(shortTone, 0.3));
    }
    void TearDown() override { qputenv("PULSE_SERVER", previousServer); }

    // Plays the tone until the server is heard playing it; the first tries may meet a connection the
    // player has yet to find broken.
    bool playsAgain() {
        Listener ear;
        if (!ear.start(server.address()))
            return false;
        for (int attempt = 0; attempt < 10; ++attempt) {
            const qsizetype before = ear.size();
            if (player.play(shortTone) != 0 && ear.hearsSoundAfter(before, 1500))
                return true;
        }
        return false;
    }

    // A cue never holds the event thread: not while the server is gone, nor while it is stalled.
    qint64 playMs(const QString &tone) {
        QElapsedTimer timer;
        timer.start();
        EXPECT_NE(player.play(tone), 0);
        return timer.elapsed();
    }

    QTemporaryDir dir;
    PrivateSoundServer server{dir.path()};
    QString longTone = dir.filePath(QStringLiteral("long.wav"));
    QString shortTone = dir.filePath(QStringLiteral("short.wav"));
    QByteArray previousServer;
    SndfileWavePlayer player;
};

TEST_F(SoundServerLossTest, ServerKilledInTheMiddleOfASoundAndStartedAgain) {
    ASSERT_TRUE(server.start());
    {
        Listener ear;
        ASSERT_TRUE(ear.start(server.address()));
        ASSERT_NE(player.play(longTone), 0);
        ASSERT_TRUE(ear.hearsSoundAfter(0, 5000));
        server.kill();
    }
    for (int cue = 0; cue < 5; ++cue) {
        EXPECT_LE(playMs(cue % 2 ? shortTone : longTone), 100);
        runEventsFor(50);
    }

    ASSERT_TRUE(server.start());
    EXPECT_TRUE(playsAgain());
}

TEST_F(SoundServerLossTest, NoServerAtAllThenOneAppears) {
    for (int cue = 0; cue < 5; ++cue) {
        EXPECT_LE(playMs(shortTone), 100);
        runEventsFor(50);
    }
    const int startedWithoutServer = player.streamsStarted();

    ASSERT_TRUE(server.start());
    EXPECT_TRUE(playsAgain());
    EXPECT_EQ(startedWithoutServer, 0);
    EXPECT_GT(player.streamsStarted(), 0);
}

// A process starved of processor time (stopped for 300 ms, let run for 200 ms, over and over) while cues
// start, cut each other off and finish, the way a busy desktop can treat a game.
TEST_F(SoundServerLossTest, StarvedProcessKeepsItsSound) {
    ASSERT_TRUE(server.start());
    QProcess starver;
    const QString loop = QStringLiteral("while kill -STOP %1; do sleep 0.3; kill -CONT %1; sleep 0.2; done")
                             .arg(QCoreApplication::applicationPid());
    starver.start(QStringLiteral("sh"), {QStringLiteral("-c"), loop});
    ASSERT_TRUE(starver.waitForStarted());
    QElapsedTimer starving;
    starving.start();
    for (int cue = 0; starving.elapsed() < 12000; ++cue) {
        player.play(cue % 3 ? shortTone : longTone);
        runEventsFor(20 + 37 * (cue % 5));
    }
    starver.kill();
    starver.waitForFinished();
    ::kill(::getpid(), SIGCONT);

    EXPECT_TRUE(playsAgain());
}

} // namespace
