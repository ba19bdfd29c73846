// Draws the README's pictures of the coach and the session's record: a session on scripted cards in the
// real table window with Other > Coach on, a wrong choice told as it is made, then Other > Statistics
// with its chart and Other > Hint at a decision, each window grabbed to a PNG in the folder given (docs/
// by tools/make_coach_pictures.sh).
#include "cards/random_source.h"
#include "odds/coach.h"
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
#include <random>

namespace {

// Hands out the uniform numbers that draw the scripted cards, 1 to 52; past the script, the numbers of a
// fixed sequence, the same on every run.
class CardScript final : public RandomSource {
public:
    float next() override {
        if (uniforms.empty())
            return std::uniform_real_distribution<float>(0.0f, 1.0f)(sequence);
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
    std::mt19937 sequence{29};
};

// The table grabbed with a window of its own beside its lower right corner.
QPixmap besideTable(QWidget &table, QWidget &window) {
    const QPixmap tablePicture = table.grab();
    const QPixmap windowPicture = window.grab();
    constexpr int gap = 8;
    QPixmap both(tablePicture.width() + gap + windowPicture.width(), tablePicture.height());
    both.fill(window.palette().color(QPalette::Window));
    QPainter painter(&both);
    painter.drawPixmap(0, 0, tablePicture);
    painter.drawPixmap(tablePicture.width() + gap, tablePicture.height() - windowPicture.height(),
                       windowPicture);
    return both;
}

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

    // A round of the session's middle, played by the coach's best choices but for every fifth, which
    // takes the second best.
    const Coach coach;
    int decisions = 0;
    const auto playRound = [&] {
        table.lblBet10_Click();
        table.CmdNew_Click();
        while (const std::optional<Decision> decision = decisionAt(round)) {
            const std::vector<ChoiceValue> choices = coach.advise(*decision);
            const Choice choice = choices[++decisions % 5 == 0 && choices.size() > 1 ? 1 : 0].choice;
            if (decision->insuranceOffer)
                round.answerInsurance(choice == Choice::Insure ? InsuranceAnswer::Yes : InsuranceAnswer::No);
            else
                choice == Choice::Hit
                    ? table.CmdHit_Click()
                    : (choice == Choice::Double ? table.cmdDouble_Click() : table.CmdStand_Click());
        }
    };
    QPixmap coachPicture;

    // Each step waits for the dealer's play before it; the table's own timer ends each pause.
    std::vector<std::function<void()>> steps{
        [&] { trigger("Coach"); },
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
        [&] { deal(9, 27, 52); }, // a blackjack
    };
    for (int middle = 0; middle < 40; ++middle)
        steps.push_back(playRound);
    steps.insert(
        steps.end(),
        {
            [&] { deal(10, 10, 23); }, // 20 against a ten, hit: the coach's verdict pictured
            [&] {
                cards.cards({14});
                table.CmdHit_Click();
                auto *note = table.findChild<BJHint *>(QStringLiteral("BJCoach"));
                if (note && note->isVisible())
                    coachPicture = besideTable(table, *note);
            },
            [&] {
                cards.cards({20});
                table.CmdStand_Click();
            },
            [&] { deal(10, 23, 19); }, // the decision pictured: hard 16 against a ten
            [&] { trigger("Statistics"); },
            [&] { trigger("Hint"); },
            [&] {
                // The record alone; the hint beside the table whose decision it answers, as it opens.
                BJStats *stats = nullptr;
                for (QWidget *window : QApplication::topLevelWidgets())
                    stats = stats ? stats : qobject_cast<BJStats *>(window);
                auto *hintWindow = table.findChild<BJHint *>(QStringLiteral("BJHint"));
                if (!stats || !hintWindow || coachPicture.isNull()) {
                    std::fputs("coach_pictures: the record's, the hint's or the coach's window is missing\n",
                               stderr);
                    QApplication::exit(1);
                    return;
                }
                int saved = 0;
                for (const auto &[name, picture] : {std::pair{"statistics.png", stats->grab()},
                                                    std::pair{"hint.png", besideTable(table, *hintWindow)},
                                                    std::pair{"coach.png", coachPicture}}) {
                    const QString file = out.filePath(QLatin1String(name));
                    if (picture.save(file)) {
                        std::printf("%s\n", qPrintable(file));
                        ++saved;
                    }
                }
                QApplication::exit(saved == 3 ? 0 : 1);
            },
        });
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
