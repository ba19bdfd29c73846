#include "cards/system_random_source.h"
#include "odds/tool/basic_strategy.h"
#include "odds/tool/command_line.h"
#include "odds/tool/headless_round.h"
#include "odds/tool/mimic_strategy.h"
#include "odds/tool/progress_bar.h"
#include "odds/tool/report.h"
#include "odds/tool/simulation.h"
#include "odds/tool/strategy_chart.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <optional>
#include <random>
#include <unistd.h>

namespace {

// About a second of play: shorter runs end before a bar would tell anything.
constexpr std::uint64_t longRun = 1'000'000;

int run(const OddsOptions &options) {
    const BasicStrategy basic;
    const MimicStrategy mimic;
    const double basicReturn = basic.analysis().expectedReturn();
    const double mimicReturn = expectedReturn(mimic);
    if (options.chart) {
        std::printf("%sExact expected return per round, in first stakes: basic %+.6f, mimic %+.6f\n",
                    strategyChart(basic.analysis()).c_str(), basicReturn, mimicReturn);
        return 0;
    }

    const bool playsBasic = options.strategy == StrategyChoice::Basic;
    const Strategy &strategy = playsBasic ? static_cast<const Strategy &>(basic) : mimic;
    const std::uint64_t seed = options.seed ? *options.seed : std::random_device{}();
    SystemRandomSource random(seed);
    const std::unique_ptr<RoundSource> rounds = makeHeadlessRounds(strategy, random);

    std::optional<ProgressBar> bar;
    if (options.rounds >= longRun && isatty(STDERR_FILENO))
        bar.emplace(std::cerr, options.rounds);
    const RunningStats returns = simulate(*rounds, options.rounds, bar ? &*bar : nullptr);

    const SimulationResult result{
        options.strategy, options.rounds,          seed,
        returns.mean(),   returns.standardError(), playsBasic ? basicReturn : mimicReturn};
    std::cout << textReport(result);
    if (options.json)
        std::cout << jsonReport(result) << '\n';
    std::cout.flush();
    return std::cout ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[]) {
    const ParsedCommandLine parsed = parseCommandLine({argv + 1, argv + argc});
    if (!parsed.error.empty()) {
        std::cerr << "corvane-odds: " << parsed.error << "\nTry 'corvane-odds --help'.\n";
        return 2;
    }
    if (parsed.options.help) {
        std::cout << usageText();
        return 0;
    }
    try {
        return run(parsed.options);
    } catch (const std::exception &failure) {
        std::cerr << "corvane-odds: " << failure.what() << '\n';
        return 1;
    }
}
