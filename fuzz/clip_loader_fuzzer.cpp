// Feeds arbitrary bytes to the clip player's loader: the format check and the limits, then, for a clip
// that passes them, every frame decoded the way the player decodes them while it plays.
#include "platform/clip_limits.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // The picture format readers are plugins, found through the application's library paths.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (format.isEmpty() || !clipFitsLimits(buffer, format))
        return 0;
    QImageReader reader(&buffer, format);
    const ClipLimits limits;
    for (int frame = 0; frame < limits.maxFrames && reader.canRead(); ++frame)
        if (reader.read().isNull())
            break;
    return 0;
}
