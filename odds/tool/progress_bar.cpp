#include "odds/tool/progress_bar.h"

#include <algorithm>
#include <string>

ProgressBar::ProgressBar(std::ostream &terminal, std::uint64_t total, int width)
    : terminal(terminal), total(std::max<std::uint64_t>(total, 1)), width(width) {}

void ProgressBar::show(std::uint64_t done) {
    done = std::min(done, total);
    // In floating point: done * 100 would overflow near the largest round counts.
    const int percent = static_cast<int>(100.0 * static_cast<double>(done) / static_cast<double>(total));
    if (percent == shownPercent)
        return;
    shownPercent = percent;
    const int filled = width * percent / 100;
    terminal << '\r' << '[' << std::string(static_cast<std::size_t>(filled), '#')
             << std::string(static_cast<std::size_t>(width - filled), ' ') << "] " << percent << '%'
             << std::flush;
}

void ProgressBar::finish() {
    show(total);
    terminal << '\n' << std::flush;
}
