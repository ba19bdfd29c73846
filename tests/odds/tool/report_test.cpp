#include "odds/tool/progress_bar.h"
#include "odds/tool/report.h"

#include <gtest/gtest.h>
#include <sstream>

TEST(Report, JsonHoldsTheFiveFieldsWithNumbersThatReadBackExactly) {
    const SimulationResult result{StrategyChoice::Mimic, 200000,          18446744073709551615u,
                                  -0.04331234567890123,  0.0024681357911, -0.0433};
    const std::string json = jsonReport(result);
    EXPECT_EQ(json, "{\"strategy\": \"mimic\", \"rounds\": 200000, \"seed\": 18446744073709551615, "
                    "\"return\": -0.04331234567890123, \"stderr\": 0.0024681357911}");
    EXPECT_EQ(json.find('\n'), std::string::npos) << "one line";
}

TEST(Report, TextPutsTheMeanBesideTheExactValue) {
    const SimulationResult result{StrategyChoice::Basic, 1000, 3, -0.012, 0.002, -0.010};
    const std::string text = textReport(result);
    EXPECT_NE(text.find("strategy basic, 1000 rounds, seed 3"), std::string::npos) << text;
    EXPECT_NE(text.find("-0.012000 stakes (standard error 0.002000)"), std::string::npos) << text;
    EXPECT_NE(text.find("-0.010000 stakes (the mean lies 1.00 standard errors from it)"), std::string::npos)
        << text;
}

TEST(ProgressBar, RedrawsInPlaceOnlyWhenThePercentageMoves) {
    std::ostringstream terminal;
    ProgressBar bar(terminal, 1000, 10);
    bar.show(0);
    bar.show(4);   // still 0%
    bar.show(500); // 50%
    bar.show(501);
    bar.finish();
    EXPECT_EQ(terminal.str(), "\r[          ] 0%\r[#####     ] 50%\r[##########] 100%\n");
}

TEST(ProgressBar, NeverPassesAHundredPercent) {
    std::ostringstream terminal;
    ProgressBar bar(terminal, 3, 4);
    bar.show(7);
    EXPECT_EQ(terminal.str(), "\r[####] 100%");
}
