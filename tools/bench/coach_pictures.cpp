// Draws the README's pictures of the coach and the session's record: a short session on scripted cards in
// the real table window, then Other > Statistics and Other > Hint at a decision, each window grabbed to
// a PNG in the folder given (docs/ by tools/make_coach_pictures.sh).
#include "cards/random_source.h"
#include "platform/platform_bundle.h"
#include "play/round_model.h"
#include "silence.h"
#include "table/coach_windows.h"
#include "table/insurance_dialog.h"
#include "table/table_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <functional>

namespace {

// Hands out the uniform numbers that draw the scripted cards, 1 to 52.
class CardScript final : public RandomSource {
public:
    float next() override {
        if (uniforms.empty())
            return 0.5f;
        const float uniform = uniforms.front();
        uniforms.pop_front();
        return uniform;
    }
    void reseed() override {}
    void cards(std::initializer_list<int> numbers) {
        for (const int number : numbers)
            uniforms.push_back((static_cast<float>(number) - 0.5f) / 52.0f);
    }
    // The deal's three hidden draws take three different cards, then the up card and the player's two.
    void deal(int up, int first, int second) { cards({1, 2, 3, up, first, second}); }

private:
    std::deque<float> uniforms;
};

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

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    auto script = std::make_unique<CardScript>();
    CardScript &cards = *script;
    PlatformBundle platform = PlatformBundle::system();
    platform.random = std::move(script);
    platform.clock = std::make_unique<InstantClock>();
    platform.wave = std::make_unique<Silence>();
    RoundModel round(*platform.random, *platform.clock);
    BJMain table(round, *platform.wave, platform.programDirectory);
    table.show();
    const auto trigger = [&](const char *name) {
        table.findChild<QAction *>(QLatin1String(name))->trigger();
    };
    const auto deal = [&](int up, int first, int second) {
        table.lblBet10_Click();
        cards.deal(up, first, second);
        table.CmdNew_Click();
    };

    // Each step waits for the dealer's play before it; the table's own timer ends each pause.
    const std::vector<std::function<void()>> steps{
        [&] { deal(19, 31, 32); }, // 6 up; 5 and 6: doubled to 21 against 16 and a king
        [&] {
            cards.cards({49, 49, 13});
            table.cmdDouble_Click();
        },
        [&] { deal(1, 36, 34); }, // an ace up; 10 and 8, insured, then a push on 18
        [&] { table.findChild<BJInsurWindow *>()->CmdYes->click(); },
        [&] {
            cards.cards({20});
            table.CmdStand_Click();
        },
        [&] { deal(10, 10, 6); }, // a ten up; 16 stands and loses to 20
        [&] {
            cards.cards({23});
            table.CmdStand_Click();
        },
        [&] { deal(9, 27, 52); },  // a blackjack
        [&] { deal(10, 23, 19); }, // the decision pictured: hard 16 against a ten
        [&] { trigger("Statistics"); },
        [&] { trigger("Hint"); },
        [&] {
            // The record alone; the hint beside the table whose decision it answers, as it opens.
            BJStats *stats = nullptr;
            for (QWidget *window : QApplication::topLevelWidgets())
                stats = stats ? stats : qobject_cast<BJStats *>(window);
            auto *hintWindow = table.findChild<BJHint *>();
            if (!stats || !hintWindow) {
                std::fputs("coach_pictures: the record's or the hint's window is missing\n", stderr);
                QApplication::exit(1);
                return;
            }
            const QPixmap tablePicture = table.grab();
            const QPixmap hintPicture = hintWindow->grab();
            constexpr int gap = 8;
            QPixmap both(tablePicture.width() + gap + hintPicture.width(), tablePicture.height());
            both.fill(hintWindow->palette().color(QPalette::Window));
            QPainter painter(&both);
            painter.drawPixmap(0, 0, tablePicture);
            painter.drawPixmap(tablePicture.width() + gap, tablePicture.height() - hintPicture.height(),
                               hintPicture);
            painter.end();
            int saved = 0;
            for (const auto &[name, picture] :
                 {std::pair{"statistics.png", stats->grab()}, std::pair{"hint.png", both}}) {
                const QString file = out.filePath(QLatin1String(name));
                if (picture.save(file)) {
                    std::printf("%s\n", qPrintable(file));
                    ++saved;
                }
            }
            QApplication::exit(saved == 2 ? 0 : 1);
        },
    };
    std::size_t next = 0;
    QTimer stepper;
    stepper.setInterval(50);
    QObject::connect(&stepper, &QTimer::timeout, [&] {
        if (round.phase() != RoundPhase::DealerTurn && next < steps.size())
            steps[next++]();
    });
    stepper.start();
    return QApplication::exec();
}
