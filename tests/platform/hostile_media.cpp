#include "hostile_media.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>
#include <memory>
#include <pulse/sample.h>
#include <sndfile.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace hostile {

namespace {

void put16(QByteArray &bytes, quint16 value) {
    bytes.append(char(value & 0xff)).append(char(value >> 8));
}

void put32(QByteArray &bytes, quint32 value) {
    put16(bytes, quint16(value & 0xffff));
    put16(bytes, quint16(value >> 16));
}

// LZW with every pixel sent as a literal and a clear code before the table could grow: valid, if large.
// Minimum code size 2, so codes are 3 bits wide: clear is 4, end is 5, and two literals fill the table
// up to 6 before the next clear.
QByteArray literalLzw(int pixels, quint8 colour) {
    QByteArray packed;
    quint32 bits = 0;
    int bitCount = 0;
    const auto code = [&](quint32 value) {
        bits |= value << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            packed.append(char(bits & 0xff));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    for (int pixel = 0; pixel < pixels; ++pixel) {
        if (pixel % 2 == 0)
            code(4);
        code(colour);
    }
    code(5);
    if (bitCount > 0)
        packed.append(char(bits & 0xff));
    return packed;
}

QByteArray subBlocks(const QByteArray &data) {
    QByteArray blocks;
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray piece = data.mid(at, 255);
        blocks.append(char(piece.size())).append(piece);
    }
    return blocks.append('\0');
}

} // namespace

QByteArray wave(const WaveFields &fields) {
    const quint16 blockAlign = quint16(fields.channels * ((fields.bitsPerSample + 7) / 8));
    QByteArray bytes("RIFF");
    put32(bytes, 36 + fields.dataBytes);
    bytes.append("WAVEfmt ");
    put32(bytes, 16);
    put16(bytes, fields.formatTag);
    put16(bytes, fields.channels);
    put32(bytes, fields.sampleRate);
    put32(bytes, fields.sampleRate * blockAlign);
    put16(bytes, blockAlign);
    put16(bytes, fields.bitsPerSample);
    bytes.append("data");
    put32(bytes, fields.dataBytes);
    return bytes.append(QByteArray(qsizetype(std::min<quint32>(fields.dataBytes, 1 << 20)), '\0'));
}

QByteArray gif(quint16 width, quint16 height, const std::vector<GifFrame> &frames, bool loopForever) {
    QByteArray bytes("GIF89a");
    put16(bytes, width);
    put16(bytes, height);
    // A global table of two colours (flag, one bit of depth), background 0, no aspect ratio.
    bytes.append(char(0x80)).append('\0').append('\0');
    bytes.append(QByteArray::fromHex("ff0000"
                                     "0000ff"));
    if (loopForever)
        bytes.append(QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" +
                     QByteArray::fromHex("03010000"
                                         "00"));
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const GifFrame &frame = frames[i];
        bytes.append(QByteArray::fromHex("21f904"));
        bytes.append('\0');
        put16(bytes, frame.delayCentiseconds);
        bytes.append('\0').append('\0');
        bytes.append(char(0x2c));
        put16(bytes, frame.left);
        put16(bytes, frame.top);
        put16(bytes, frame.width);
        put16(bytes, frame.height);
        bytes.append('\0').append(char(2));
        // A frame larger than a few thousand pixels is cut short, as a bomb's would be: its size is the
        // point.
        bytes.append(subBlocks(literalLzw(std::min(frame.width * frame.height, 4096), quint8(i % 2))));
    }
    return bytes.append(char(0x3b));
}

QByteArray overfedGif(int dataBlocks) {
    QByteArray overfed = gif(16, 16, {});
    overfed.chop(1);
    // An image descriptor for one pixel at the corner, then a minimum code size of 2.
    overfed.append(QByteArray::fromHex("2c00000000010001000002"));
    for (int block = 0; block < dataBlocks; ++block)
        overfed.append(char(255)).append(QByteArray(255, '\0'));
    overfed.append('\0').append(char(0x3b));
    return overfed;
}

} // namespace hostile

namespace {

using hostile::GifFrame;
using hostile::WaveFields;

class CorpusWriter {
public:
    explicit CorpusWriter(const QString &folder) : folder(folder) {}

    QString path(const QString &name) const { return QDir(folder).filePath(name); }

    void bytes(const QString &name, MediaKind kind, Outcome outcome, const QByteArray &content) {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        add(name, kind, outcome);
    }

    // The content, then a hole up to `totalBytes` that reads as zeros and takes no disk.
    void sparse(const QString &name, MediaKind kind, Outcome outcome, const QByteArray &content,
                qint64 totalBytes) {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(content);
            file.resize(totalBytes);
        }
        add(name, kind, outcome);
    }

    // A tone written by libsndfile in one of the encodings a player's own files come in.
    void encoded(const QString &name, int format, int sampleRate, int channels, double seconds) {
        SF_INFO info{};
        info.samplerate = sampleRate;
        info.channels = channels;
        info.format = format;
        const std::unique_ptr<SNDFILE, int (*)(SNDFILE *)> file(
            sf_open(QFile::encodeName(path(name)).constData(), SFM_WRITE, &info), sf_close);
        if (file) {
            const auto frames = sf_count_t(seconds * sampleRate);
            std::vector<float> samples(std::size_t(frames * channels));
            for (std::size_t i = 0; i < samples.size(); ++i)
                samples[i] = (i / std::size_t(channels)) % 40 < 20 ? 0.4f : -0.4f;
            sf_writef_float(file.get(), samples.data(), frames);
        }
        add(name, MediaKind::Sound, Outcome::Plays);
    }

    // A file system that cannot hold the non-file (sockets, say) leaves its case out.
    void special(const QString &name, MediaKind kind, const std::function<bool(const QByteArray &)> &make) {
        if (make(QFile::encodeName(path(name))))
            add(name, kind, Outcome::Refused);
    }

    std::vector<HostileMedia> cases;

private:
    void add(const QString &name, MediaKind kind, Outcome outcome) { cases.push_back({name, kind, outcome}); }

    QString folder;
};

QByteArray randomBytes(qsizetype size, quint32 seed) {
    QRandomGenerator generator(seed);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// A WAVE file whose header says `fields` and whose data is all there.
QByteArray validWave() {
    return hostile::wave(WaveFields{});
}

void writeSounds(CorpusWriter &corpus) {
    const auto sound = [&](const QString &name, Outcome outcome, const QByteArray &content) {
        corpus.bytes(name, MediaKind::Sound, outcome, content);
    };
    sound("empty.wav", Outcome::Refused, {});
    sound("noise-1k.wav", Outcome::Refused, randomBytes(1024, 1));
    sound("noise-64k.wav", Outcome::Refused, randomBytes(65536, 2));
    sound("riff-then-noise.wav", Outcome::Refused, "RIFF" + randomBytes(4096, 3));
    sound("valid.wav", Outcome::Plays, validWave());
    // Cut short at every byte of the header and a little into the samples.
    const QByteArray whole = validWave();
    for (int length = 1; length <= 48; ++length)
        sound(QStringLiteral("cut-at-%1.wav").arg(length, 2, 10, QLatin1Char('0')),
              length > 45 ? Outcome::Plays : Outcome::Either, whole.left(length));

    // Fields that lie.
    struct Lie {
        const char *name;
        WaveFields fields;
        Outcome outcome;
    };
    for (const Lie &lie : {
             Lie{"data-claims-4GB.wav", {1, 1, 22050, 16, 0xFFFFFFF0u}, Outcome::Plays},
             Lie{"no-channels.wav", {1, 0, 22050, 16, 4410}, Outcome::Refused},
             Lie{"65535-channels.wav", {1, 65535, 22050, 16, 4410}, Outcome::Either},
             Lie{"channels-beyond-the-server.wav",
                 {1, PA_CHANNELS_MAX + 1, 22050, 16, 4410},
                 Outcome::Refused},
             Lie{"rate-0.wav", {1, 1, 0, 16, 4410}, Outcome::Refused},
             Lie{"rate-4G.wav", {1, 1, 0xFFFFFFFFu, 16, 4410}, Outcome::Refused},
             Lie{"rate-beyond-the-server.wav", {1, 1, PA_RATE_MAX + 1, 16, 4410}, Outcome::Refused},
             Lie{"rate-1.wav", {1, 1, 1, 16, 4410}, Outcome::Either},
             Lie{"bits-0.wav", {1, 1, 22050, 0, 4410}, Outcome::Either},
             Lie{"bits-7.wav", {1, 1, 22050, 7, 4410}, Outcome::Either},
             Lie{"bits-65535.wav", {1, 1, 22050, 65535, 4410}, Outcome::Either},
             Lie{"unknown-format.wav", {0x1234, 1, 22050, 16, 4410}, Outcome::Refused},
             Lie{"no-data.wav", {1, 1, 22050, 16, 0}, Outcome::Refused},
         })
        sound(lie.name, lie.outcome, hostile::wave(lie.fields));

    QByteArray riffClaims4GB = validWave();
    qToLittleEndian<quint32>(0xFFFFFFFFu, riffClaims4GB.data() + 4);
    sound("riff-claims-4GB.wav", Outcome::Either, riffClaims4GB);
    QByteArray hugeFmt = validWave();
    qToLittleEndian<quint32>(0xFFFFFFF0u, hugeFmt.data() + 16);
    sound("fmt-claims-4GB.wav", Outcome::Either, hugeFmt);

    // Thousands of tiny chunks before the format, to keep a header parser walking.
    QByteArray flood("RIFF\xff\xff\xff\x7fWAVE", 12);
    for (int i = 0; i < 200000; ++i)
        flood.append("junk\0\0\0\0", 8);
    sound("chunk-flood.wav", Outcome::Either, flood + validWave().mid(12));
    QByteArray floodAfter = validWave();
    for (int i = 0; i < 200000; ++i)
        floodAfter.append("junk\0\0\0\0", 8);
    sound("chunk-flood-after-data.wav", Outcome::Either, floodAfter);

    sound("really-a-gif.wav", Outcome::Refused, hostile::gif(20, 10, {GifFrame{0, 0, 20, 10}}));
    // Twenty minutes of stereo, mostly a hole: plays its first half minute.
    corpus.sparse("200MB.wav", MediaKind::Sound, Outcome::Plays,
                  hostile::wave({1, 2, 44100, 16, 200u * 1000 * 1000}).left(44), 200ll * 1000 * 1000 + 44);

    corpus.encoded("u8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 8000, 1, 0.3);
    corpus.encoded("24-bit.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 44100, 1, 0.3);
    corpus.encoded("float.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 44100, 2, 0.3);
    corpus.encoded("ima-adpcm.wav", SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM, 22050, 1, 0.3);
    corpus.encoded("ms-adpcm.wav", SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM, 22050, 2, 0.3);
    corpus.encoded("mu-law.wav", SF_FORMAT_WAV | SF_FORMAT_ULAW, 8000, 1, 0.3);
    corpus.encoded("96k-stereo.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 96000, 2, 0.3);
    corpus.encoded("8-channels.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, 8, 0.3);
    corpus.encoded("aiff.wav", SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 22050, 1, 0.3);
}

void writeClips(CorpusWriter &corpus) {
    const auto clip = [&](const QString &name, Outcome outcome, const QByteArray &content) {
        corpus.bytes(name, MediaKind::Clip, outcome, content);
    };
    const QByteArray small = hostile::gif(8, 4, {{0, 0, 8, 4, 5}, {0, 0, 8, 4, 5}, {0, 0, 8, 4, 5}});
    clip("valid.swf", Outcome::Plays, small);
    clip("empty.swf", Outcome::Refused, {});
    clip("noise.swf", Outcome::Refused, randomBytes(4096, 4));
    clip("gif-header-then-noise.swf", Outcome::Either, "GIF89a" + randomBytes(4096, 5));
    // Cut short at every byte of the header and of the first frame's descriptor, then every few bytes:
    // the decoder plays the frames that are whole, or shows nothing.
    for (int length = 1; length < small.size(); length += length < 64 ? 1 : 3)
        clip(QStringLiteral("cut-at-%1.swf").arg(length, 3, 10, QLatin1Char('0')), Outcome::Either,
             small.left(length));

    // Canvases that would take hundreds of megabytes or more for a frame.
    const std::vector<GifFrame> twoDots{{0, 0, 1, 1}, {0, 0, 1, 1}};
    clip("canvas-5000.swf", Outcome::Refused, hostile::gif(5000, 5000, twoDots));
    clip("canvas-30000.swf", Outcome::Refused, hostile::gif(30000, 30000, twoDots));
    clip("canvas-65535.swf", Outcome::Refused, hostile::gif(65535, 65535, twoDots));
    clip("frame-beyond-canvas.swf", Outcome::Refused, hostile::gif(16, 16, {{0, 0, 8000, 8000}}));
    clip("frame-far-off-canvas.swf", Outcome::Refused, hostile::gif(16, 16, {{65000, 65000, 1, 1}}));
    clip("zero-canvas-huge-frame.swf", Outcome::Refused, hostile::gif(0, 0, {{0, 0, 6000, 6000}}));
    // Long clips: every frame kept would take a gigabyte; too many frames is refused outright.
    clip("3000-frames-300x300.swf", Outcome::Plays,
         hostile::gif(300, 300, std::vector<GifFrame>(3000, GifFrame{0, 0, 1, 1, 1})));
    clip("20000-frames.swf", Outcome::Refused,
         hostile::gif(16, 16, std::vector<GifFrame>(20000, GifFrame{0, 0, 1, 1, 1})));
    // A one-pixel frame followed by far more compressed data than it could use.
    const QByteArray overfed = hostile::overfedGif(512);
    clip("overfed-frame.swf", Outcome::Refused, overfed);
    QByteArray comment = QByteArray::fromHex("21fe");
    for (int i = 0; i < 8000; ++i)
        comment.append(char(255)).append(QByteArray(255, 'c'));
    comment.append('\0');
    QByteArray commented = small;
    commented.insert(13 + 6, comment);
    clip("2MB-comment.swf", Outcome::Refused, commented);

    // Other picture formats under a clip's name, with headers that claim enormous pictures.
    QByteArray png = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452");
    png.append(QByteArray::fromHex("0000ffff0000ffff0806000000")).append(QByteArray(4, '\0'));
    png.append(QByteArray::fromHex("0000000049454e44ae426082"));
    clip("png-65535.swf", Outcome::Refused, png);
    QByteArray jpeg = QByteArray::fromHex("ffd8ffc0001108ffffffff03012200021101031101");
    clip("jpeg-65535.swf", Outcome::Refused, jpeg + QByteArray::fromHex("ffd9"));
    clip("webp.swf", Outcome::Refused, QByteArray("RIFF\x20\0\0\0WEBPVP8 ", 16) + randomBytes(24, 6));
    clip("really-a-wave.swf", Outcome::Refused, validWave());
    corpus.sparse("sparse-100MB.swf", MediaKind::Clip, Outcome::Refused, small, 100ll * 1000 * 1000);
}

// The same non-files under both a sound's and a clip's name.
void writeNonFiles(CorpusWriter &corpus, MediaKind kind, const QString &suffix) {
    corpus.special("fifo" + suffix, kind,
                   [](const QByteArray &path) { return ::mkfifo(path.constData(), 0600) == 0; });
    corpus.special("directory" + suffix, kind,
                   [](const QByteArray &path) { return ::mkdir(path.constData(), 0700) == 0; });
    corpus.special("loop" + suffix, kind,
                   [](const QByteArray &path) { return ::symlink(path.constData(), path.constData()) == 0; });
    corpus.special("dangling" + suffix, kind, [](const QByteArray &path) {
        return ::symlink((path + ".gone").constData(), path.constData()) == 0;
    });
    corpus.special("device" + suffix, kind,
                   [](const QByteArray &path) { return ::symlink("/dev/zero", path.constData()) == 0; });
    corpus.special("socket" + suffix, kind, [](const QByteArray &path) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        bool bound = false;
        if (fd >= 0 && std::size_t(path.size()) < sizeof(address.sun_path)) {
            std::copy(path.begin(), path.end(), address.sun_path);
            bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
        }
        if (fd >= 0)
            ::close(fd);
        return bound;
    });
    // Unreadable to an ordinary user; root reads it anyway, and then it is only a broken file.
    corpus.bytes("unreadable" + suffix, kind, Outcome::Either, randomBytes(512, 7));
    ::chmod(QFile::encodeName(corpus.path("unreadable" + suffix)).constData(), 0);
}

} // namespace

std::vector<HostileMedia> writeHostileMedia(const QString &folder) {
    CorpusWriter corpus(folder);
    writeSounds(corpus);
    writeClips(corpus);
    writeNonFiles(corpus, MediaKind::Sound, QStringLiteral(".wav"));
    writeNonFiles(corpus, MediaKind::Clip, QStringLiteral(".swf"));
    return corpus.cases;
}
