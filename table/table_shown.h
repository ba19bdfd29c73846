#pragma once

#include "play/round_reports.h"

// What the table shows at a moment, which lags behind the round while a refusal is on screen.
struct TableShown {
    RoundControls enabled;
    double stake = 0;
    double bankroll = 0;
    bool insuranceOffered = false;
};
