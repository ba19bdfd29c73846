#pragma once

#include <cstdint>
#include <ostream>

// A one-line bar on a terminal, redrawn in place with a carriage return, only when the shown percentage
// changes, so that a long run writes a hundred updates at most.
class ProgressBar {
public:
    ProgressBar(std::ostream &terminal, std::uint64_t total, int width = 40);

    void show(std::uint64_t done);
    // Shows 100% and ends the line, so that what follows starts on a line of its own.
    void finish();

private:
    std::ostream &terminal;
    std::uint64_t total;
    int width;
    int shownPercent = -1;
};
