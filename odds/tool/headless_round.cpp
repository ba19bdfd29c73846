#include "odds/tool/headless_round.h"

#include "odds/infinite_deck.h"
#include "odds/strategy.h"
#include "play/headless_view.h"
#include "play/round_model.h"
#include "play/time_of_day_clock.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

// The dealer's pauses pass at once: the clock moves on by whatever a pause asks for.
class InstantClock final : public TimeOfDayClock {
public:
    double secondsSinceMidnight() const override { return now; }
    int millisecondsToSleep(double seconds) override {
        now += seconds;
        if (now >= secondsPerDay)
            now -= secondsPerDay;
        return 0;
    }

private:
    double now = 0;
};

class HeadlessRounds final : public RoundSource {
public:
    HeadlessRounds(const Strategy &strategy, RandomSource &random)
        : strategy(strategy), model(random, clock) {
        model.addListener(view);
        model.load();
    }

    double playRound() override {
        // Set afresh for every round, so no run is long enough to move it: amounts are whole numbers far
        // below 2^53, and a double holds each of them, and every sum of them, exactly.
        constexpr double bankroll = 1e12;
        model.setBankroll(bankroll);
        model.placeChip(simulatedStake);
        model.deal();
        // The offer comes after the player's two cards are dealt, before a natural is paid.
        if (model.phase() == RoundPhase::InsuranceOffer)
            model.answerInsurance(strategy.takesInsurance(countHand(model.cards().PlayCard))
                                      ? InsuranceAnswer::Yes
                                      : InsuranceAnswer::No);
        for (int choices = 0; model.phase() == RoundPhase::PlayerTurn; ++choices) {
            // Five hits and a stand end any hand: more choices mean the table ignored one, and the turn
            // would never end.
            if (choices > handBoxes)
                throw std::logic_error("the table ignored the player's choices");
            playerTurn();
        }
        while (model.phase() == RoundPhase::DealerTurn)
            model.endDealerPause();
        // The bankroll covers every stake and insurance, so a refusal means the rounds are not what
        // they seem.
        if (!view.alerts.empty())
            throw std::logic_error("the table refused a headless round");
        if (model.phase() != RoundPhase::Idle)
            throw std::logic_error("a headless round did not come back to an idle table");
        return (model.bankroll() - bankroll) / simulatedStake;
    }

private:
    void playerTurn() {
        const RoundState &cards = model.cards();
        const int cardCount = static_cast<int>(std::count_if(cards.PlayCard.begin(), cards.PlayCard.end(),
                                                             [](int value) { return value != 0; }));
        // With seven cards a hit draws nothing; only standing ends the turn.
        if (cardCount >= handBoxes) {
            model.stand();
            return;
        }
        const int upCard = cards.ComCard[0];
        // InsYes keeps the last answer given, so it speaks for this hand only under an ace.
        const bool insured = upCard == 1 && cards.InsYes == 1;
        switch (strategy.choose({countHand(cards.PlayCard), cardCount, upCard, insured})) {
        case PlayerAction::Stand:
            model.stand();
            break;
        case PlayerAction::Hit:
            model.hit();
            break;
        case PlayerAction::Double:
            // A double the table does not offer would do nothing, and the turn would never end.
            if (!model.controls().doubleDown)
                throw std::logic_error("the strategy doubled where the table offers no double");
            model.doubleDown();
            break;
        }
    }

    const Strategy &strategy;
    HeadlessView view;
    InstantClock clock;
    RoundModel model;
};

} // namespace

std::unique_ptr<RoundSource> makeHeadlessRounds(const Strategy &strategy, RandomSource &random) {
    return std::make_unique<HeadlessRounds>(strategy, random);
}
