#include "soak/soak_ledger.h"
#include "soak/soak_player.h"
#include "support/process_memory.h"

#include <functional>
#include <gtest/gtest.h>
#include <iostream>

// Long random play through the real window: the money it shows must agree with the ledger throughout.
TEST(Soak, RandomPlayThroughTheWindowKeepsTheMoneyTheRulesGive) {
    const SoakSettings settings = soakSettingsFromEnvironment();
    SoakPlayer player(settings);
    const SoakReport report = player.run();
    std::cout << "soak: seed " << settings.seed << ", " << report.actions << " actions, " << report.rounds
              << " rounds (" << report.naturals << " naturals, " << report.busts << " busts, "
              << report.settlements << " settled), " << report.insuranceOffers << " insurance offers, "
              << report.alerts << " alerts, " << report.restarts << " restarts (" << report.restartsInPause
              << " in the dealer's pause, " << report.restartsInOffer << " during the insurance offer), "
              << report.closes << " windows closed, " << report.ledgerChecks << " ledger checks, "
              << (report.ledgerBreak.empty() ? 0 : 1) << " ledger breaks" << std::endl;
    ASSERT_EQ(report.ledgerBreak, "");
    EXPECT_GE(report.actions, settings.actions);
    // Long play holds its memory flat once warm.
    if (residentMemoryIsMeaningful() && report.residentAtFirstThousandKb > 0 && settings.actions >= 3000) {
        EXPECT_LE(report.residentAtLastThousandKb - report.residentAtFirstThousandKb, 2048)
            << "resident memory grew from " << report.residentAtFirstThousandKb << " kB at 1000 actions";
    }
    // A soak that never reached the corners it is there for proves little.
    if (settings.actions >= 2000) {
        EXPECT_GT(report.naturals, 0);
        EXPECT_GT(report.busts, 0);
        EXPECT_GT(report.settlements, 0);
        EXPECT_GT(report.insuranceOffers, 0);
        EXPECT_GT(report.restartsInPause, 0);
        EXPECT_GT(report.restartsInOffer, 0);
        EXPECT_GT(report.closes, 0);
    }
}

// The ledger is only worth holding the game against if it is right itself: rounds worked by hand.
TEST(SoakLedger, PaysEachKindOfRoundAsTheTableRulesSay) {
    using Answer = SoakLedger::Answer;
    struct Case {
        const char *round;
        std::function<void(SoakLedger &)> play;
        double bankroll;
    };
    const Case cases[] = {
        {"a natural pays 3 to 2", [](SoakLedger &l) { l.deal(10, 1, 13); }, 490 + 25},
        {"a natural over an ace, insurance bought and never resolved",
         [](SoakLedger &l) {
             l.deal(14, 12, 27);
             l.answerInsurance(Answer::Yes);
         },
         490 - 5 + 25},
        {"a win pays 1 to 1",
         [](SoakLedger &l) {
             l.deal(10, 10, 9);
             l.stand();
             l.finishDealerPlay({7});
         },
         510},
        {"a push gives the stake back",
         [](SoakLedger &l) {
             l.deal(10, 10, 9);
             l.stand();
             l.finishDealerPlay({9});
         },
         500},
        {"a bust loses the stake",
         [](SoakLedger &l) {
             l.deal(10, 10, 6);
             l.hit(13);
         },
         490},
        {"a soft 17 stands and beats 16",
         [](SoakLedger &l) {
             l.deal(6, 10, 6);
             l.stand();
             l.finishDealerPlay(l.dealerDraws({1, 5}));
         },
         490},
        {"a doubled 11 that wins pays on twice the stake",
         [](SoakLedger &l) {
             l.deal(10, 5, 6);
             l.doubleDown(9);
             l.finishDealerPlay({8});
         },
         520},
        {"insurance pays 1.5 stakes when the hole card is worth ten, and the hand still loses",
         [](SoakLedger &l) {
             l.deal(1, 10, 9);
             l.answerInsurance(Answer::Yes);
             l.stand();
             l.finishDealerPlay({12});
         },
         490 - 5 + 15},
        {"insurance refused by closing the offer costs nothing",
         [](SoakLedger &l) {
             l.deal(1, 10, 9);
             l.answerInsurance(Answer::Closed);
             l.stand();
             l.finishDealerPlay({12});
         },
         490},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.round);
        SoakLedger ledger;
        ledger.chip(10);
        c.play(ledger);
        EXPECT_EQ(ledger.bankroll, c.bankroll);
        EXPECT_EQ(ledger.stake, 0);
        EXPECT_EQ(ledger.phase, SoakLedger::Phase::Idle);
    }
}

TEST(SoakLedger, TheDealerDrawsToSeventeenAndRedealsTheSeventhBox) {
    SoakLedger ledger;
    ledger.chip(5);
    ledger.deal(2, 10, 8);
    EXPECT_EQ(ledger.dealerDraws({10, 5, 9}), (std::vector<int>{10, 5})) << "2, 10, 5 makes 17";
    EXPECT_EQ(ledger.dealerDraws({1, 4, 9}), (std::vector<int>{1, 4})) << "2, ace, 4 is a soft 17";
    // Seven boxes of 2 leave 14; each further card lands in the seventh box again, replacing its card,
    // so 3 and 4 leave 15 and 16 and only the 5 reaches 17.
    EXPECT_EQ(ledger.dealerDraws({2, 2, 2, 2, 2, 2, 3, 4, 5, 9}),
              (std::vector<int>{2, 2, 2, 2, 2, 2, 3, 4, 5}));
}
