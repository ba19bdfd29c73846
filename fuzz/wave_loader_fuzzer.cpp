// Feeds arbitrary bytes to the wave player's loader: the header check run on the event thread, then
// the decoding run on the player's reader, exactly as a file beside the game would reach them.
#include "platform/wave_decoder.h"

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// A file in memory, since the loader reads by descriptor.
int memoryFile(const uint8_t *data, size_t size) {
    const int fd = memfd_create("wave", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    for (size_t written = 0; written < size;) {
        const ssize_t n = write(fd, data + written, size - written);
        if (n <= 0) {
            close(fd);
            return -1;
        }
        written += size_t(n);
    }
    return fd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const int fd = memoryFile(data, size);
    if (fd < 0)
        return 0;
    if (probeWave(fd)) {
        // The real limits but a smaller sample cap, so that each input stays quick.
        const WaveLimits limits{30, 1 << 20};
        decodeWave(fd, limits, [] { return false; });
    }
    close(fd);
    return 0;
}
