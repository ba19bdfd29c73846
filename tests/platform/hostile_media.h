#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// A corpus of sounds and clips that a player could drop beside the game, most of them broken on
// purpose: cut short at every header field, random bytes, huge declared sizes, huge canvases and frame
// counts, files that are no files (FIFOs, directories, sockets, devices, link loops), and the unusual but
// valid encodings that must keep playing.
enum class MediaKind { Sound, Clip };

// What the player must make of a case. Either: only that it survives it in time and memory.
enum class Outcome { Plays, Refused, Either };

struct HostileMedia {
    QString fileName; // inside the folder the corpus was written to
    MediaKind kind;
    Outcome outcome;
};

// Writes the whole corpus into `folder` (which must exist) and lists it. Large files are written
// sparse, so the corpus takes little disk and little time.
std::vector<HostileMedia> writeHostileMedia(const QString &folder);

// Building blocks, also used by the tests of the limits themselves.
namespace hostile {

// A canonical WAVE header followed by `dataBytes` of silence; the fields are as given, right or wrong.
struct WaveFields {
    quint16 formatTag = 1;
    quint16 channels = 1;
    quint32 sampleRate = 22050;
    quint16 bitsPerSample = 16;
    quint32 dataBytes = 4410;
};
QByteArray wave(const WaveFields &fields);

// A GIF with a logical screen of `width` x `height`, a two-colour table and the given frames, each a block
// of one colour at (left, top), encoded for real; a frame of more than 4096 pixels carries only those.
struct GifFrame {
    quint16 left = 0, top = 0, width = 1, height = 1;
    quint16 delayCentiseconds = 10;
};
QByteArray gif(quint16 width, quint16 height, const std::vector<GifFrame> &frames, bool loopForever = true);
// A 16x16 GIF whose one-pixel frame is followed by `dataBlocks` full blocks of compressed data, far more
// than the frame could use.
QByteArray overfedGif(int dataBlocks);

} // namespace hostile
