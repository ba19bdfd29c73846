#pragma once

#include <QString>

// An open regular file, closed when the handle goes. Opening never waits: a FIFO, a device or a socket put
// where a sound or a clip belongs is refused rather than opened, since opening one for reading can block
// until a writer comes, and reading one can go on for ever.
class MediaHandle {
public:
    MediaHandle() = default;
    explicit MediaHandle(int fd) : descriptor(fd) {}
    MediaHandle(MediaHandle &&other) noexcept : descriptor(other.release()) {}
    MediaHandle &operator=(MediaHandle &&other) noexcept;
    MediaHandle(const MediaHandle &) = delete;
    MediaHandle &operator=(const MediaHandle &) = delete;
    ~MediaHandle();

    explicit operator bool() const { return descriptor >= 0; }
    int fd() const { return descriptor; }
    // Hands the descriptor over to a new owner, who must close it.
    int release();

private:
    int descriptor = -1;
};

// Opens `fileName` for reading when it names a regular file (a symbolic link counts by what it points
// to), else returns an empty handle. The open itself cannot block, and the file type is checked on the
// open descriptor, so a file swapped for a FIFO between a lookup and this call is still refused.
MediaHandle openMediaFile(const QString &fileName);

// The size of the open file in bytes, or -1.
qint64 mediaFileSize(const MediaHandle &file);
