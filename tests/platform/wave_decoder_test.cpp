#include "hostile_media.h"
#include "platform/media_handle.h"
#include "platform/wave_decoder.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <pulse/sample.h>
#include <sndfile.h>
#include <vector>

namespace {

using hostile::WaveFields;

class WaveDecoderTest : public ::testing::Test {
protected:
    MediaHandle write(const QByteArray &bytes) {
        const QString path = dir.filePath(QString::number(++files));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        return openMediaFile(path);
    }

    // A sound of `frames` frames, every sample at a quarter of full scale.
    MediaHandle sound(int sampleRate, int channels, sf_count_t frames) {
        const QString path = dir.filePath(QString::number(++files));
        SF_INFO info{};
        info.samplerate = sampleRate;
        info.channels = channels;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        {
            const std::unique_ptr<SNDFILE, int (*)(SNDFILE *)> file(
                sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info), sf_close);
            EXPECT_TRUE(file);
            const std::vector<float> samples(std::size_t(frames * channels), 0.25f);
            EXPECT_EQ(sf_writef_float(file.get(), samples.data(), frames), frames);
        }
        return openMediaFile(path);
    }

    static bool never() { return false; }

    QTemporaryDir dir;
    int files = 0;
};

TEST_F(WaveDecoderTest, HeaderTellsWhatTheServerCanTake) {
    struct Case {
        const char *what;
        QByteArray bytes;
        bool playable;
    };
    for (const Case &c : {
             Case{"16-bit mono", hostile::wave({}), true},
             Case{"data that claims 4 GB", hostile::wave({1, 1, 22050, 16, 0xFFFFFFF0u}), true},
             Case{"no frames", hostile::wave({1, 1, 22050, 16, 0}), false},
             Case{"no channels", hostile::wave({1, 0, 22050, 16, 4410}), false},
             // The limits are libpulse's own, which differ between its versions.
             Case{"as many channels as the server mixes",
                  hostile::wave({1, PA_CHANNELS_MAX, 22050, 16, 4410}), true},
             Case{"more channels than the server mixes",
                  hostile::wave({1, PA_CHANNELS_MAX + 1, 22050, 16, 4410}), false},
             Case{"the server's highest rate", hostile::wave({1, 1, PA_RATE_MAX, 16, 4410}), true},
             Case{"a rate beyond the server's", hostile::wave({1, 1, PA_RATE_MAX + 1, 16, 4410}), false},
             Case{"a picture", hostile::gif(8, 8, {{}}), false},
             Case{"nothing", QByteArray(), false},
         }) {
        const MediaHandle file = write(c.bytes);
        ASSERT_TRUE(file);
        EXPECT_EQ(probeWave(file.fd()).has_value(), c.playable) << c.what;
    }
}

TEST_F(WaveDecoderTest, TheGamesOwnSoundsArePlayable) {
    for (const char *name :
         {"whoosh.wav", "insurance.wav", "snore.wav", "hung-01.wav", "Explode.wav", "haha.wav", "clap.wav"}) {
        const MediaHandle file =
            openMediaFile(QStringLiteral(CORVANE_SOURCE_DIR "/media/") + QLatin1String(name));
        ASSERT_TRUE(file) << name;
        EXPECT_TRUE(probeWave(file.fd())) << name;
        EXPECT_TRUE(decodeWave(file.fd(), WaveLimits{}, never)) << name;
    }
}

TEST_F(WaveDecoderTest, HeaderBuriedBehindEndlessChunksIsNotSearchedFor) {
    QByteArray flood("RIFF\xff\xff\xff\x7fWAVE", 12);
    for (int i = 0; i < 200000; ++i)
        flood.append("junk\0\0\0\0", 8);
    const MediaHandle file = write(flood + hostile::wave({}).mid(12));
    EXPECT_FALSE(probeWave(file.fd()).has_value());
}

// Half a minute at most, and never more samples than the cap, however many channels share them.
TEST_F(WaveDecoderTest, DecodesUpToTheLengthAndMemoryLimits) {
    struct Case {
        const char *what;
        int rate, channels;
        sf_count_t frames;
        WaveLimits limits;
        qsizetype expectedFrames;
    };
    for (const Case &c : {
             Case{"shorter than both", 8000, 1, 4000, {2, 100000}, 4000},
             Case{"longer than the time limit", 8000, 1, 20000, {2, 100000}, 16000},
             Case{"more samples than allowed", 8000, 8, 4000, {2, 8000}, 1000},
         }) {
        const MediaHandle file = sound(c.rate, c.channels, c.frames);
        const std::optional<Pcm> pcm = decodeWave(file.fd(), c.limits, never);
        ASSERT_TRUE(pcm) << c.what;
        EXPECT_EQ(pcm->frames(), c.expectedFrames) << c.what;
        EXPECT_EQ(pcm->channels, c.channels) << c.what;
        EXPECT_EQ(pcm->sampleRate, c.rate) << c.what;
        EXPECT_EQ(pcm->samples.front(), 8192) << c.what;
    }
}

TEST_F(WaveDecoderTest, DecodingStopsWhenALaterSoundIsAskedFor) {
    const MediaHandle file = sound(8000, 1, 80000);
    int asked = 0;
    EXPECT_FALSE(decodeWave(file.fd(), WaveLimits{}, [&] { return ++asked > 3; }));
    EXPECT_EQ(asked, 4);
}

TEST(WaveSamples, FloatBecomesSixteenBitsClippedAndNaNSilent) {
    struct Case {
        float in;
        qint16 out;
    };
    for (const Case &c :
         {Case{0.0f, 0}, Case{0.5f, 16384}, Case{-1.0f, -32768}, Case{1.0f, 32767}, Case{7.5f, 32767},
          Case{-7.5f, -32768}, Case{std::numeric_limits<float>::quiet_NaN(), 0},
          Case{std::numeric_limits<float>::infinity(), 32767}})
        EXPECT_EQ(toInt16(c.in), c.out) << c.in;
}

} // namespace
