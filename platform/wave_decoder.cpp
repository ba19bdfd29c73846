#include "platform/wave_decoder.h"

#include "platform/audio_libraries.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>
#include <memory>
#include <pulse/sample.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The header of a sound file lies at its start; one whose header runs past this is not a cue.
constexpr sf_count_t probeBytes = 1024 * 1024;
// A header that needs more reads and seeks than this is built to be slow, not to be played.
constexpr qint64 probeCalls = 4096;
// Decoding reads in large blocks; the allowance only stops a file that makes libsndfile seek endlessly.
constexpr qint64 decodeCalls = 1'000'000;
constexpr sf_count_t chunkFrames = 4096;

// libsndfile reads through these callbacks, so the file is read by position from a descriptor the
// caller owns, and every read and seek is counted against an allowance.
struct BoundedReader {
    int fd = -1;
    sf_count_t length = 0;
    sf_count_t position = 0;
    sf_count_t readableBytes = 0;
    qint64 callsLeft = 0;

    bool spendCall() { return callsLeft-- > 0; }
};

sf_count_t readerLength(void *user) {
    return static_cast<BoundedReader *>(user)->length;
}

sf_count_t readerSeek(sf_count_t offset, int whence, void *user) {
    auto *reader = static_cast<BoundedReader *>(user);
    if (!reader->spendCall())
        return -1;
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = reader->position;
    else if (whence == SEEK_END)
        base = reader->length;
    else if (whence != SEEK_SET)
        return -1;
    // Offsets come from the file itself and may be anything; past the end reads simply find nothing.
    if ((offset > 0 && base > std::numeric_limits<sf_count_t>::max() - offset) || base + offset < 0)
        return -1;
    reader->position = base + offset;
    return reader->position;
}

sf_count_t readerRead(void *data, sf_count_t count, void *user) {
    auto *reader = static_cast<BoundedReader *>(user);
    if (count <= 0 || !reader->spendCall() || reader->position >= reader->length)
        return 0;
    const sf_count_t wanted = std::min({count, reader->length - reader->position, reader->readableBytes});
    sf_count_t got = 0;
    while (got < wanted) {
        const ssize_t n = ::pread(reader->fd, static_cast<char *>(data) + got, std::size_t(wanted - got),
                                  off_t(reader->position + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    reader->position += got;
    reader->readableBytes -= got;
    return got;
}

sf_count_t readerWrite(const void *, sf_count_t, void *) {
    return 0;
}

sf_count_t readerTell(void *user) {
    return static_cast<BoundedReader *>(user)->position;
}

SF_VIRTUAL_IO boundedIo{readerLength, readerSeek, readerRead, readerWrite, readerTell};

struct SndfileCloser {
    void operator()(SNDFILE *file) const { sndfileLibrary()->sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

std::optional<BoundedReader> readerFor(int fd, sf_count_t readableBytes, qint64 calls) {
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return BoundedReader{fd, sf_count_t(status.st_size), 0, readableBytes, calls};
}

// The server refuses a rate or a channel count outside its range, and would say so only later.
bool serverTakes(const SF_INFO &info) {
    return info.channels >= 1 && info.samplerate >= 1 && unsigned(info.channels) <= PA_CHANNELS_MAX &&
           unsigned(info.samplerate) <= PA_RATE_MAX;
}

// The file as libsndfile reads it, with its header in `info`; null unless it holds at least one frame the
// server takes, or when libsndfile is missing.
SndfileHandle openPlayable(BoundedReader &reader, SF_INFO &info) {
    const SndfileLibrary *sndfile = sndfileLibrary();
    SndfileHandle file(sndfile ? sndfile->sf_open_virtual(&boundedIo, SFM_READ, &info, &reader) : nullptr);
    if (!file || !serverTakes(info) || info.frames < 1)
        return nullptr;
    return file;
}

} // namespace

qint16 toInt16(float value) {
    if (std::isnan(value))
        return 0;
    // Scaling by 32768 and clipping gives back 16-bit input exactly; float input may exceed full scale,
    // even be infinite, so it is clipped before it is rounded.
    return qint16(std::lrint(std::clamp(double(value) * 32768.0, -32768.0, 32767.0)));
}

std::optional<WaveHeader> probeWave(int fd) {
    std::optional<BoundedReader> reader = readerFor(fd, probeBytes, probeCalls);
    if (!reader)
        return std::nullopt;
    SF_INFO info{};
    const SndfileHandle file = openPlayable(*reader, info);
    if (!file)
        return std::nullopt;
    return WaveHeader{info.channels, info.samplerate};
}

std::optional<Pcm> decodeWave(int fd, const WaveLimits &limits, const std::function<bool()> &superseded) {
    std::optional<BoundedReader> reader = readerFor(fd, std::numeric_limits<sf_count_t>::max(), decodeCalls);
    if (!reader)
        return std::nullopt;
    SF_INFO info{};
    const SndfileHandle file = openPlayable(*reader, info);
    if (!file)
        return std::nullopt;

    // Read as float, libsndfile brings every encoding to one scale. Read as short, a floating-point file
    // comes back silent unless rescaled to its own peak, which would change how loud it is.
    const sf_count_t maxFrames = std::min<sf_count_t>(sf_count_t(info.samplerate) * limits.maxSeconds,
                                                      limits.maxSamples / info.channels);
    // The header's frame count may be a lie; it only sizes the first allocation, never beyond the cap.
    const sf_count_t expected = std::min(info.frames, maxFrames);
    Pcm pcm;
    pcm.channels = info.channels;
    pcm.sampleRate = info.samplerate;
    pcm.samples.reserve(std::size_t(expected * info.channels));
    std::vector<float> chunk(std::size_t(chunkFrames * info.channels));
    for (sf_count_t done = 0; done < maxFrames;) {
        if (superseded())
            return std::nullopt;
        const sf_count_t got = sndfileLibrary()->sf_readf_float(file.get(), chunk.data(),
                                                                std::min(chunkFrames, maxFrames - done));
        if (got <= 0)
            break;
        std::transform(chunk.begin(), chunk.begin() + got * info.channels, std::back_inserter(pcm.samples),
                       toInt16);
        done += got;
    }
    if (pcm.samples.empty())
        return std::nullopt;
    return pcm;
}
