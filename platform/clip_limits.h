#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

class QIODevice;

// What a clip may ask of the player. Frames are decoded as they are shown, never kept, so the cost of a
// clip is its canvas (a few images of that size are alive at once) and the work of decoding one frame;
// a clip beyond these is treated as missing. The table's player is a few hundred pixels wide, so a
// full-HD canvas is already far more than it can show.
struct ClipLimits {
    qint64 maxFileBytes = 8 * 1024 * 1024;
    qint64 maxCanvasPixels = 1920 * 1080;
    int maxFrames = 10000;
    // Comments and application data between two frames, which the decoder must read through.
    qint64 maxExtensionBytes = 1024 * 1024;
};

// Walks the blocks of a GIF without decoding any picture: the canvas is the logical screen, grown to
// every frame that reaches beyond it; a frame may carry no more compressed data than its pixels could
// need. False when there is no frame at all or the clip goes past a limit. A file cut short counts for
// the frames it holds, as the decoder plays those.
bool gifFitsLimits(QByteArrayView bytes, const ClipLimits &limits = {});

// Whether the clip in `device`, in image format `format` as QImageReader names it, fits the limits.
// Reads no further than the size limit and leaves the device at its start.
bool clipFitsLimits(QIODevice &device, const QByteArray &format, const ClipLimits &limits = {});
