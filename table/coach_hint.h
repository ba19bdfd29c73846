#pragma once

#include "play/round_listener.h"

#include <QList>
#include <QPointer>
#include <QRect>

class BJHint;
class QString;
class QWidget;

// The coach's answer on screen, in a window beside the table that never covers the table's controls,
// cards or captions. The answer stands until its decision has passed: a card, an amount, the actions
// allowed or the offer changing puts it away. It closes with the table.
class CoachHint final : public RoundListener {
public:
    explicit CoachHint(QWidget *table);
    ~CoachHint() override;

    // Shows `words`, leaving `keepClear` uncovered.
    void show(const QString &words, const QList<QRect> &keepClear);
    void close();

    void cardDealt(const report::CardDealt &) override { putAway(); }
    void boxChanged(const report::BoxChanged &) override { putAway(); }
    void amountsChanged(const report::AmountsChanged &) override { putAway(); }
    void controlsChanged(const report::ControlsChanged &) override { putAway(); }
    void insuranceOfferClosed(const report::InsuranceOfferClosed &) override { putAway(); }

private:
    void putAway();

    QWidget *table;
    QPointer<BJHint> window;
};
