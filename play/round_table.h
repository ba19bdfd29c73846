#pragma once

#include "cards/deck.h"
#include "cards/round_state.h"
#include "play/round_listener.h"

class RandomSource;

// What lies on the table in a round: the cards in their boxes, the amounts, the totals and the actions
// allowed. Each change is reported to the round's listeners as it is made. The round model plays on it.
class RoundTable {
public:
    // Any number of listeners hear the round, in the order they joined.
    void addListener(RoundListener &listener) { audience.join(listener); }
    void removeListener(RoundListener &listener) { audience.leave(listener); }

    const RoundControls &controls() const { return enabled; }
    double bankroll() const { return money; }
    // The card values, what each box shows, the flags and the insurance answer InsYes.
    const RoundState &cards() const { return round; }

    // The seam of a headless simulation and of tests: a bankroll other than the 500 of a fresh table.
    void setBankroll(double amount) { changeAmounts(amount, bet); }

protected:
    explicit RoundTable(RandomSource &random) : random(random) {}

    void tell(const RoundReport &report) const { audience.tell(report); }
    // Every box, the amounts and the totals, as a fresh table shows them.
    void reportWholeTable();
    // Three cards face down and every other box empty, as a restarted table shows them.
    void clearBoxes();

    // Draws a shown card into a position: the box shows its face, the card variable takes its value.
    void dealCard(Hand hand, int position, CardWay way);
    void showBox(Hand hand, int position, BoxShows shows);
    void showTotals();
    void recountPlayer();
    void recountDealer();
    void changeAmounts(double bankroll, double stake);
    void setControls(const RoundControls &controls);
    // Tells an outcome once its payout is in the bankroll.
    void settle(RoundOutcome outcome, double stakeSettled, double paid);

    // The outcomes: each pays out, is told with what it paid, and sets the actions the player may take
    // next. None touches the double.
    void PayInsurance();
    void PushHand();
    void LoseHand();
    void WinHand();
    void WinBlackjack();

    RandomSource &random;
    Deck dealDeck;
    RoundState round;
    RoundControls enabled;
    double money = 500;
    double bet = 0;
    int playerCount = 0;
    int dealerCount = 0;

private:
    RoundAudience audience;
};
