// Times the session's chart as the record's window updates it when a round ends: the record's path handed
// to the chart and the chart painted, at the size it has in the window, after 10,000 rounds of a real
// session played headless with the coach's best choices. Prints the median and the slowest update of the
// last hundred rounds, as time on the clock and as the time the processor gave the program (which a busy
// machine does not inflate); exits 1 when the median or the slowest on the clock took 5 ms or more.
#include "cards/system_random_source.h"
#include "odds/session_record.h"
#include "play/round_model.h"
#include "table/session_chart.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// The dealer's pauses pass at once.
class InstantClock final : public TimeOfDayClock {
public:
    double secondsSinceMidnight() const override { return now; }
    int millisecondsToSleep(double seconds) override {
        now += seconds;
        return 0;
    }

private:
    double now = 36000;
};

// Keeps the record as the table's record keeper does.
class RecordFeed final : public RoundListener {
public:
    explicit RecordFeed(SessionRecord &record) : record(record) {}
    void roundDealt(const report::RoundDealt &d) override { record.roundDealt(d.stake, d.bankroll); }
    void choiceMade(const report::ChoiceMade &m) override {
        record.choiceMade(decisionFrom(m.decision), m.choice);
    }
    void outcomeSettled(const report::OutcomeSettled &s) override { record.roundSettled(s.outcome); }
    void roundEnded(const report::RoundEnded &e) override {
        if (e.settled)
            record.roundEnded(e.bankroll);
    }

private:
    SessionRecord &record;
};

void play(RoundModel &model, Choice choice) {
    switch (choice) {
    case Choice::Stand:
        return model.stand();
    case Choice::Hit:
        return model.hit();
    case Choice::Double:
        return model.doubleDown();
    case Choice::Insure:
        return model.answerInsurance(InsuranceAnswer::Yes);
    case Choice::DeclineInsurance:
        return model.answerInsurance(InsuranceAnswer::No);
    }
}

double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    constexpr int rounds = 10'000;
    constexpr int timed = 100;
    const Coach coach;
    SessionRecord record(coach, 500);
    RecordFeed feed(record);
    SystemRandomSource cards(2026);
    InstantClock clock;
    RoundModel model(cards, clock);
    model.addListener(feed);
    model.load();

    SessionChart chart;
    chart.resize(chart.sizeHint());
    chart.show();
    QCoreApplication::processEvents();
    // Painted into a picture of the screen's scale, so that every update paints whether or not the
    // platform has shown the window yet.
    QPixmap painted(chart.size() * chart.devicePixelRatioF());
    painted.setDevicePixelRatio(chart.devicePixelRatioF());
    std::vector<double> milliseconds;
    std::vector<double> processor;
    while (record.totals().rounds < rounds) {
        model.setBankroll(10'000);
        model.placeChip(10);
        model.deal();
        while (const std::optional<Decision> decision = decisionAt(model))
            play(model, coach.advise(*decision).front().choice);
        while (model.phase() == RoundPhase::DealerTurn)
            model.endDealerPause();
        if (record.totals().rounds <= rounds - timed)
            continue;
        QElapsedTimer timer;
        timer.start();
        const double started = threadMilliseconds();
        chart.showPath(record.path());
        chart.render(&painted);
        processor.push_back(threadMilliseconds() - started);
        milliseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }

    std::sort(milliseconds.begin(), milliseconds.end());
    std::sort(processor.begin(), processor.end());
    const double median = milliseconds[milliseconds.size() / 2];
    const bool ok = median < 5 && milliseconds.back() < 5;
    std::printf(
        "chart at %d rounds: %zu updates, median %.3f ms, slowest %.3f ms (processor: median %.3f ms, "
        "slowest %.3f ms): %s\n",
        rounds, milliseconds.size(), median, milliseconds.back(), processor[processor.size() / 2],
        processor.back(), ok ? "ok" : "5 ms or more");
    return ok ? 0 : 1;
}
