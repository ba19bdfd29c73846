#include "platform/speech_server_voice.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A speech server's socket that takes one client and reads what the test asks it to.
class ListeningSocket {
public:
    explicit ListeningSocket(const QString &path) {
        listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = path.toLocal8Bit();
        std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
        EXPECT_EQ(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        EXPECT_EQ(::listen(listener, 1), 0);
    }
    ~ListeningSocket() {
        if (client >= 0)
            ::close(client);
        ::close(listener);
    }
    ListeningSocket(const ListeningSocket &) = delete;
    ListeningSocket &operator=(const ListeningSocket &) = delete;

    // Everything the client has sent so far.
    QByteArray received() {
        if (client < 0)
            client = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        QByteArray all;
        char buffer[4096];
        ssize_t n;
        while ((n = ::recv(client, buffer, sizeof buffer, MSG_DONTWAIT)) > 0)
            all.append(buffer, n);
        return all;
    }

private:
    int listener = -1;
    int client = -1;
};

} // namespace

TEST(SpeechServerVoice, SendsOneLineOfTextThatNoWordsCanEndEarlyOrTurnIntoACommand) {
    struct Case {
        QString words;
        QString language;
        QByteArray sent;
    };
    for (const Case &c : {
             Case{"You win 10, money 545.", "en",
                  "SET SELF LANGUAGE en\r\nSPEAK\r\nYou win 10, money 545.\r\n.\r\n"},
             Case{"Sie gewinnen 10.\r\n.\r\nQUIT", "de\r\nQUIT",
                  "SET SELF LANGUAGE de  QUIT\r\nSPEAK\r\n"
                  "Sie gewinnen 10. . QUIT\r\n.\r\n"},
             Case{".5 left", "", "SPEAK\r\n..5 left\r\n.\r\n"},
         })
        EXPECT_EQ(SpeechServerVoice::speakCommand(c.words, c.language), c.sent) << c.words.toStdString();
}

TEST(SpeechServerVoice, SpeaksBesideAScreenReaderOnlyToARunningServerAndNeverWaitsForOne) {
    QTemporaryDir folder;
    const QString path = folder.filePath("speechd.sock");
    SpeechServerVoice voice(path);
    EXPECT_FALSE(voice.speak("You win 10.", "en")) << "no screen reader listens in this test";
    voice.speakWithoutScreenReader(true);
    EXPECT_FALSE(voice.speak("You win 10.", "en")) << "no server runs yet, and none is started";

    ListeningSocket server(path);
    ASSERT_TRUE(voice.speak("You win 10.", "en"));
    const QByteArray sent = server.received();
    EXPECT_TRUE(sent.startsWith("SET SELF CLIENT_NAME ")) << sent.toStdString();
    EXPECT_TRUE(sent.contains("\r\nSET SELF PRIORITY message\r\n")) << "the screen reader's own priority";
    EXPECT_TRUE(sent.endsWith("SPEAK\r\nYou win 10.\r\n.\r\n"));
    voice.stop();
    EXPECT_EQ(server.received(), "CANCEL SELF\r\n");

    // A server that stops reading fills the socket; the voice then gives up rather than wait.
    const QString words(2000, QLatin1Char('a'));
    int spoken = 0;
    while (voice.speak(words, "en") && spoken < 100000)
        ++spoken;
    EXPECT_LT(spoken, 100000);
}
