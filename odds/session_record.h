#pragma once

#include "odds/coach.h"
#include "play/round_reports.h"

#include <vector>

// What the session's rounds came to. Counts and amounts cover the rounds played to their end; a round
// given up to a restart counts for nothing.
struct SessionTotals {
    int rounds = 0;
    int won = 0; // blackjacks included
    int lost = 0;
    int pushed = 0;
    int blackjacks = 0;
    int insuranceBought = 0;
    int insurancePaid = 0;
    int doubles = 0;
    // The choices graded against the best one: every one taken where more than one was allowed.
    int decisions = 0;
    int bestChoices = 0;
    // The money the rounds won, less what they lost: the bankroll's change over them.
    double net = 0;
    double highestBankroll = 0;
    // The rounds' expected result had every choice been the best, as each round was dealt.
    double expectedBest = 0;
    // The money given away by choices worse than the best one: the best choice's expected result less
    // the chosen one's, over every choice.
    double skill = 0;
    // The variance of the rounds' results, the sum of each round's at its stake: exact for best play with
    // money enough to double and insure, and close to it for any play near the best.
    double variance = 0;

    // The result less what the choices made were expected to bring, so that
    // net = expectedBest - skill + luck.
    double luck() const { return net - (expectedBest - skill); }
    // The luck in standard deviations of the rounds' results; 0 before the first round.
    double luckInDeviations() const;
    // The share of decisions answered with the best choice, and the money given away per decision; 0
    // before the first decision.
    double bestShare() const { return decisions > 0 ? double(bestChoices) / decisions : 0; }
    double givenAwayPerDecision() const { return decisions > 0 ? skill / decisions : 0; }
};

// The session after a round, as the chart draws it. The money is the starting bankroll plus the net
// result, which a restart of the table does not touch; the expected path is the starting bankroll plus
// what the choices made were expected to bring, so that money = expected + luck.
struct SessionPoint {
    double money;
    double expected;
    // The standard deviation of the rounds' results so far: the spread that luck alone explains.
    double deviation;
};

// The record of a session, kept from the program's start and never saved. The table tells it each deal,
// each choice that took effect, each outcome and each round's end; the coach values the choices.
class SessionRecord {
public:
    // The coach must outlive the record.
    SessionRecord(const Coach &coach, double startingBankroll);

    // A deal begins with `stake` on the table and `bankroll` beside it.
    void roundDealt(double stake, double bankroll);
    // `chosen` took effect where `decision` was open; a choice the decision did not allow is not counted.
    void choiceMade(const Decision &decision, Choice chosen);
    void roundSettled(RoundOutcome outcome);
    // The round is over, with `bankroll` held and no stake on the table. It counts once the stake's
    // outcome has been told too, which a view may hear later than the round ended; false until then.
    bool roundEnded(double bankroll);
    // The round in play was given up: nothing of it is counted.
    void roundAbandoned() { inPlay = false; }

    bool roundInPlay() const { return inPlay; }
    const SessionTotals &totals() const { return session; }
    // The starting point, then one point for each round counted.
    const std::vector<SessionPoint> &path() const { return points; }

private:
    const Coach &coach;
    SessionTotals session;
    // The round in play, added to the session as it ends.
    SessionTotals round;
    double heldAtDeal = 0;
    double startingBankroll;
    std::vector<SessionPoint> points;
    bool inPlay = false;
};
