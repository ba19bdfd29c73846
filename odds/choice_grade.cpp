#include "odds/choice_grade.h"

#include <algorithm>

namespace {

// Values worked out by different roads may differ in the last bits; closer than this they are equal.
constexpr double sameValue = 1e-9;

} // namespace

std::optional<ChoiceGrade> gradeChoice(const Coach &coach, const Decision &decision, Choice taken) {
    const std::vector<ChoiceValue> choices = coach.advise(decision);
    if (choices.size() < 2)
        return std::nullopt;
    const auto made = std::find_if(choices.begin(), choices.end(),
                                   [taken](const ChoiceValue &choice) { return choice.choice == taken; });
    if (made == choices.end())
        return std::nullopt;
    const double givenAway = choices.front().expected - made->expected;
    if (givenAway <= sameValue)
        return ChoiceGrade{taken, taken, 0};
    return ChoiceGrade{taken, choices.front().choice, givenAway};
}
