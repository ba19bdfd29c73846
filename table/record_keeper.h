#pragma once

#include "odds/session_record.h"
#include "play/round_listener.h"

#include <QPointer>
#include <optional>

class BJStats;
class CoachOnDemand;
class SessionChart;
class QWidget;

// Keeps the session's record as the round reports it: each deal, each choice with the decision it
// answered, each outcome and each round's end, a round given up counting for nothing. The record's window
// shows it, updated as each round ends.
class RecordKeeper final : public RoundListener {
public:
    RecordKeeper(CoachOnDemand &coach, double startingBankroll);
    ~RecordKeeper() override;

    // Opens the record's window beside `table`, or brings it forward.
    void showWindow(const QWidget *table);
    void closeWindow();

    void roundDealt(const report::RoundDealt &dealt) override;
    void choiceMade(const report::ChoiceMade &made) override;
    void outcomeSettled(const report::OutcomeSettled &settled) override;
    void roundEnded(const report::RoundEnded &ended) override;

private:
    // Built with the first deal or the first look at it: the coach it needs is built then.
    SessionRecord &record();
    void showRecord();
    void fitChartOnScreen();

    CoachOnDemand &coach;
    double startingBankroll;
    std::optional<SessionRecord> session;
    QPointer<BJStats> window;
    QPointer<SessionChart> chart;
};
