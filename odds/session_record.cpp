#include "odds/session_record.h"

#include "odds/choice_grade.h"

#include <algorithm>
#include <cmath>

double SessionTotals::luckInDeviations() const {
    return variance > 0 ? luck() / std::sqrt(variance) : 0;
}

SessionRecord::SessionRecord(const Coach &coach, double startingBankroll)
    : coach(coach), startingBankroll(startingBankroll), points{{startingBankroll, startingBankroll, 0}} {
    session.highestBankroll = startingBankroll;
}

void SessionRecord::roundDealt(double stake, double bankroll) {
    round = {};
    round.expectedBest = coach.expectedAtDeal(stake, bankroll);
    round.variance = stake * stake * coach.roundVariance();
    heldAtDeal = stake + bankroll;
    inPlay = true;
}

void SessionRecord::choiceMade(const Decision &decision, Choice chosen) {
    if (!inPlay)
        return;
    const std::vector<ChoiceValue> choices = coach.advise(decision);
    const auto made = std::find_if(choices.begin(), choices.end(),
                                   [chosen](const ChoiceValue &choice) { return choice.choice == chosen; });
    if (made == choices.end())
        return;
    round.insuranceBought += chosen == Choice::Insure ? 1 : 0;
    round.doubles += chosen == Choice::Double ? 1 : 0;
    if (const std::optional<ChoiceGrade> grade = gradeChoice(coach, decision, chosen)) {
        ++round.decisions;
        round.bestChoices += grade->isBest() ? 1 : 0;
        round.skill += grade->givenAway;
    }
}

void SessionRecord::roundSettled(RoundOutcome outcome) {
    switch (outcome) {
    case RoundOutcome::InsurancePays:
        ++round.insurancePaid;
        break;
    case RoundOutcome::Push:
        ++round.pushed;
        break;
    case RoundOutcome::Loss:
        ++round.lost;
        break;
    case RoundOutcome::Blackjack:
        ++round.blackjacks;
        [[fallthrough]];
    case RoundOutcome::Win:
    case RoundOutcome::DealerBusts:
        ++round.won;
        break;
    }
}

bool SessionRecord::roundEnded(double bankroll) {
    if (!inPlay || round.won + round.lost + round.pushed == 0)
        return false;
    inPlay = false;
    ++session.rounds;
    session.won += round.won;
    session.lost += round.lost;
    session.pushed += round.pushed;
    session.blackjacks += round.blackjacks;
    session.insuranceBought += round.insuranceBought;
    session.insurancePaid += round.insurancePaid;
    session.doubles += round.doubles;
    session.decisions += round.decisions;
    session.bestChoices += round.bestChoices;
    session.net += bankroll - heldAtDeal;
    session.highestBankroll = std::max(session.highestBankroll, bankroll);
    session.expectedBest += round.expectedBest;
    session.skill += round.skill;
    session.variance += round.variance;
    points.push_back({startingBankroll + session.net, startingBankroll + session.expectedBest - session.skill,
                      std::sqrt(session.variance)});
    return true;
}
