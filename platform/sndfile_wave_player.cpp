#include "platform/sndfile_wave_player.h"

#include "platform/media_file.h"
#include "platform/pulse_output.h"
#include "platform/wave_decoder.h"

#include <QApplication>

SndfileWavePlayer::SndfileWavePlayer() = default;

SndfileWavePlayer::~SndfileWavePlayer() {
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    // The reader gives up a decode between two chunks, so this waits for one chunk at most.
    if (reader.joinable())
        reader.join();
    // Only the reader ever called the output; now that it has finished, the output can go.
    output.reset();
}

int SndfileWavePlayer::play(const QString &path) {
    MediaHandle file = openMediaFile(locateMediaFile(path));
    const bool playable = file && probeWave(file.fd()).has_value();
    // Like the system call this replaces, a new request silences the old sound even when it fails itself.
    post(playable ? std::move(file) : MediaHandle());
    if (!playable) {
        QApplication::beep();
        return 0;
    }
    return 1;
}

bool SndfileWavePlayer::isReading() const {
    const std::lock_guard lock(mutex);
    return reading || request.has_value();
}

int SndfileWavePlayer::streamsStarted() const {
    const std::lock_guard lock(mutex);
    return output ? output->streamsStarted() : 0;
}

// Only the latest request matters: one not yet taken up is replaced, one being decoded is dropped.
void SndfileWavePlayer::post(MediaHandle file) {
    {
        const std::lock_guard lock(mutex);
        // Before the first sound there is nothing to cut off, and no reason to start the sound stack.
        if (!file && !reader.joinable())
            return;
        request = Request{++generation, std::move(file)};
        if (!reader.joinable()) {
            output = std::make_unique<PulseOutput>();
            reader = std::thread(&SndfileWavePlayer::readerLoop, this);
        }
    }
    wake.notify_all();
}

bool SndfileWavePlayer::isSuperseded(std::uint64_t requested) const {
    const std::lock_guard lock(mutex);
    return stopping || generation != requested;
}

void SndfileWavePlayer::readerLoop() {
    for (;;) {
        Request next;
        {
            std::unique_lock lock(mutex);
            reading = false;
            wake.wait(lock, [this] { return stopping || request.has_value(); });
            if (stopping)
                break;
            next = std::move(*request);
            request.reset();
            reading = true;
        }
        output->stop();
        if (!next.file)
            continue;
        std::optional<Pcm> pcm =
            decodeWave(next.file.fd(), WaveLimits{}, [&] { return isSuperseded(next.generation); });
        next.file = MediaHandle();
        if (pcm && !isSuperseded(next.generation))
            output->play(std::make_shared<const Pcm>(std::move(*pcm)));
    }
}
