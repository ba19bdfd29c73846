#include "support/scripted_platform.h"

#include "table/table_window.h"

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
    if (onSleep)
        onSleep();
    now += seconds;
    if (now >= secondsPerDay)
        now -= secondsPerDay;
    return 0;
}

int RecordingWavePlayer::play(const QString &path) {
    played << path;
    return result;
}

ScriptedTable::ScriptedTable() {
    PlatformBundle bundle;
    auto scriptedRandom = std::make_unique<ScriptedRandom>();
    auto fakeClock = std::make_unique<FakeClock>();
    auto recorder = std::make_unique<RecordingWavePlayer>();
    random = scriptedRandom.get();
    clock = fakeClock.get();
    wave = recorder.get();
    bundle.random = std::move(scriptedRandom);
    bundle.clock = std::move(fakeClock);
    bundle.wave = std::move(recorder);
    bundle.programDirectory = scriptedProgramDirectory;
    window = std::make_unique<BJMain>(std::move(bundle));
}

ScriptedTable::~ScriptedTable() = default;

QStringList ScriptedTable::soundNames() const {
    QStringList names;
    for (const QString &path : wave->played)
        names << path.mid(scriptedProgramDirectory.size());
    return names;
}
