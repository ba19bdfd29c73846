#include "platform/media_handle.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The lookup has already passed over these by their type, but a file can be swapped between that look
// and the open; the open must refuse them by itself, and at once.
TEST(MediaHandle, OpensOnlyRegularFilesAndNeverWaits) {
    QTemporaryDir dir;
    const auto at = [&](const char *name) { return dir.filePath(QLatin1String(name)); };
    const auto native = [&](const char *name) { return QFile::encodeName(at(name)); };
    QFile regular(at("sound.wav"));
    ASSERT_TRUE(regular.open(QIODevice::WriteOnly) && regular.write("RIFF", 4) == 4);
    regular.close();
    ASSERT_EQ(::mkfifo(native("fifo.wav").constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("directory.wav")));
    ASSERT_EQ(::symlink(native("sound.wav").constData(), native("link.wav").constData()), 0);
    ASSERT_EQ(::symlink("/dev/zero", native("device.wav").constData()), 0);
    ASSERT_EQ(::symlink(native("loop.wav").constData(), native("loop.wav").constData()), 0);
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = native("socket.wav");
    ASSERT_LT(std::size_t(socketPath.size()), sizeof(address.sun_path));
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);

    struct Case {
        const char *name;
        bool opens;
    };
    for (const Case &c : {Case{"sound.wav", true}, Case{"link.wav", true}, Case{"fifo.wav", false},
                          Case{"directory.wav", false}, Case{"device.wav", false}, Case{"loop.wav", false},
                          Case{"socket.wav", false}, Case{"missing.wav", false}}) {
        QElapsedTimer timer;
        timer.start();
        const MediaHandle file = openMediaFile(at(c.name));
        EXPECT_EQ(bool(file), c.opens) << c.name;
        EXPECT_LT(timer.elapsed(), 1000) << c.name;
    }
    ::close(listening);
}

TEST(MediaHandle, ReadsLikeAnOrdinaryFileAndClosesWithTheHandle) {
    QTemporaryDir dir;
    QFile regular(dir.filePath(QStringLiteral("clip.swf")));
    ASSERT_TRUE(regular.open(QIODevice::WriteOnly) && regular.write("GIF89a", 6) == 6);
    regular.close();

    int descriptor = -1;
    {
        MediaHandle file = openMediaFile(regular.fileName());
        ASSERT_TRUE(file);
        EXPECT_EQ(mediaFileSize(file), 6);
        char bytes[6] = {};
        EXPECT_EQ(::read(file.fd(), bytes, 6), 6);
        EXPECT_EQ(QByteArray(bytes, 6), QByteArray("GIF89a"));
        descriptor = file.fd();
    }
    EXPECT_EQ(::fcntl(descriptor, F_GETFD), -1);
}

} // namespace
