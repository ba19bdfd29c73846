#pragma once

#include "odds/coach.h"

#include <optional>

// How a choice compares with the best one open at its decision, in the table's currency at the
// decision's stake.
struct ChoiceGrade {
    Choice taken;
    // The best of the allowed choices; the one taken whenever it is worth as much as any.
    Choice best;
    // The best choice's expected result less the taken one's: 0 for a best choice.
    double givenAway = 0;

    bool isBest() const { return taken == best; }
};

// The grade of `taken` at `decision`, or none when the decision left no choice (a single allowed
// answer, such as the insurance declined for lack of money) or did not allow `taken`.
std::optional<ChoiceGrade> gradeChoice(const Coach &coach, const Decision &decision, Choice taken);
