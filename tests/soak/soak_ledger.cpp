#include "soak/soak_ledger.h"

#include <algorithm>
#include <numeric>

int SoakLedger::valueOf(int cardNumber) {
    const int rank = (cardNumber - 1) % 13 + 1;
    return rank > 10 ? 10 : rank;
}

int SoakLedger::totalOf(const std::vector<int> &values) {
    const int hard = std::accumulate(values.begin(), values.end(), 0);
    const bool ace = std::find(values.begin(), values.end(), 1) != values.end();
    return ace && hard + 10 <= 21 ? hard + 10 : hard;
}

void SoakLedger::restart() {
    phase = Phase::Idle;
    bankroll = 500;
    stake = 0;
    doubleOffered = false;
    player.clear();
    dealer.clear();
}

void SoakLedger::chip(int value) {
    if (phase != Phase::Idle)
        return;
    if (bankroll < value) {
        ++alertsExpected;
        return;
    }
    bankroll -= value;
    stake += value;
}

void SoakLedger::deal(int up, int playerFirst, int playerSecond) {
    lastEnding = Ending::None;
    if (phase != Phase::Idle)
        return;
    if (stake == 0) {
        ++alertsExpected;
        return;
    }
    upCard = valueOf(up);
    dealer = {upCard};
    player = {valueOf(playerFirst), valueOf(playerSecond)};
    doubleOffered = false;
    if (upCard == 1) {
        phase = Phase::InsuranceOffer;
        return;
    }
    afterInsuranceOffer();
}

void SoakLedger::answerInsurance(Answer answer) {
    if (phase != Phase::InsuranceOffer)
        return;
    insuranceBought = false;
    if (answer == Answer::Yes) {
        if (stake / 2 > bankroll) {
            ++alertsExpected;
        } else {
            bankroll -= stake / 2;
            insuranceBought = true;
        }
    }
    afterInsuranceOffer();
}

void SoakLedger::afterInsuranceOffer() {
    const bool natural = (player[0] == 1 && player[1] == 10) || (player[0] == 10 && player[1] == 1);
    if (natural) {
        // Paid 3 to 2 at once, even over an ace; bought insurance is never resolved then.
        bankroll += stake * 2.5;
        stake = 0;
        phase = Phase::Idle;
        lastEnding = Ending::Natural;
        return;
    }
    phase = Phase::PlayerTurn;
    doubleOffered = totalOf(player) == 11;
}

void SoakLedger::hit(int card) {
    lastEnding = Ending::None;
    if (phase != Phase::PlayerTurn)
        return;
    if (hitDraws())
        player.push_back(valueOf(card));
    doubleOffered = false;
    if (totalOf(player) > 21) {
        stake = 0;
        phase = Phase::Idle;
        lastEnding = Ending::Bust;
    }
}

std::vector<int> SoakLedger::dealerDraws(const std::vector<int> &offered) const {
    std::vector<int> hand = dealer;
    std::vector<int> drawn;
    // The up card alone counts an ace as 1, so the dealer always turns the hole card up.
    int total = hand.front();
    for (int card : offered) {
        if (total >= 17)
            break;
        // Seven boxes full: the last one is dealt again.
        if (hand.size() == 7)
            hand.back() = valueOf(card);
        else
            hand.push_back(valueOf(card));
        drawn.push_back(card);
        total = totalOf(hand);
    }
    return drawn;
}

void SoakLedger::stand() {
    lastEnding = Ending::None;
    if (phase != Phase::PlayerTurn)
        return;
    phase = Phase::DealerTurn;
    doubleOffered = false;
}

void SoakLedger::doubleDown(int card) {
    lastEnding = Ending::None;
    if (phase != Phase::PlayerTurn || !doubleOffered)
        return;
    doubleOffered = false;
    if (stake > bankroll) {
        ++alertsExpected;
        return;
    }
    bankroll -= stake;
    stake *= 2;
    player.push_back(valueOf(card));
    phase = Phase::DealerTurn;
}

void SoakLedger::finishDealerPlay(const std::vector<int> &dealerCards) {
    if (phase != Phase::DealerTurn)
        return;
    for (int card : dealerCards) {
        if (dealer.size() == 7)
            dealer.back() = valueOf(card);
        else
            dealer.push_back(valueOf(card));
    }
    settle();
}

void SoakLedger::settle() {
    const int dealerTotal = totalOf(dealer);
    const int playerTotal = totalOf(player);
    // Insurance pays on the stake as it stands now, a doubled one included.
    if (upCard == 1 && dealer.size() > 1 && dealer[1] == 10 && insuranceBought)
        bankroll += stake * 1.5;
    if (dealerTotal > 21 || playerTotal > dealerTotal)
        bankroll += stake * 2;
    else if (playerTotal == dealerTotal)
        bankroll += stake;
    stake = 0;
    phase = Phase::Idle;
    lastEnding = Ending::Settled;
}
