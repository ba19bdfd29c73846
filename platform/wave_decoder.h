#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>
#include <vector>

// Interleaved signed 16-bit samples at the file's own rate and layout; the sound server converts them.
struct Pcm {
    std::vector<qint16> samples;
    int channels = 0;
    int sampleRate = 0;

    qsizetype frames() const { return channels > 0 ? qsizetype(samples.size()) / channels : 0; }
};

// What the header of a playable sound says.
struct WaveHeader {
    int channels = 0;
    int sampleRate = 0;
};

// How much of a sound is played. A cue is a few seconds long; a player's file of an hour plays its
// first half minute, and a file of many channels at a high rate ends sooner so that it cannot take
// more than 16 MB of samples.
struct WaveLimits {
    int maxSeconds = 30;
    qint64 maxSamples = 8 * 1024 * 1024;
};

// Reads the header of the open file `fd` (the descriptor's offset is not used) and says whether it
// holds a sound the server can take: any encoding libsndfile reads, at least one frame, a rate and a
// channel count within the sound server's range. Reads at most the first megabyte in a bounded number
// of calls, so that even a file built to keep a header parser busy is answered within milliseconds.
std::optional<WaveHeader> probeWave(int fd);

// Decodes the sound in `fd` up to `limits`. `superseded` is asked between chunks; when it says yes the
// work is dropped and nothing is returned. Empty when the file holds no sound after all.
std::optional<Pcm> decodeWave(int fd, const WaveLimits &limits, const std::function<bool()> &superseded);

// A sample of any encoding, read by libsndfile as float, brought to 16 bits: full scale maps to the
// 16-bit range, louder values are clipped and NaN is silence.
qint16 toInt16(float value);
