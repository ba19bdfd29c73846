#pragma once

#include <memory>

struct Pcm;

// Plays one sound at a time through the PulseAudio server (or PipeWire's PulseAudio service).
//
// Every call comes from one thread, never the event thread: the wave player's reader. libpulse runs its
// own thread and calls back there, under the same lock as these calls take, and a stream is released
// only from its own final state callback or while that lock is held with its callbacks cleared. So no
// stream is ever freed while the sound library can still call it.
//
// Nothing is set up until the first sound. Connecting never waits for the server: the sound is kept
// until the connection is ready and started from the library's own callback. A server that is missing,
// or goes away in the middle of a sound, leaves the player silent; the next sound connects afresh, so
// sound comes back when the server does.
class PulseOutput {
public:
    PulseOutput();
    ~PulseOutput();
    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

    // Cuts off the sound playing now and starts this one.
    void play(std::shared_ptr<const Pcm> pcm);
    // Cuts off the sound playing now, and one still waiting for the connection.
    void stop();

    // How many sounds have reached the server as a playing stream since this output was made.
    int streamsStarted() const;

    struct Connection;

private:
    std::unique_ptr<Connection> connection;
};
