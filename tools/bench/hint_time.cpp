// Times the coach's answer as the player gets it: Other > Hint triggered in the real table window, from
// the key to the answer shown and handed to the screen reader, at the decisions of many real deals (the
// insurance offer, then the player's turn). Prints the median, the 99th percentile and the slowest
// answer; exits 1 when one took 10 ms or more.
#include "platform/platform_bundle.h"
#include "play/round_model.h"
#include "silence.h"
#include "table/table_window.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const int deals = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    PlatformBundle platform = PlatformBundle::system();
    platform.wave = std::make_unique<Silence>();
    RoundModel round(*platform.random, *platform.clock);
    BJMain table(round, *platform.wave, platform.programDirectory);
    table.show();
    auto *hint = table.findChild<QAction *>(QStringLiteral("Hint"));
    if (!hint) {
        std::fputs("hint_time: the table has no Hint action\n", stderr);
        return 2;
    }

    std::vector<double> milliseconds;
    const auto timeHint = [&] {
        QElapsedTimer timer;
        timer.start();
        hint->trigger();
        milliseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    };
    for (int deal = 0; deal < deals; ++deal) {
        table.lblBet10_Click();
        table.CmdNew_Click();
        if (round.phase() == RoundPhase::InsuranceOffer) {
            timeHint();
            round.answerInsurance(InsuranceAnswer::No);
        }
        timeHint();
        // The round is given up: the next deal starts on a fresh table.
        table.New_Game_Click();
        QCoreApplication::sendPostedEvents();
    }

    std::sort(milliseconds.begin(), milliseconds.end());
    const auto at = [&](double share) {
        return milliseconds[static_cast<std::size_t>(share * static_cast<double>(milliseconds.size() - 1))];
    };
    std::printf("hint: %zu answers, median %.3f ms, 99th percentile %.3f ms, slowest %.3f ms: %s\n",
                milliseconds.size(), at(0.5), at(0.99), milliseconds.back(),
                milliseconds.back() < 10 ? "ok" : "10 ms or more");
    return milliseconds.back() < 10 ? 0 : 1;
}
