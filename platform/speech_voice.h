#pragma once

#include <QString>

// A voice of the game's own, for the few words that a screen reader's user must hear whole. A screen
// reader stops its speech at every key press; words spoken by this voice are not its speech, so they
// go on. Used only beside a screen reader, never instead of it.
class SpeechVoice {
public:
    virtual ~SpeechVoice() = default;

    // Queues `words` in the language `language` (a BCP 47 tag, "de") after whatever is being said, and
    // returns at once. False when nobody would hear them: no screen reader is listening, or there is no
    // speech server; the caller then gives the words to the screen reader.
    virtual bool speak(const QString &words, const QString &language) = 0;
    // Stops the words of this voice, spoken or queued, for words the player asked for.
    virtual void stop() = 0;
};
