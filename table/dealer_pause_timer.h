#pragma once

#include "play/round_listener.h"

#include <QObject>
#include <QTimer>

class RoundModel;

// Ends each of the dealer's pauses when its time has run; a restart or a closed window stops it.
class DealerPauseTimer final : public QObject, public RoundListener {
    Q_OBJECT

public:
    explicit DealerPauseTimer(RoundModel &round);

    void dealerPaused(const report::DealerPaused &pause) override { timer.start(pause.milliseconds); }
    void dealerPauseCancelled(const report::DealerPauseCancelled &) override { timer.stop(); }

private:
    QTimer timer;
};
