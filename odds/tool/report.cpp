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
    // Each phrase is whole in its format: pieced together from short literals, the compiler writes the
    // words into the code in eight-byte runs, which lintian then reads as misspellings.
    report += fixed("mean return per round: %+.6f stakes", result.meanReturn) +
              fixed(" (standard error %.6f)\n", result.standardError);
    report += fixed("exact expected return: %+.6f stakes", result.exactReturn);
    if (result.standardError > 0)
        report += fixed(" (the mean lies %.2f standard errors from it)",
                        std::abs(result.meanReturn - result.exactReturn) / result.standardError);
    return report + "\n";
}

std::string jsonReport(const SimulationResult &result) {
    return std::string("{\"strategy\": \"") + strategyName(result.strategy) +
           "\", \"rounds\": " + std::to_string(result.rounds) + ", \"seed\": " + std::to_string(result.seed) +
           ", \"return\": " + shortestNumber(result.meanReturn) +
           ", \"stderr\": " + shortestNumber(result.standardError) + "}";
}
