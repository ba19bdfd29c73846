#include "odds/tool/command_line.h"

#include <charconv>

const char *strategyName(StrategyChoice strategy) {
    return strategy == StrategyChoice::Basic ? "basic" : "mimic";
}

namespace {

// Plain decimal digits only: no sign, no blanks, no exponent, nothing past the largest 64-bit number.
std::optional<std::uint64_t> wholeNumber(const std::string &text) {
    std::uint64_t value = 0;
    const char *end = text.data() + text.size();
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (failure != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string> &arguments) {
    ParsedCommandLine parsed;
    OddsOptions &options = parsed.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const std::size_t equals = name.find('=');
            name.starts_with("--") && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const auto takeValue = [&]() -> std::optional<std::string> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        const auto fail = [&](const std::string &message) {
            parsed.error = message;
            return parsed;
        };

        if (name == "--help" || name == "-h") {
            options.help = true;
        } else if ((name == "--json" || name == "--chart") && !value) {
            (name == "--json" ? options.json : options.chart) = true;
        } else if (name == "--strategy") {
            const std::optional<std::string> choice = takeValue();
            if (!choice)
                return fail("--strategy needs a value: basic or mimic");
            if (*choice == "basic")
                options.strategy = StrategyChoice::Basic;
            else if (*choice == "mimic")
                options.strategy = StrategyChoice::Mimic;
            else
                return fail("unknown strategy '" + *choice + "' (basic or mimic)");
        } else if (name == "--rounds" || name == "--seed") {
            const std::optional<std::string> text = takeValue();
            if (!text)
                return fail(name + " needs a whole number");
            const std::optional<std::uint64_t> number = wholeNumber(*text);
            if (!number)
                return fail(name + " takes a whole number from 0 to 18446744073709551615, not '" + *text +
                            "'");
            if (name == "--seed") {
                options.seed = number;
            } else {
                // One round has no spread to measure, so no standard error.
                if (*number < 2)
                    return fail("--rounds must be at least 2");
                options.rounds = *number;
            }
        } else {
            return fail("unknown argument '" + arguments[i] + "'");
        }
    }
    return parsed;
}

std::string usageText() {
    return "Usage: corvane-odds [--strategy basic|mimic] [--rounds N] [--seed S] [--json]\n"
           "       corvane-odds --chart\n"
           "Plays N rounds of Corvane's blackjack with no window, pauses or sounds, and prints the mean\n"
           "return per round, per unit of the first stake, with its standard error and the exact value.\n"
           "\n"
           "  --strategy basic   the best play, derived from the exact analysis (default)\n"
           "  --strategy mimic   hit below 17, stand on 17 or more, double every two-card 11\n"
           "  --rounds N         rounds to play, at least 2 (default 1000000)\n"
           "  --seed S           seed of the card sequence, for a repeatable run (default: a fresh one)\n"
           "  --json             end with one line of JSON: strategy, rounds, seed, return, stderr\n"
           "  --chart            print the best play and the exact returns, and play nothing\n"
           "  --help             show this help\n";
}
