#pragma once

#include "platform/media_handle.h"
#include "platform/wave_player.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class PulseOutput;

// Decodes any common sound file with libsndfile (8, 16, 24-bit PCM, float, ADPCM, mu-law; mono or stereo;
// any rate) and plays it through the PulseAudio server.
//
// The event thread only finds the file, opens it without waiting and reads its header; decoding and
// everything that talks to the sound server happen on a reader thread of the player's own, started with
// the first sound. A file is read whole up to a limit (see WaveLimits) and not held while it plays.
//
// play() returns 1 once the header shows a sound the server can take. The samples are decoded after that;
// a file whose header is sound but whose body turns out to hold none plays silence, and no alert follows
// the result already given. Anything that is not a playable sound (missing, a FIFO or a directory, a
// picture, a header without frames) gives the desktop's beep and 0.
class SndfileWavePlayer final : public WavePlayer {
public:
    SndfileWavePlayer();
    ~SndfileWavePlayer() override;

    int play(const QString &path) override;

    // Whether the reader still has a sound to decode or hand over; false once all asked for is playing.
    bool isReading() const;
    // How many sounds have reached the server as a playing stream.
    int streamsStarted() const;

private:
    struct Request {
        std::uint64_t generation = 0;
        MediaHandle file; // empty: only cut off what plays
    };

    void post(MediaHandle file);
    void readerLoop();
    bool isSuperseded(std::uint64_t generation) const;

    mutable std::mutex mutex;
    std::condition_variable wake;
    std::optional<Request> request;
    std::uint64_t generation = 0;
    bool reading = false;
    bool stopping = false;
    std::unique_ptr<PulseOutput> output;
    std::thread reader;
};
