#pragma once

#include "platform/wave_player.h"

// A wave player that plays nothing and says it played: the bench programs time and draw the table
// without sound.
class Silence final : public WavePlayer {
public:
    int play(const QString &) override { return 1; }
};
