#include "odds/tool/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, ReadsEveryOptionInBothSpellings) {
    struct Case {
        std::vector<std::string> arguments;
        StrategyChoice strategy;
        std::uint64_t rounds;
        std::optional<std::uint64_t> seed;
        bool json;
    };
    for (const Case &c : {
             Case{{}, StrategyChoice::Basic, 1'000'000, std::nullopt, false},
             Case{{"--strategy", "mimic", "--rounds", "200000", "--seed", "7", "--json"},
                  StrategyChoice::Mimic,
                  200'000,
                  7,
                  true},
             Case{{"--strategy=basic", "--rounds=2", "--seed=0"}, StrategyChoice::Basic, 2, 0, false},
             Case{{"--seed", "18446744073709551615"}, StrategyChoice::Basic, 1'000'000, UINT64_MAX, false},
             Case{{"--rounds", "5", "--rounds", "9"}, StrategyChoice::Basic, 9, std::nullopt, false},
         }) {
        const ParsedCommandLine parsed = parseCommandLine(c.arguments);
        ASSERT_EQ(parsed.error, "") << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(parsed.options.strategy, c.strategy);
        EXPECT_EQ(parsed.options.rounds, c.rounds);
        EXPECT_EQ(parsed.options.seed, c.seed);
        EXPECT_EQ(parsed.options.json, c.json);
    }
}

TEST(CommandLine, RefusesWhatItCannotRunWithAReason) {
    struct Case {
        std::vector<std::string> arguments;
        const char *reasonMentions;
    };
    for (const Case &c : {
             Case{{"--strategy", "counting"}, "counting"},
             Case{{"--strategy"}, "--strategy"},
             Case{{"--rounds"}, "--rounds"},
             Case{{"--rounds", "-5"}, "-5"},
             Case{{"--rounds", "+5"}, "+5"},
             Case{{"--rounds", "1e8"}, "1e8"},
             Case{{"--rounds", "12 "}, "12 "},
             Case{{"--rounds", ""}, "--rounds"},
             Case{{"--rounds", "1"}, "at least 2"},
             Case{{"--rounds", "0"}, "at least 2"},
             Case{{"--seed", "18446744073709551616"}, "18446744073709551616"},
             Case{{"--seed", "0x10"}, "0x10"},
             Case{{"--json=yes"}, "--json=yes"},
             Case{{"200000"}, "200000"},
             Case{{"--round", "5"}, "--round"},
         }) {
        const ParsedCommandLine parsed = parseCommandLine(c.arguments);
        EXPECT_NE(parsed.error.find(c.reasonMentions), std::string::npos)
            << ::testing::PrintToString(c.arguments) << " gave: " << parsed.error;
    }
}
