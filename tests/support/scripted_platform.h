#pragma once

#include "platform/platform_bundle.h"
#include "play/round_model.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class BJMain;
struct TableControls;

// Hands out the uniform numbers a test scripts; once the script runs out it gives 0.5.
class ScriptedRandom final : public RandomSource {
public:
    float next() override;
    void reseed() override { ++reseeds; }

    void push(float uniform) { script.push_back(uniform); }
    // Scripts the shown-card draws that produce these card numbers.
    void pushCards(std::initializer_list<int> cardNumbers);
    // Scripts a whole deal: the three hidden draws of the availability table, then the dealer's up
    // card and the player's two cards. Every test deals through this.
    void pushDeal(int upCard, int playerFirst, int playerSecond);
    // The uniform number that the shown-card draw turns into this card number.
    static float uniformFor(int cardNumber);

    std::size_t remaining() const { return script.size(); }
    void clearScript() { script.clear(); }
    int reseeds = 0;
    int draws = 0;

private:
    std::deque<float> script;
};

// A time-of-day clock that stands still until a pause asks it to move, then moves at once.
class FakeClock final : public TimeOfDayClock {
public:
    double secondsSinceMidnight() const override { return now; }
    int millisecondsToSleep(double seconds) override;

    double now = 36000.25;
    // Every stretch a pause asked to sleep, in order.
    std::vector<double> sleeps;
};

// Records every sound the table asks for and accepts them all unless told otherwise.
class RecordingWavePlayer final : public WavePlayer {
public:
    int play(const QString &path) override;

    QStringList played;
    int result = 1;
};

// A table window on scripted parts and its round; the parts stay reachable for the test, the controls
// through `ui`.
struct ScriptedTable {
    ScriptedTable();
    ~ScriptedTable();

    std::unique_ptr<ScriptedRandom> ownRandom = std::make_unique<ScriptedRandom>();
    std::unique_ptr<FakeClock> ownClock = std::make_unique<FakeClock>();
    std::unique_ptr<RecordingWavePlayer> ownWave = std::make_unique<RecordingWavePlayer>();
    ScriptedRandom *random = ownRandom.get();
    FakeClock *clock = ownClock.get();
    RecordingWavePlayer *wave = ownWave.get();
    std::unique_ptr<RoundModel> model;
    std::unique_ptr<BJMain> window;
    // The window's controls, found by their object names (support/table_controls.h).
    std::unique_ptr<TableControls> ui;

    BJMain *operator->() const { return window.get(); }
    // The names of the sounds played so far, without the program's directory.
    QStringList soundNames() const;

    // The player's verbs through real clicks, with the cards scripted as in support/scripted_round.h.
    // An insurance offer stays open for the test to answer; a stand returns once the dealer's pauses
    // have run out and the round is settled.
    void stake(double bet, double bankroll);
    void deal(int upCard, int playerFirst, int playerSecond);
    void hit(int card);
    void stand(std::initializer_list<int> dealerCards);
    // Lets the window's timer end the dealer's pauses until the round is settled; false when it is not
    // within the five seconds QTest waits.
    bool finishDealerPlay();
};

// The program directory the scripted table reports.
inline const QString scriptedProgramDirectory = QStringLiteral("/opt/corvane");
