#pragma once

#include "cards/round_state.h"

#include <variant>

// Which of the round's actions the player may take now: deal, hit, stand, double, and the three chips,
// which always change together. The table maps each to its control.
struct RoundControls {
    bool deal = true;
    bool hit = false;
    bool stand = false;
    bool doubleDown = false;
    bool chips = true;

    bool operator==(const RoundControls &) const = default;
};

enum class InsuranceAnswer { Yes, No, Closed };

// The choices of a round: the answer to the insurance offer, then stand, hit or double.
enum class Choice { Stand, Hit, Double, Insure, DeclineInsurance };

// How a hand, or the insurance beside it, was settled. A win over a dealer who went past 21 is told
// apart from a win on the totals; a player's bust and a lower total are both a loss.
enum class RoundOutcome { InsurancePays, Push, Loss, Win, DealerBusts, Blackjack };

// The game's only refusals.
enum class Alert { NotEnoughMoney, BetFirst };

// What the player faced when a choice was due: the own cards, the dealer's up card, the insurance bought
// for the hand, and what the table allowed.
struct OpenDecision {
    HandCards playerCards{};     // card values, 0 where a box is empty
    int upCard = 0;              // 1 for an ace
    bool insured = false;        // insurance bought for this hand
    bool insuranceOffer = false; // the offer waits for its answer; otherwise it is the player's turn
    RoundControls enabled;       // during the turn: whether hit, stand and double are offered
    double stake = 0;            // the first stake
    double bankroll = 0;         // what is left beside the stake
};

// How a face-up card came to the table: the two hands' opening cards, a hit, the double's one card, or
// the dealer's hole card and draws.
enum class CardWay { Deal, Hit, Double, DealerDraw };

// The round's reports, in the game's terms. Each listener decides what a report looks, sounds or reads
// like; none has to work out what happened from a change of amounts.
namespace report {

// A card face up in a box of `hand`: `cardNumber` 1 to 52.
struct CardDealt {
    Hand hand;
    int position;
    int cardNumber;
    CardWay way;
};
// A box emptied, or showing a card face down.
struct BoxChanged {
    Hand hand;
    int position;
    BoxShows shows;
};
struct AmountsChanged {
    double bankroll;
    double stake;
};
// The hands' totals; the dealer's counts the up card alone, an ace as 1, until the hole card is turned.
struct TotalsChanged {
    int player;
    int dealer;
};
struct ControlsChanged {
    RoundControls enabled;
};
struct ChipPlaced {
    int amount;
    double stake;
    double bankroll;
};
// A deal begins on `stake`, with `bankroll` beside it; the last round's outcome leaves the table.
struct RoundDealt {
    double stake;
    double bankroll;
};
// The offer waits for RoundModel::answerInsurance. It stays up until InsuranceOfferClosed, so that a
// refusal of the answer shows over it.
struct InsuranceOffered {
    double cost;
};
struct InsuranceOfferClosed {};
// The offer answered: bought, or not (declined, closed, or refused for lack of money).
struct InsuranceAnswered {
    bool bought;
    double cost;
    double bankroll;
};
// A second stake taken: the double's card follows.
struct Doubled {
    double stake;
    double bankroll;
};
// A choice that took effect, with the decision it answered. A refused double is no choice; a refused
// insurance goes on as declined.
struct ChoiceMade {
    Choice choice;
    OpenDecision decision;
};
// The dealer pauses before a card: RoundModel::endDealerPause() is due in `milliseconds`.
struct DealerPaused {
    int milliseconds;
};
// A restart or a closed window ends the pause.
struct DealerPauseCancelled {};
// An outcome settled on `stake`: `paid` came back to the bankroll, which now holds `bankroll`. A round
// may tell two: the insurance, then the stake.
struct OutcomeSettled {
    RoundOutcome outcome;
    double stake;
    double paid;
    double bankroll;
};
// A dealt round is over, told exactly once: settled, or given up to a restart or a closed window.
struct RoundEnded {
    bool settled;
    double bankroll;
};
// The table starts over with `bankroll`; a round in play was given up first.
struct TableRestarted {
    double bankroll;
};
// A refusal: the action moved no money, and the round goes on.
struct Refused {
    Alert alert;
};

} // namespace report

using RoundReport =
    std::variant<report::CardDealt, report::BoxChanged, report::AmountsChanged, report::TotalsChanged,
                 report::ControlsChanged, report::ChipPlaced, report::RoundDealt, report::InsuranceOffered,
                 report::InsuranceOfferClosed, report::InsuranceAnswered, report::Doubled, report::ChoiceMade,
                 report::DealerPaused, report::DealerPauseCancelled, report::OutcomeSettled,
                 report::RoundEnded, report::TableRestarted, report::Refused>;
