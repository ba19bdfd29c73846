#pragma once

#include "platform/wave_player.h"

#include <QObject>
#include <memory>

class QAudioDevice;
class QAudioFormat;
class QAudioSink;
class QBuffer;
class QByteArray;

// Decodes any common wave file with libsndfile (8, 16, 24-bit PCM, float; mono or stereo; any rate) and
// plays it through Qt Multimedia's default audio output. The file is read whole when played and not held.
class SndfileWavePlayer final : public QObject, public WavePlayer {
    Q_OBJECT

public:
    explicit SndfileWavePlayer(QObject *parent = nullptr);
    ~SndfileWavePlayer() override;

    int play(const QString &path) override;

private:
    bool startSink(const QAudioDevice &device, const QAudioFormat &format, const QByteArray &pcm);
    void stopCurrent();
    void releaseWhenDrained();
    void releaseFinished();

    std::unique_ptr<QAudioSink> sink;
    std::unique_ptr<QBuffer> samples;
};
