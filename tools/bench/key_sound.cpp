// Times Hit as a keyboard player and a mouse player get it, in one run: from the key press of Alt+H, and
// from the mouse button's release on Hit (where a button acts), to the card's sound being started. Key
// and click take turns at the same kind of moment of many real deals. Prints the median and the 90th
// percentile of each; exits 1 when the key's median is more than 10 ms behind the click's.
#include "platform/platform_bundle.h"
#include "play/round_model.h"
#include "table/table_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A wave player that plays nothing and notes when it was asked to play.
class SoundStopwatch final : public WavePlayer {
public:
    int play(const QString &) override {
        heard = timer.nsecsElapsed();
        return 1;
    }
    void start() {
        heard = -1;
        timer.start();
    }
    // Milliseconds from start() to the sound, waiting in the event loop for up to a second.
    double wait() {
        if (!QTest::qWaitFor([this] { return heard >= 0; }, 1000))
            return 1000.0;
        return static_cast<double>(heard) / 1e6;
    }

private:
    QElapsedTimer timer;
    qint64 heard = -1;
};

struct Figures {
    std::vector<double> milliseconds;
    double at(double share) {
        std::sort(milliseconds.begin(), milliseconds.end());
        return milliseconds[static_cast<std::size_t>(share * static_cast<double>(milliseconds.size() - 1))];
    }
};

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const int deals = argc > 1 ? std::max(2, std::atoi(argv[1])) : 400;
    PlatformBundle platform = PlatformBundle::system();
    auto stopwatch = std::make_unique<SoundStopwatch>();
    SoundStopwatch &sound = *stopwatch;
    platform.wave = std::move(stopwatch);
    RoundModel round(*platform.random, *platform.clock);
    BJMain table(round, *platform.wave, platform.programDirectory);
    table.show();
    table.activateWindow();
    if (!QTest::qWaitForWindowActive(&table)) {
        std::fputs("key_sound: the table never became active\n", stderr);
        return 2;
    }
    auto *hit = table.findChild<QPushButton *>(QStringLiteral("CmdHit"));
    if (!hit) {
        std::fputs("key_sound: the table has no Hit button\n", stderr);
        return 2;
    }

    Figures key, click;
    for (int deal = 0; deal < deals; ++deal) {
        table.lblBet10_Click();
        table.CmdNew_Click();
        if (round.phase() == RoundPhase::InsuranceOffer)
            round.answerInsurance(InsuranceAnswer::No);
        if (!hit->isEnabled()) {
            table.New_Game_Click();
            continue;
        }
        if (deal % 2 == 0) {
            sound.start();
            QTest::keyPress(&table, Qt::Key_H, Qt::AltModifier);
            key.milliseconds.push_back(sound.wait());
            QTest::keyRelease(&table, Qt::Key_H, Qt::AltModifier);
        } else {
            const QPoint centre = hit->rect().center();
            QTest::mousePress(hit, Qt::LeftButton, {}, centre);
            sound.start();
            QTest::mouseRelease(hit, Qt::LeftButton, {}, centre);
            click.milliseconds.push_back(sound.wait());
        }
        // The round is given up: the next deal starts on a fresh table.
        table.New_Game_Click();
        QCoreApplication::sendPostedEvents();
    }
    if (key.milliseconds.empty() || click.milliseconds.empty()) {
        std::fputs("key_sound: no deal gave the player a turn\n", stderr);
        return 2;
    }

    const double keyMedian = key.at(0.5), clickMedian = click.at(0.5);
    const bool ok = keyMedian <= clickMedian + 10;
    std::printf("Alt+H to sound: %zu presses, median %.3f ms, 90th percentile %.3f ms\n"
                "click to sound: %zu clicks, median %.3f ms, 90th percentile %.3f ms\n"
                "the key is %.3f ms behind the click: %s\n",
                key.milliseconds.size(), keyMedian, key.at(0.9), click.milliseconds.size(), clickMedian,
                click.at(0.9), keyMedian - clickMedian, ok ? "ok" : "more than 10 ms");
    return ok ? 0 : 1;
}
