#include "odds/headless_round.h"

#include "odds/infinite_deck.h"
#include "odds/strategy.h"
#include "platform/time_of_day_clock.h"
#include "play/round_model.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

// The table without a window: it shows nothing, plays nothing, never pauses the dealer, and answers the
// insurance offer as the strategy would.
class HeadlessView final : public RoundView {
public:
    explicit HeadlessView(const Strategy &strategy) : strategy(strategy) {}

    void watch(const RoundModel &round) { model = &round; }

    void showCardBox(Hand, int, BoxShows, int) override {}
    void showBankroll(double) override {}
    void showStake(double) override {}
    void showPlayerTotal(int) override {}
    void showDealerTotal(int) override {}
    void enableControls(const RoundControls &) override {}
    void playSound(SoundCue) override {}
    void showClip(ClipCue) override {}
    void resetClip() override {}
    void hideClip() override {}

    // The bankroll covers every stake and insurance, so a refusal means the rounds are not what they seem.
    void alert(Alert refusal) override {
        throw std::logic_error(std::string("the table refused a headless round: ") + alertText(refusal));
    }

    // The offer comes after the player's two cards are dealt, before a natural is paid.
    InsuranceAnswer askInsurance() override {
        return strategy.takesInsurance(countHand(model->cards().PlayCard)) ? InsuranceAnswer::Yes
                                                                           : InsuranceAnswer::No;
    }

    bool waitBeforeDealerCard(DealerPause &) override { return true; }

private:
    const Strategy &strategy;
    const RoundModel *model = nullptr;
};

class HeadlessRounds final : public RoundSource {
public:
    HeadlessRounds(const Strategy &strategy, RandomSource &random)
        : strategy(strategy), view(strategy), model(view, random, clock) {
        view.watch(model);
        model.load();
    }

    double playRound() override {
        // Set afresh for every round, so no run is long enough to move it: amounts are whole numbers far
        // below 2^53, and a double holds each of them, and every sum of them, exactly.
        constexpr double bankroll = 1e12;
        model.setBankroll(bankroll);
        model.placeChip(simulatedStake);
        model.deal();
        for (int choices = 0; model.phase() == RoundPhase::PlayerTurn; ++choices) {
            // Five hits and a stand end any hand: more choices mean the table ignored one, and the turn
            // would never end.
            if (choices > handBoxes)
                throw std::logic_error("the table ignored the player's choices");
            playerTurn();
        }
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
            if (!model.controls().cmdDouble)
                throw std::logic_error("the strategy doubled where the table offers no double");
            model.doubleDown();
            break;
        }
    }

    const Strategy &strategy;
    HeadlessView view;
    // Never read: the headless view ends every dealer's pause at once.
    SystemTimeOfDayClock clock;
    RoundModel model;
};

} // namespace

std::unique_ptr<RoundSource> makeHeadlessRounds(const Strategy &strategy, RandomSource &random) {
    return std::make_unique<HeadlessRounds>(strategy, random);
}
