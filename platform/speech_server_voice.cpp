#include "platform/speech_server_voice.h"

#include <QAccessible>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The protocol's client name, "user:application:component".
QByteArray clientName() {
    QByteArray user = qgetenv("USER");
    if (user.isEmpty())
        user = "user";
    return user.replace(':', '_') + ":corvane:narrator";
}

} // namespace

SpeechServerVoice::SpeechServerVoice(QString socketAddress)
    : address(socketAddress.isEmpty() ? defaultAddress() : std::move(socketAddress)) {}

SpeechServerVoice::~SpeechServerVoice() {
    disconnect();
}

QString SpeechServerVoice::defaultAddress() {
    const QString given = qEnvironmentVariable("SPEECHD_ADDRESS");
    if (!given.isEmpty()) {
        // "unix_socket:/path"; a server on the network is not the desktop's own.
        const QString scheme = QStringLiteral("unix_socket:");
        return given.startsWith(scheme) ? given.mid(scheme.size()) : QString();
    }
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QString() : runtime + QStringLiteral("/speech-dispatcher/speechd.sock");
}

QByteArray SpeechServerVoice::speakCommand(const QString &words, const QString &language) {
    // One line of text: a line break in the words could otherwise end the text with a lone ".".
    QByteArray text = words.simplified().toUtf8();
    if (text.startsWith('.'))
        text.prepend('.');
    QByteArray lang = language.toLatin1();
    lang.replace('\r', ' ').replace('\n', ' ');
    QByteArray lines;
    if (!lang.trimmed().isEmpty())
        lines += "SET SELF LANGUAGE " + lang.trimmed() + "\r\n";
    return lines + "SPEAK\r\n" + text + "\r\n.\r\n";
}

bool SpeechServerVoice::speak(const QString &words, const QString &language) {
    if (words.trimmed().isEmpty() || (!withoutScreenReader && !QAccessible::isActive()))
        return false;
    return ensureConnected() && send(speakCommand(words, language));
}

void SpeechServerVoice::stop() {
    if (socket >= 0)
        send("CANCEL SELF\r\n");
}

bool SpeechServerVoice::ensureConnected() {
    if (socket >= 0)
        return true;
    const QByteArray path = QFile::encodeName(address);
    sockaddr_un server{};
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof server.sun_path)
        return false;
    std::memcpy(server.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    server.sun_family = AF_UNIX;
    socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return false;
    // A local socket connects at once or not at all; one whose server is too busy to take it is none.
    if (::connect(socket, reinterpret_cast<const sockaddr *>(&server), sizeof server) != 0) {
        disconnect();
        return false;
    }
    replies = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    QObject::connect(replies.get(), &QSocketNotifier::activated, replies.get(), [this] { drainReplies(); });
    // The screen reader's own priority: queued in turn with its words, never cut off by them.
    return send("SET SELF CLIENT_NAME " + clientName() + "\r\nSET SELF PRIORITY message\r\n");
}

// Whole or not at all: a server that has stopped reading is given up.
bool SpeechServerVoice::send(const QByteArray &lines) {
    qsizetype written = 0;
    while (written < lines.size()) {
        const ssize_t n = ::send(socket, lines.constData() + written,
                                 static_cast<std::size_t>(lines.size() - written), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            disconnect();
            return false;
        }
        written += n;
    }
    return true;
}

// The server's answers tell nothing the game acts on; read, they keep its socket from filling.
void SpeechServerVoice::drainReplies() {
    char buffer[1024];
    for (;;) {
        const ssize_t n = ::recv(socket, buffer, sizeof buffer, 0);
        if (n > 0)
            continue;
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
            disconnect();
        return;
    }
}

void SpeechServerVoice::disconnect() {
    // Its own signal may be what found the connection gone.
    if (replies) {
        replies->setEnabled(false);
        replies.release()->deleteLater();
    }
    if (socket >= 0)
        ::close(socket);
    socket = -1;
}
