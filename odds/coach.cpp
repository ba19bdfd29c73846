#include "odds/coach.h"

#include "betting/payouts.h"
#include "odds/infinite_deck.h"
#include "play/round_model.h"

#include <algorithm>

namespace {

// A natural is paid 3 to 2 as soon as the deal is over, whatever the dealer holds.
constexpr double naturalReturn = blackjackPayout(1.0) - 1.0;

bool isNatural(const PlayerSituation &situation) {
    return situation.cardCount == 2 && situation.hand.holdsAce && situation.hand.hardTotal == 11;
}

} // namespace

Decision decisionFrom(const OpenDecision &open) {
    Decision decision;
    const int cardCount = static_cast<int>(std::count_if(open.playerCards.begin(), open.playerCards.end(),
                                                         [](int value) { return value != 0; }));
    decision.situation = {countHand(open.playerCards), cardCount, open.upCard, open.insured};
    decision.stake = open.stake;
    decision.bankroll = open.bankroll;
    if (open.insuranceOffer) {
        decision.insuranceOffer = true;
        decision.canInsure = insuranceCost(decision.stake) <= decision.bankroll;
        return decision;
    }
    decision.canStand = open.enabled.stand;
    // With seven cards a hit draws nothing: the hand can only stand.
    decision.canHit = open.enabled.hit && cardCount < handBoxes;
    decision.canDouble = open.enabled.doubleDown && decision.stake <= decision.bankroll;
    return decision;
}

std::optional<Decision> decisionAt(const RoundModel &model) {
    const std::optional<OpenDecision> open = model.openDecision();
    if (!open)
        return std::nullopt;
    return decisionFrom(*open);
}

double Coach::bestTurnValue(const PlayerSituation &situation, bool canDouble) const {
    if (canDouble || !situation.doubleOffered())
        return bestPlay.value(situation);
    return std::max(bestPlay.actionValue(situation, PlayerAction::Stand),
                    bestPlay.actionValue(situation, PlayerAction::Hit));
}

std::vector<ChoiceValue> Coach::advise(const Decision &decision) const {
    std::vector<ChoiceValue> choices;
    const PlayerSituation &situation = decision.situation;
    const double stake = decision.stake;
    const double cost = insuranceCost(stake);
    if (decision.insuranceOffer) {
        // Either answer lets a natural be paid at once; a bought insurance is then simply lost.
        PlayerSituation insured = situation;
        insured.insured = true;
        const double declined =
            isNatural(situation) ? naturalReturn : bestTurnValue(situation, stake <= decision.bankroll);
        choices.push_back({Choice::DeclineInsurance, stake * declined});
        if (decision.canInsure) {
            const double bought = isNatural(situation)
                                      ? naturalReturn
                                      : bestTurnValue(insured, stake <= decision.bankroll - cost);
            choices.push_back({Choice::Insure, stake * bought - cost});
        }
    } else {
        const double paid = situation.insured && situation.upCard == 1 ? cost : 0;
        const auto add = [&](bool allowed, Choice choice, PlayerAction action) {
            if (allowed)
                choices.push_back({choice, stake * bestPlay.actionValue(situation, action) - paid});
        };
        add(decision.canStand, Choice::Stand, PlayerAction::Stand);
        add(decision.canHit, Choice::Hit, PlayerAction::Hit);
        add(decision.canDouble && situation.doubleOffered(), Choice::Double, PlayerAction::Double);
    }
    std::stable_sort(choices.begin(), choices.end(),
                     [](const ChoiceValue &a, const ChoiceValue &b) { return a.expected > b.expected; });
    return choices;
}

double Coach::expectedAtDeal(double stake, double bankroll) const {
    double expected = 0;
    for (int upCard = lowestCardValue; upCard <= highestCardValue; ++upCard) {
        for (int first = lowestCardValue; first <= highestCardValue; ++first) {
            for (int second = lowestCardValue; second <= highestCardValue; ++second) {
                Decision decision;
                decision.situation = {{first + second, first == 1 || second == 1}, 2, upCard, false};
                decision.stake = stake;
                decision.bankroll = bankroll;
                decision.insuranceOffer = upCard == 1;
                decision.canInsure = insuranceCost(stake) <= bankroll;
                decision.canStand = decision.canHit = true;
                decision.canDouble = stake <= bankroll;
                const double round = upCard != 1 && isNatural(decision.situation)
                                         ? stake * naturalReturn
                                         : advise(decision).front().expected;
                expected +=
                    cardProbability(upCard) * cardProbability(first) * cardProbability(second) * round;
            }
        }
    }
    return expected;
}
