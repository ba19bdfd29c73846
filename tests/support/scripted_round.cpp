#include "support/scripted_round.h"

#include <cmath>
#include <gtest/gtest.h>

void ScriptedRound::stake(double bet, double bankroll) {
    if (std::fmod(bet, 5) != 0)
        ADD_FAILURE() << "no chips make a stake of " << bet;
    model.setBankroll(bankroll + bet);
    double left = bet;
    for (const int chip : {50, 10, 5}) {
        for (; left >= chip; left -= chip)
            model.placeChip(chip);
    }
}

void ScriptedRound::deal(int upCard, int playerFirst, int playerSecond, InsuranceAnswer insurance) {
    dealToTheOffer(upCard, playerFirst, playerSecond);
    model.answerInsurance(insurance);
}

void ScriptedRound::dealToTheOffer(int upCard, int playerFirst, int playerSecond) {
    random.pushDeal(upCard, playerFirst, playerSecond);
    model.deal();
}

void ScriptedRound::hit(int card) {
    random.pushCards({card});
    model.hit();
}

void ScriptedRound::stand(std::initializer_list<int> dealerCards) {
    random.pushCards(dealerCards);
    model.stand();
    endDealerPauses();
}

void ScriptedRound::doubleDown(std::initializer_list<int> cards) {
    random.pushCards(cards);
    model.doubleDown();
    endDealerPauses();
}

void ScriptedRound::endDealerPauses() {
    while (view.dealerPauseWaiting) {
        view.dealerPauseWaiting = false;
        model.endDealerPause();
    }
}

void ScriptedRound::expectViewShowsTheModel() const {
    EXPECT_EQ(view.bankroll, model.bankroll());
    EXPECT_TRUE(view.controls == model.controls());
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(view.player[i].shows, model.cards().PicPlay[i]) << "player box " << i + 1;
        EXPECT_EQ(view.dealer[i].shows, model.cards().PicCom[i]) << "dealer box " << i + 1;
    }
}
