#include "platform/sndfile_wave_player.h"

#include "platform/media_file.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <optional>
#include <sndfile.h>
#include <vector>

namespace {

// Allowance for the output's own latency beyond what the sink reports as played.
constexpr int drainMarginMs = 100;

// Interleaved signed 16-bit samples, the one shape every sound is brought to before it is played.
struct Pcm {
    std::vector<qint16> samples;
    int channels = 0;
    int sampleRate = 0;

    qsizetype frames() const { return qsizetype(samples.size()) / channels; }
};

struct SndfileCloser {
    void operator()(SNDFILE *file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

qint16 toInt16(float value) {
    if (std::isnan(value))
        return 0;
    // Scaling by 32768 and clipping gives back 16-bit input exactly; float input may exceed full scale.
    return qint16(std::clamp(std::lrint(double(value) * 32768.0), -32768L, 32767L));
}

// Read as float, libsndfile brings every encoding to one scale. Read as short, a floating-point file
// comes back silent unless rescaled to its own peak, which would change how loud it is.
std::vector<qint16> readAllAs16Bit(SNDFILE *file, int channels) {
    constexpr sf_count_t chunkFrames = 4096;
    std::vector<float> chunk(std::size_t(chunkFrames * channels));
    std::vector<qint16> samples;
    sf_count_t got = 0;
    while ((got = sf_readf_float(file, chunk.data(), chunkFrames)) > 0)
        std::transform(chunk.begin(), chunk.begin() + got * channels, std::back_inserter(samples), toInt16);
    return samples;
}

// The file is opened, read whole and closed here, so that nothing holds it while the sound plays.
std::optional<Pcm> decodeWave(const QString &fileName) {
    if (fileName.isEmpty())
        return std::nullopt;
    SF_INFO info{};
    const SndfileHandle file(sf_open(QFile::encodeName(fileName).constData(), SFM_READ, &info));
    if (!file || info.channels < 1 || info.samplerate < 1 || info.frames < 1)
        return std::nullopt;
    Pcm pcm{readAllAs16Bit(file.get(), info.channels), info.channels, info.samplerate};
    if (pcm.samples.empty())
        return std::nullopt;
    return pcm;
}

QAudioFormat formatOf(const Pcm &pcm) {
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Int16);
    format.setChannelCount(pcm.channels);
    format.setSampleRate(pcm.sampleRate);
    return format;
}

// Mono is spread to every channel and anything wider is averaged down to mono; between other layouts
// the channels that exist on both sides are kept in order and the rest left silent.
Pcm remix(const Pcm &pcm, int channels) {
    if (channels == pcm.channels)
        return pcm;
    Pcm out{std::vector<qint16>(std::size_t(pcm.frames() * channels)), channels, pcm.sampleRate};
    for (qsizetype frame = 0; frame < pcm.frames(); ++frame) {
        const qint16 *in = pcm.samples.data() + frame * pcm.channels;
        qint16 *mixed = out.samples.data() + frame * channels;
        if (channels == 1) {
            const int sum = std::accumulate(in, in + pcm.channels, 0);
            mixed[0] = qint16(sum / pcm.channels);
            continue;
        }
        for (int channel = 0; channel < channels; ++channel)
            mixed[channel] = pcm.channels == 1 ? in[0] : channel < pcm.channels ? in[channel] : 0;
    }
    return out;
}

// Linear interpolation: plain enough for short cues, and it neither clicks nor shifts the pitch.
Pcm resample(const Pcm &pcm, int sampleRate) {
    if (sampleRate == pcm.sampleRate)
        return pcm;
    const qsizetype inFrames = pcm.frames();
    const qsizetype outFrames =
        std::max<qsizetype>(1, qsizetype(qint64(inFrames) * sampleRate / pcm.sampleRate));
    Pcm out{std::vector<qint16>(std::size_t(outFrames * pcm.channels)), pcm.channels, sampleRate};
    const double step = double(pcm.sampleRate) / sampleRate;
    for (qsizetype frame = 0; frame < outFrames; ++frame) {
        const double position = frame * step;
        const qsizetype before = std::min(qsizetype(position), inFrames - 1);
        const qsizetype after = std::min(before + 1, inFrames - 1);
        const double weight = position - double(before);
        for (int channel = 0; channel < pcm.channels; ++channel) {
            const double a = pcm.samples[std::size_t(before * pcm.channels + channel)];
            const double b = pcm.samples[std::size_t(after * pcm.channels + channel)];
            out.samples[std::size_t(frame * pcm.channels + channel)] =
                qint16(std::lrint(a + (b - a) * weight));
        }
    }
    return out;
}

// Most outputs take any rate and layout; one that does not gets the sound in the shape it prefers,
// still as 16-bit samples. Whether it takes even that is found out when the sink starts.
Pcm fitToDevice(const Pcm &pcm, const QAudioDevice &device) {
    if (device.isFormatSupported(formatOf(pcm)))
        return pcm;
    const QAudioFormat preferred = device.preferredFormat();
    return resample(remix(pcm, preferred.channelCount()), preferred.sampleRate());
}

QByteArray bytesOf(const Pcm &pcm) {
    return QByteArray(reinterpret_cast<const char *>(pcm.samples.data()),
                      qsizetype(pcm.samples.size() * sizeof(qint16)));
}

} // namespace

SndfileWavePlayer::SndfileWavePlayer(QObject *parent) : QObject(parent) {}

SndfileWavePlayer::~SndfileWavePlayer() {
    stopCurrent();
}

int SndfileWavePlayer::play(const QString &path) {
    // Like the system call this replaces, a new request silences the old sound even when it fails itself.
    stopCurrent();
    const std::optional<Pcm> decoded = decodeWave(locateMediaFile(path));
    if (!decoded) {
        QApplication::beep();
        return 0;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return 0;
    const Pcm fitted = fitToDevice(*decoded, device);
    return startSink(device, formatOf(fitted), bytesOf(fitted)) ? 1 : 0;
}

bool SndfileWavePlayer::startSink(const QAudioDevice &device, const QAudioFormat &format,
                                  const QByteArray &pcm) {
    samples = std::make_unique<QBuffer>();
    samples->setData(pcm);
    samples->open(QIODevice::ReadOnly);
    sink = std::make_unique<QAudioSink>(device, format);
    sink->start(samples.get());
    if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState) {
        stopCurrent();
        return false;
    }
    // Watched only once started, so that a sink failing inside start() is not released twice.
    connect(sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState)
            releaseWhenDrained();
        else if (state == QAudio::StoppedState)
            releaseFinished();
    });
    return true;
}

void SndfileWavePlayer::stopCurrent() {
    if (!sink)
        return;
    sink->disconnect(this);
    sink->stop();
    sink.reset();
    samples.reset();
}

// The sink goes idle once it has handed the last samples to the sound server, which still has a
// buffer of them to play; closing the sink then would cut off the end of the sound. How far playback
// has got is known, so the sink is kept until the rest has been heard.
void SndfileWavePlayer::releaseWhenDrained() {
    const qint64 soundUs = sink->format().durationForBytes(qint32(samples->size()));
    const qint64 unplayedUs = std::clamp<qint64>(soundUs - sink->processedUSecs(), 0, soundUs);
    const int drainMs = int(unplayedUs / 1000) + drainMarginMs;
    QTimer::singleShot(drainMs, sink.get(), [this, idle = sink.get()] {
        if (sink.get() == idle)
            releaseFinished();
    });
}

// Runs from the sink's own signal or a timer tied to the sink, where deleting it would pull it out from
// under its caller; the event loop deletes it instead, and the samples it reads go with it.
void SndfileWavePlayer::releaseFinished() {
    if (!sink)
        return;
    sink->disconnect(this);
    QAudioSink *finished = sink.release();
    samples.release()->setParent(finished);
    finished->setParent(this);
    finished->deleteLater();
}
