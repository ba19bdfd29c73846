#include "odds/tool/simulation.h"

#include "odds/tool/progress_bar.h"

RunningStats simulate(RoundSource &source, std::uint64_t rounds, ProgressBar *progress) {
    // The bar is looked at every 65536 rounds, a few hundredths of a second apart.
    constexpr std::uint64_t progressStep = 1u << 16;
    RunningStats returns;
    for (std::uint64_t round = 0; round < rounds; ++round) {
        if (progress && round % progressStep == 0)
            progress->show(round);
        returns.add(source.playRound());
    }
    if (progress)
        progress->finish();
    return returns;
}
