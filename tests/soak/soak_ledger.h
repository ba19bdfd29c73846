#pragma once

#include <vector>

// The money a table should show, kept by the soak player from what it did and which cards it scripted.
// It applies the table's rules on its own, sharing no code with the game, so that the two can be held
// against each other after every round.
class SoakLedger {
public:
    enum class Phase { Idle, InsuranceOffer, PlayerTurn, DealerTurn };
    enum class Answer { Yes, No, Closed };
    // How a round ended, for the soak's counts.
    enum class Ending { None, Natural, Bust, Settled };

    // The blackjack value of a card number 1 to 52: the ace 1, the face cards 10.
    static int valueOf(int cardNumber);
    // A hand's total with one ace counting 11 where that stays at 21 or under.
    static int totalOf(const std::vector<int> &values);

    // A fresh table, or a restart: 500 to play, nothing staked, an idle table.
    void restart();

    void chip(int value);
    // The deal with its three shown cards; an ace up card opens the insurance offer.
    void deal(int upCard, int playerFirst, int playerSecond);
    void answerInsurance(Answer answer);
    // Whether a hit draws a card: a full hand of seven takes none.
    bool hitDraws() const { return player.size() < 7; }
    void hit(int card);
    // The dealer's cards the table will draw, in order, taken from `offered` (the hole card first).
    std::vector<int> dealerDraws(const std::vector<int> &offered) const;
    // Stand: the dealer's turn begins; it pauses before every card, so it ends in finishDealerPlay.
    void stand();
    // Whether a click on Double takes a second stake and a card, rather than being ignored or refused.
    bool doubleTakes() const { return phase == Phase::PlayerTurn && doubleOffered && stake <= bankroll; }
    // The double: a second stake, one card, then the dealer's turn; or a refusal for want of money.
    void doubleDown(int card);
    // The dealer's turn played to its end with these cards, and the round settled.
    void finishDealerPlay(const std::vector<int> &dealerCards);

    Phase phase = Phase::Idle;
    double bankroll = 500;
    double stake = 0;
    bool doubleOffered = false;
    bool insuranceBought = false;
    int alertsExpected = 0;
    Ending lastEnding = Ending::None;

private:
    void afterInsuranceOffer();
    void settle();

    int upCard = 0;
    std::vector<int> player;
    std::vector<int> dealer;
};
