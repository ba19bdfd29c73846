#include "platform/clip_limits.h"

#include <QIODevice>
#include <QImageReader>
#include <algorithm>
#include <optional>

namespace {

constexpr quint8 extensionIntroducer = 0x21;
constexpr quint8 imageSeparator = 0x2C;
constexpr quint8 hasColourTable = 0x80;
// Room for clear and end codes and sub-block lengths, beyond a code per pixel of at most 12 bits.
constexpr qint64 compressedAllowance = 1024;

class ByteReader {
public:
    explicit ByteReader(QByteArrayView bytes) : bytes(bytes) {}

    std::optional<quint8> byte() {
        if (position >= bytes.size())
            return std::nullopt;
        return quint8(bytes[position++]);
    }
    std::optional<quint16> littleEndian16() {
        const auto low = byte();
        const auto high = byte();
        if (!low || !high)
            return std::nullopt;
        return quint16(*low | (*high << 8));
    }
    bool skip(qint64 count) {
        if (count > bytes.size() - position)
            return false;
        position += count;
        return true;
    }
    // The length of a run of data sub-blocks up to its terminator, or nothing if the file ends first.
    std::optional<qint64> subBlocks() {
        qint64 total = 0;
        while (const auto length = byte()) {
            if (*length == 0)
                return total;
            if (!skip(*length))
                return std::nullopt;
            total += *length;
        }
        return std::nullopt;
    }

private:
    QByteArrayView bytes;
    qint64 position = 0;
};

qint64 colourTableBytes(quint8 packed) {
    return (packed & hasColourTable) ? 3 * (qint64(2) << (packed & 0x07)) : 0;
}

} // namespace

bool gifFitsLimits(QByteArrayView bytes, const ClipLimits &limits) {
    if (bytes.size() > limits.maxFileBytes || !(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")))
        return false;
    ByteReader reader(bytes);
    reader.skip(6);
    const auto screenWidth = reader.littleEndian16();
    const auto screenHeight = reader.littleEndian16();
    const auto packed = reader.byte();
    if (!screenWidth || !screenHeight || !packed || !reader.skip(2) ||
        !reader.skip(colourTableBytes(*packed)))
        return false;
    qint64 canvasWidth = *screenWidth;
    qint64 canvasHeight = *screenHeight;
    const auto fits = [&] { return canvasWidth * canvasHeight <= limits.maxCanvasPixels; };
    if (!fits())
        return false;

    int frames = 0;
    qint64 extensionBytes = 0;
    while (const auto introducer = reader.byte()) {
        if (*introducer == extensionIntroducer) {
            const auto run = reader.byte() ? reader.subBlocks() : std::nullopt;
            if (!run)
                break;
            extensionBytes += *run;
            if (extensionBytes > limits.maxExtensionBytes)
                return false;
        } else if (*introducer == imageSeparator) {
            const auto left = reader.littleEndian16();
            const auto top = reader.littleEndian16();
            const auto width = reader.littleEndian16();
            const auto height = reader.littleEndian16();
            const auto framePacked = reader.byte();
            if (!left || !top || !width || !height || !framePacked)
                break;
            canvasWidth = std::max<qint64>(canvasWidth, *left + *width);
            canvasHeight = std::max<qint64>(canvasHeight, *top + *height);
            if (!fits() || ++frames > limits.maxFrames)
                return false;
            if (!reader.skip(colourTableBytes(*framePacked)) || !reader.byte())
                break;
            const auto compressed = reader.subBlocks();
            if (compressed && *compressed > 2 * qint64(*width) * *height + compressedAllowance)
                return false;
            extensionBytes = 0;
            if (!compressed)
                break;
        } else {
            // The trailer, or bytes the decoder stops at all the same.
            break;
        }
    }
    return frames > 0;
}

bool clipFitsLimits(QIODevice &device, const QByteArray &format, const ClipLimits &limits) {
    if (!device.seek(0))
        return false;
    bool fits = false;
    if (format == "gif") {
        if (device.size() <= limits.maxFileBytes)
            fits = gifFitsLimits(device.read(limits.maxFileBytes + 1), limits);
    } else {
        // Other formats the reader knows tell their size from the header alone.
        QImageReader reader(&device, format);
        const QSize size = reader.size();
        fits = device.size() <= limits.maxFileBytes && size.isValid() &&
               qint64(size.width()) * size.height() <= limits.maxCanvasPixels &&
               reader.imageCount() <= limits.maxFrames;
    }
    return device.seek(0) && fits;
}
