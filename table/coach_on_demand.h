#pragma once

#include "odds/coach.h"

#include <optional>

// The coach's analysis takes about a millisecond to build, which the table's first paint does not need:
// it is built when first asked for.
class CoachOnDemand {
public:
    const Coach &get() {
        if (!coach)
            coach.emplace();
        return *coach;
    }

private:
    std::optional<Coach> coach;
};
