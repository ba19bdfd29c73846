#include "platform/media_handle.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

MediaHandle &MediaHandle::operator=(MediaHandle &&other) noexcept {
    if (this != &other) {
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = other.release();
    }
    return *this;
}

MediaHandle::~MediaHandle() {
    if (descriptor >= 0)
        ::close(descriptor);
}

int MediaHandle::release() {
    const int fd = descriptor;
    descriptor = -1;
    return fd;
}

MediaHandle openMediaFile(const QString &fileName) {
    if (fileName.isEmpty())
        return {};
    const QByteArray path = QFile::encodeName(fileName);
    // O_NONBLOCK only so that the open returns at once on a FIFO; a terminal must not become ours either.
    int fd = -1;
    do
        fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    MediaHandle file(fd);
    if (!file)
        return {};
    struct stat status {};
    if (::fstat(file.fd(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    // Reads of a regular file wait for the disk like any other; the flag would only confuse readers.
    const int flags = ::fcntl(file.fd(), F_GETFL);
    if (flags < 0 || ::fcntl(file.fd(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return {};
    return file;
}

qint64 mediaFileSize(const MediaHandle &file) {
    struct stat status {};
    if (!file || ::fstat(file.fd(), &status) != 0)
        return -1;
    return qint64(status.st_size);
}
