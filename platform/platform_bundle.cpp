#include "platform/platform_bundle.h"

#include "cards/system_random_source.h"
#include "platform/sndfile_wave_player.h"
#include "platform/speech_server_voice.h"
#include "platform/system_clock.h"

#include <QCoreApplication>

PlatformBundle PlatformBundle::system() {
    PlatformBundle bundle;
    bundle.random = std::make_unique<SystemRandomSource>();
    bundle.clock = std::make_unique<SystemTimeOfDayClock>();
    bundle.wave = std::make_unique<SndfileWavePlayer>();
    bundle.voice = std::make_unique<SpeechServerVoice>();
    bundle.programDirectory = QCoreApplication::applicationDirPath();
    return bundle;
}
