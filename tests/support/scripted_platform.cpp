#include "support/scripted_platform.h"

#include "support/table_controls.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QPushButton>
#include <QTest>

float ScriptedRandom::next() {
    ++draws;
    if (script.empty())
        return 0.5f;
    const float uniform = script.front();
    script.pop_front();
    return uniform;
}

float ScriptedRandom::uniformFor(int cardNumber) {
    return (static_cast<float>(cardNumber) - 0.5f) / 52.0f;
}

void ScriptedRandom::pushCards(std::initializer_list<int> cardNumbers) {
    for (int number : cardNumbers)
        push(uniformFor(number));
}

void ScriptedRandom::pushDeal(int upCard, int playerFirst, int playerSecond) {
    // Three different numbers: each is free after the reset, so each hidden draw takes one value.
    pushCards({1, 2, 3});
    pushCards({upCard, playerFirst, playerSecond});
}

int FakeClock::millisecondsToSleep(double seconds) {
    sleeps.push_back(seconds);
    now += seconds;
    if (now >= secondsPerDay)
        now -= secondsPerDay;
    return 0;
}

int RecordingWavePlayer::play(const QString &path) {
    played << path;
    return result;
}

ScriptedTable::ScriptedTable()
    : model(std::make_unique<RoundModel>(*random, *clock)),
      window(std::make_unique<BJMain>(*model, *wave, scriptedProgramDirectory)),
      ui(std::make_unique<TableControls>(*window)) {}

// The window goes before the round it listens to.
ScriptedTable::~ScriptedTable() {
    ui.reset();
    window.reset();
}

QStringList ScriptedTable::soundNames() const {
    QStringList names;
    for (const QString &path : wave->played)
        names << path.mid(scriptedProgramDirectory.size());
    return names;
}

void ScriptedTable::stake(double bet, double bankroll) {
    model->setBankroll(bankroll + bet);
    double left = bet;
    for (ChipLabel *chip : {ui->lblBet50, ui->lblBet10, ui->lblBet5}) {
        const int value = chip == ui->lblBet50 ? 50 : chip == ui->lblBet10 ? 10 : 5;
        for (; left >= value; left -= value)
            QTest::mouseClick(chip, Qt::LeftButton);
    }
}

void ScriptedTable::deal(int upCard, int playerFirst, int playerSecond) {
    random->pushDeal(upCard, playerFirst, playerSecond);
    QTest::mouseClick(ui->CmdNew, Qt::LeftButton);
}

void ScriptedTable::hit(int card) {
    random->pushCards({card});
    QTest::mouseClick(ui->CmdHit, Qt::LeftButton);
}

void ScriptedTable::stand(std::initializer_list<int> dealerCards) {
    random->pushCards(dealerCards);
    QTest::mouseClick(ui->CmdStand, Qt::LeftButton);
    finishDealerPlay();
}

bool ScriptedTable::finishDealerPlay() {
    return QTest::qWaitFor([this] { return model->phase() != RoundPhase::DealerTurn; });
}
