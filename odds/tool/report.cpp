#include "odds/tool/report.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::string shortestNumber(double value) {
    // JSON has no NaN or infinity.
    if (!std::isfinite(value))
        return "null";
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::string fixed(const char *format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::string textReport(const SimulationResult &result) {
    std::string report = "strategy " + std::string(strategyName(result.strategy)) + ", " +
                         std::to_string(result.rounds) + " rounds, seed " + std::to_string(result.seed) +
                         "\n";
    report += "mean return per round: " + fixed("%+.6f", result.meanReturn) + " stakes (standard error " +
              fixed("%.6f", result.standardError) + ")\n";
    report += "exact expected return: " + fixed("%+.6f", result.exactReturn) + " stakes";
    if (result.standardError > 0)
        report += " (the mean lies " +
                  fixed("%.2f", std::abs(result.meanReturn - result.exactReturn) / result.standardError) +
                  " standard errors from it)";
    return report + "\n";
}

std::string jsonReport(const SimulationResult &result) {
    return std::string("{\"strategy\": \"") + strategyName(result.strategy) +
           "\", \"rounds\": " + std::to_string(result.rounds) + ", \"seed\": " + std::to_string(result.seed) +
           ", \"return\": " + shortestNumber(result.meanReturn) +
           ", \"stderr\": " + shortestNumber(result.standardError) + "}";
}
