#include "table/dealer_pause_timer.h"

#include "play/round_model.h"

DealerPauseTimer::DealerPauseTimer(RoundModel &round) {
    // Precise: a coarse timer may wake up to 5% early, and each early wake-up only asks for another.
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, [&round] { round.endDealerPause(); });
}
