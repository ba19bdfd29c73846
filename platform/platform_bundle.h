#pragma once

#include "cards/random_source.h"
#include "platform/speech_voice.h"
#include "platform/wave_player.h"
#include "play/time_of_day_clock.h"

#include <QString>
#include <memory>

// What the table window takes from the platform; tests hand in scripted parts.
struct PlatformBundle {
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<TimeOfDayClock> clock;
    std::unique_ptr<WavePlayer> wave;
    // The game's own voice beside a screen reader; none in tests unless one is given.
    std::unique_ptr<SpeechVoice> voice;
    // The program's own directory, to which media names are appended.
    QString programDirectory;

    // The real generator, clock, sound output and speech server, and the directory of the running executable.
    static PlatformBundle system();
};
