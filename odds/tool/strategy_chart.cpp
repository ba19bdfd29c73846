#include "odds/tool/strategy_chart.h"

#include "odds/infinite_deck.h"

#include <cstdio>
#include <vector>

namespace {

struct Column {
    int upCard;
    bool insured;
    const char *heading;
};

const std::vector<Column> columns = {{2, false, " 2"}, {3, false, " 3"},       {4, false, " 4"},
                                     {5, false, " 5"}, {6, false, " 6"},       {7, false, " 7"},
                                     {8, false, " 8"}, {9, false, " 9"},       {10, false, "10"},
                                     {1, false, " A"}, {1, true, " A insured"}};

// A total the table shows, with or without an ace counting 11.
struct Row {
    int total;
    bool soft;

    HandCount hand() const { return soft ? HandCount{total - 10, true} : HandCount{total, false}; }
};

// Can `cardCount` cards make this hand and leave it in play? Aces count 1 in the hard total, so n cards
// make at least n, and at least 2n without an ace; two cards make at most 20, or a natural with an ace.
bool reachable(HandCount hand, int cardCount) {
    if (hand.hardTotal > 21 || hand.hardTotal < (hand.holdsAce ? cardCount : 2 * cardCount))
        return false;
    if (cardCount == 2)
        return hand.holdsAce ? hand.hardTotal <= 10 : hand.hardTotal <= 20;
    return true;
}

int fewestCards(HandCount hand) {
    int cardCount = 2;
    while (!reachable(hand, cardCount))
        ++cardCount;
    return cardCount;
}

char letter(PlayerAction action) {
    return action == PlayerAction::Stand ? 'S' : action == PlayerAction::Hit ? 'H' : 'D';
}

PlayerAction play(const ExactAnalysis &bestPlay, HandCount hand, int cardCount, const Column &column) {
    return bestPlay.action({hand, cardCount, column.upCard, column.insured});
}

std::string rowName(const Row &row) {
    char name[16];
    std::snprintf(name, sizeof name, "%s %2d", row.soft ? "soft" : "hard", row.total);
    return name;
}

std::string stakes(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f stakes", value);
    return text;
}

} // namespace

std::string strategyChart(const ExactAnalysis &bestPlay) {
    std::vector<Row> rows;
    for (int total = 4; total <= 21; ++total)
        rows.push_back({total, false});
    for (int total = 12; total <= 21; ++total)
        rows.push_back({total, true});

    std::string chart = "Best play: S stand, H hit, D double (hit where the double is not offered)\n";
    chart += "dealer's up card:";
    for (const Column &column : columns)
        chart += std::string(" ") + column.heading;
    chart += '\n';

    std::string exceptions;
    for (const Row &row : rows) {
        const HandCount hand = row.hand();
        const int shownCards = fewestCards(hand);
        chart += rowName(row) + "          ";
        for (const Column &column : columns) {
            const PlayerAction shown = play(bestPlay, hand, shownCards, column);
            chart += "  ";
            chart += letter(shown);
            for (int cardCount = shownCards + 1; cardCount < handBoxes; ++cardCount) {
                if (!reachable(hand, cardCount))
                    continue;
                const PlayerAction actual = play(bestPlay, hand, cardCount, column);
                const bool sameAsShown =
                    actual == shown || (shown == PlayerAction::Double && actual == PlayerAction::Hit);
                if (!sameAsShown)
                    exceptions += "  " + rowName(row) + " with " + std::to_string(cardCount) +
                                  " cards against" + column.heading + ": " + letter(actual) + "\n";
            }
        }
        chart += '\n';
    }
    chart += "With seven cards the hand stands: a hit would draw nothing.\n";
    if (!exceptions.empty())
        chart += "Played otherwise with more cards:\n" + exceptions;

    // The two-card hands, each once: the hard totals 4 to 20 and an ace with 1 to 10.
    std::vector<Row> twoCardHands;
    for (int total = 4; total <= 20; ++total)
        twoCardHands.push_back({total, false});
    for (int total = 12; total <= 21; ++total)
        twoCardHands.push_back({total, true});
    std::string bought;
    double leastLoss = 0;
    std::string leastLossHand;
    for (const Row &row : twoCardHands) {
        const double gain = bestPlay.insuranceGain(row.hand());
        if (bestPlay.takesInsurance(row.hand()))
            bought += "  bought on two-card " + rowName(row) + ": adds " + stakes(gain) + "\n";
        else if (leastLossHand.empty() || -gain < leastLoss) {
            leastLoss = -gain;
            leastLossHand = rowName(row);
        }
    }
    chart += "Insurance under an ace, its cost included:\n" + bought;
    chart += "  " + std::string(bought.empty() ? "never bought" : "declined otherwise") +
             "; it loses at least " + stakes(leastLoss) + " (" + leastLossHand + ")\n";
    return chart;
}
