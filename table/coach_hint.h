#pragma once

#include "play/round_listener.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <functional>

class BJHint;
class QString;
class QWidget;

// The coach's answer on screen, in a window beside the table that never covers the table's controls,
// cards or captions. Once opened it stays until the player closes it, or the table closes: whatever the
// round reports (a card, an amount, the actions allowed, the offer) may change the decision, and the
// answer is brought up to date once the round has told all of it.
class CoachHint final : public RoundListener {
public:
    // `answer` gives the coach's answer to the decision the table is at; `keepClear` the table's controls,
    // cards and captions on the screen as the window is placed.
    CoachHint(QWidget *table, std::function<QString()> answer, std::function<QList<QRect>()> keepClear);
    ~CoachHint() override;

    // Shows the answer, leaving the table's controls uncovered, and returns it.
    QString show();
    void close();

    void cardDealt(const report::CardDealt &) override { updateSoon(); }
    void boxChanged(const report::BoxChanged &) override { updateSoon(); }
    void amountsChanged(const report::AmountsChanged &) override { updateSoon(); }
    void controlsChanged(const report::ControlsChanged &) override { updateSoon(); }
    void insuranceOfferClosed(const report::InsuranceOfferClosed &) override { updateSoon(); }

private:
    void updateSoon();
    void update();

    QWidget *table;
    std::function<QString()> answer;
    std::function<QList<QRect>()> keepClear;
    QPointer<BJHint> window;
    bool updatePending = false;
};
