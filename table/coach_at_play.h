#pragma once

#include "play/round_listener.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <functional>

class BJHint;
class CoachOnDemand;
class QString;
class QWidget;

// The coach at the player's side while Other > Coach is checked: each choice the player makes is graded
// at once against the best one, shown in a note beside the table that takes no focus and covers none of
// the table's controls, and spoken by the screen reader. The note stays until the next verdict, the next
// deal, a restart or the coach going off; it is built with the first verdict.
class CoachAtPlay final : public RoundListener {
public:
    // `keepClear` gives the table's controls, cards and captions on the screen as the note is placed;
    // `speak` hands a verdict to the screen reader, to be told with the news of the choice it grades.
    CoachAtPlay(QWidget *table, CoachOnDemand &coach, std::function<QList<QRect>()> keepClear,
                std::function<void(const QString &)> speak);
    ~CoachAtPlay() override;

    void setOn(bool on);
    bool isOn() const { return on; }
    void close();

    void choiceMade(const report::ChoiceMade &made) override;
    void roundDealt(const report::RoundDealt &) override { putAway(); }
    void tableRestarted(const report::TableRestarted &) override { putAway(); }

private:
    void show(const QString &words);
    void putAway();

    QWidget *table;
    CoachOnDemand &coach;
    std::function<QList<QRect>()> keepClear;
    std::function<void(const QString &)> speak;
    bool on = false;
    QPointer<BJHint> note;
};
