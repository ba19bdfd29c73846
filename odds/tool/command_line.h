#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class StrategyChoice { Basic, Mimic };

const char *strategyName(StrategyChoice strategy);

struct OddsOptions {
    StrategyChoice strategy = StrategyChoice::Basic;
    std::uint64_t rounds = 1'000'000;
    std::optional<std::uint64_t> seed; // none: a fresh seed, reported with the result
    bool json = false;
    bool chart = false;
    bool help = false;
};

// The options, or what is wrong with the command line (then `error` is not empty).
struct ParsedCommandLine {
    OddsOptions options;
    std::string error;
};

// `arguments` without the program's name. Options take their value as the next argument or after '='.
ParsedCommandLine parseCommandLine(const std::vector<std::string> &arguments);

std::string usageText();
