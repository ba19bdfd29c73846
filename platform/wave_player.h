#pragma once

#include <QString>

// The sound call: plays a wave file given by path, asynchronously.
class WavePlayer {
public:
    virtual ~WavePlayer() = default;

    // Starts the file and returns at once; a later sound cuts off one still playing.
    // Returns non-zero when the sound was accepted. When the file cannot be played the result is 0
    // and the desktop's default alert sound is played instead.
    virtual int play(const QString &path) = 0;
};
