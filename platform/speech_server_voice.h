#pragma once

#include "platform/speech_voice.h"

#include <QByteArray>
#include <QSocketNotifier>
#include <memory>

// The game's voice on the desktop's speech server (speech-dispatcher), the one the screen reader speaks
// through: its words are queued at the screen reader's own priority, so neither cuts the other off,
// and the screen reader's stop at a key press, which stops only its own words, leaves them be.
//
// It speaks only while a screen reader listens to the game (the toolkit's accessibility is active), and
// only to a speech server that is already running: it never starts one, nor waits for one. The
// connection is a local socket, written without blocking: a server that does not read gets no more
// words, and the game goes on as though there were none. Lives on the event thread.
class SpeechServerVoice final : public SpeechVoice {
public:
    // `address` is the server's socket, by default the one speech-dispatcher's clients find
    // (SPEECHD_ADDRESS, or speechd.sock in the user's runtime folder).
    explicit SpeechServerVoice(QString address = {});
    ~SpeechServerVoice() override;
    SpeechServerVoice(const SpeechServerVoice &) = delete;
    SpeechServerVoice &operator=(const SpeechServerVoice &) = delete;

    bool speak(const QString &words, const QString &language) override;
    void stop() override;

    // Whether words go to the server whether or not a screen reader listens: for tests of the voice.
    void speakWithoutScreenReader(bool always) { withoutScreenReader = always; }

    // The speech server's socket that speech-dispatcher's clients use; empty when it is not a local one.
    static QString defaultAddress();
    // The protocol's lines that speak `words` in `language`: one line of text, and a lone "." ending
    // it, so that no words can end the text early or be taken for a command.
    static QByteArray speakCommand(const QString &words, const QString &language);

private:
    bool ensureConnected();
    bool send(const QByteArray &lines);
    void disconnect();
    void drainReplies();

    QString address;
    bool withoutScreenReader = false;
    int socket = -1;
    std::unique_ptr<QSocketNotifier> replies;
};
