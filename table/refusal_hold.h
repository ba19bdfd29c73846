#pragma once

#include "play/round_listener.h"

#include <QObject>
#include <deque>
#include <functional>

class QWidget;

// Stands between the round and the table's listeners and puts the round's refusals on screen. The round
// never waits, so a refused insurance or double goes on at once (the turn passes, a natural is paid);
// the player still reads "You have not enough money!!" first, and every listener hears what follows
// once the refusal is gone, in the order the round reported it. A refusal is gone when it is closed,
// and also when its window is destroyed without closing, so that the table can never stay frozen.
class RefusalHold final : public QObject, public RoundListener {
    Q_OBJECT

public:
    // `showRefusal` puts a refusal on screen and returns its window, or null when it showed none.
    explicit RefusalHold(std::function<QWidget *(Alert)> showRefusal);

    void addListener(RoundListener &listener) { audience.join(listener); }
    void removeListener(RoundListener &listener) { audience.leave(listener); }

    void hear(const RoundReport &report) override;

private:
    void tell(const RoundReport &report);
    // The refusal `window` is gone: what was held back is told, up to the next refusal if there is one.
    void refusalGone(const QObject *window);

    std::function<QWidget *(Alert)> showRefusal;
    RoundAudience audience;
    // The refusal on screen, compared only: it may be gone already.
    const QObject *showing = nullptr;
    std::deque<RoundReport> heldBack;
};
