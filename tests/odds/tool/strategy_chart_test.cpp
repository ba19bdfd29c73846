#include "odds/tool/strategy_chart.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

// The chart's columns, left to right: up cards 2 to 10, the ace, the ace with insurance bought.
constexpr int columnUpCards[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 1};

char letter(PlayerAction action) {
    return action == PlayerAction::Stand ? 'S' : action == PlayerAction::Hit ? 'H' : 'D';
}

} // namespace

TEST(StrategyChart, EveryTwoCardCellShowsTheAnalysisChoice) {
    const ExactAnalysis bestPlay;
    std::istringstream chart(strategyChart(bestPlay));
    int rowsChecked = 0;
    for (std::string line; std::getline(chart, line);) {
        // The rows of the chart begin at the margin; the notes below it are indented.
        if (!line.starts_with("hard") && !line.starts_with("soft"))
            continue;
        std::istringstream row(line);
        std::string kind;
        int total = 0;
        row >> kind >> total;
        if (total > 20)
            continue;
        const HandCount hand = kind == "soft" ? HandCount{total - 10, true} : HandCount{total, false};
        for (int column = 0; column < 11; ++column) {
            char shown = 0;
            ASSERT_TRUE(row >> shown) << line;
            const PlayerSituation situation{hand, 2, columnUpCards[column], column == 10};
            EXPECT_EQ(shown, letter(bestPlay.action(situation))) << line << ", column " << column;
        }
        ++rowsChecked;
    }
    EXPECT_EQ(rowsChecked, (20 - 4 + 1) + (20 - 12 + 1));
}

TEST(StrategyChart, NamesTheHandsThatInsuranceIsBoughtOn) {
    const std::string gameRules = strategyChart(ExactAnalysis(InsurancePayout::StakeAtSettlement));
    EXPECT_NE(gameRules.find("bought on two-card hard 11"), std::string::npos) << gameRules;
    const std::string firstStake = strategyChart(ExactAnalysis(InsurancePayout::FirstStake));
    EXPECT_EQ(firstStake.find("bought on"), std::string::npos) << firstStake;
    EXPECT_NE(firstStake.find("never bought"), std::string::npos) << firstStake;
}
