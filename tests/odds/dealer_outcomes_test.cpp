#include "odds/dealer_outcomes.h"
#include "odds/infinite_deck.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <stdexcept>

namespace {

constexpr double exact = 1e-12;

double sum(const DealerOutcomes &outcomes) {
    return std::accumulate(outcomes.probability.begin(), outcomes.probability.end(), 0.0);
}

} // namespace

TEST(DealerOutcomes, EveryStartingHandEndsSomewhere) {
    for (int upCard = 1; upCard <= 10; ++upCard)
        EXPECT_NEAR(sum(dealerOutcomesForUpCard(upCard)), 1.0, exact) << "up card " << upCard;
    for (int cardCount = 1; cardCount <= 6; ++cardCount) {
        for (int hardTotal = cardCount; hardTotal <= 26; ++hardTotal) {
            for (const bool holdsAce : {false, true})
                EXPECT_NEAR(sum(dealerOutcomes({hardTotal, holdsAce}, cardCount)), 1.0, exact)
                    << cardCount << " cards, hard " << hardTotal << (holdsAce ? " with an ace" : "");
        }
    }
}

TEST(DealerOutcomes, KnownHandsEndAsCountedByHand) {
    struct Case {
        const char *hand;
        HandCount count;
        int cardCount;
        std::array<double, 6> expected; // 17, 18, 19, 20, 21, over 21
    };
    constexpr double t = 1.0 / 13.0;
    for (const Case &c : {
             Case{"ten and seven stand", {17, false}, 2, {1, 0, 0, 0, 0, 0}},
             Case{"six and an ace: a soft 17 stands", {7, true}, 2, {1, 0, 0, 0, 0, 0}},
             Case{"ten, six and a six: over", {22, false}, 3, {0, 0, 0, 0, 0, 1}},
             // One card decides: an ace to a five make 17 to 21, a six or more goes over.
             Case{"ten and six draw once", {16, false}, 2, {t, t, t, t, t, 8 * t}},
             Case{"six cards on a hard 16 draw the seventh once", {16, false}, 6, {t, t, t, t, t, 8 * t}},
             // Seventh card again and again: only an ace to a five reach 17, and each is as likely.
             Case{"six aces, a soft 16, redraw the seventh", {6, true}, 6, {0.2, 0.2, 0.2, 0.2, 0.2, 0}},
             // Six twos: a five to a nine make 17 to 21, a ten-value card goes over, the rest are redrawn.
             Case{"six twos redraw below a five",
                  {12, false},
                  6,
                  {1.0 / 9, 1.0 / 9, 1.0 / 9, 1.0 / 9, 1.0 / 9, 4.0 / 9}},
         }) {
        const DealerOutcomes outcomes = dealerOutcomes(c.count, c.cardCount);
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_NEAR(outcomes.probability[i], c.expected[i], exact) << c.hand << ", outcome " << i;
    }
}

TEST(DealerOutcomes, ASevenCardHandBelowSeventeenIsRefused) {
    EXPECT_THROW(dealerOutcomes({14, false}, 7), std::invalid_argument);
    EXPECT_NEAR(dealerOutcomes({18, false}, 7).ofTotal(18), 1.0, exact);
}

// An independent check of the recursion: deal dealer hands card by card into seven boxes, total them with
// the game's own rule and redraw the seventh box in place, as the table does.
TEST(DealerOutcomes, MatchesDealingMillionsOfHandsIntoSevenBoxes) {
    std::mt19937 generator(20240611);
    std::uniform_int_distribution<int> cardNumber(1, 52);
    const auto drawValue = [&] { return std::min((cardNumber(generator) - 1) % 13 + 1, 10); };
    constexpr int hands = 400000;
    for (const int upCard : {1, 2, 6, 10}) {
        std::array<int, 6> counts{};
        for (int hand = 0; hand < hands; ++hand) {
            HandCards boxes{upCard};
            int filled = 1;
            while (handTotal(boxes) < 17) {
                if (filled < 7)
                    ++filled;
                boxes[static_cast<std::size_t>(filled - 1)] = drawValue();
            }
            const int total = handTotal(boxes);
            ++counts[static_cast<std::size_t>(total > 21 ? 5 : total - 17)];
        }
        const DealerOutcomes &exactOutcomes = dealerOutcomesForUpCard(upCard);
        for (std::size_t i = 0; i < counts.size(); ++i) {
            const double p = exactOutcomes.probability[i];
            const double standardError = std::sqrt(p * (1 - p) / hands);
            EXPECT_NEAR(static_cast<double>(counts[i]) / hands, p, 5 * standardError)
                << "up card " << upCard << ", outcome " << i;
        }
    }
}
