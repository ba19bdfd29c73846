#pragma once

#include "odds/tool/command_line.h"

#include <cstdint>
#include <string>

struct SimulationResult {
    StrategyChoice strategy = StrategyChoice::Basic;
    std::uint64_t rounds = 0;
    std::uint64_t seed = 0;
    double meanReturn = 0;    // per round, in first stakes
    double standardError = 0; // of meanReturn
    double exactReturn = 0;   // what the exact analysis expects of the strategy
};

// The lines a person reads: the run, the mean with its standard error, the exact value beside it.
std::string textReport(const SimulationResult &result);

// One line of JSON, no newline: {"strategy": ..., "rounds": ..., "seed": ..., "return": ..., "stderr": ...}.
// Numbers are written in their shortest form that reads back to the same double.
std::string jsonReport(const SimulationResult &result);
