#include "table/refusal_hold.h"

#include <QDialog>
#include <QPointer>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Notes the kind of each report it hears, in order.
struct KindLog final : RoundListener {
    std::vector<std::size_t> kinds;
    void hear(const RoundReport &report) override { kinds.push_back(report.index()); }
};

// A hold whose refusals are plain dialogs the test can close or destroy.
struct HoldOnScreen {
    QPointer<QDialog> refusal;
    RefusalHold hold{[this](Alert) {
        refusal = new QDialog;
        refusal->open();
        return refusal.data();
    }};
    KindLog heard;
    HoldOnScreen() { hold.addListener(heard); }
};

const RoundReport refused = report::Refused{Alert::NotEnoughMoney};
const RoundReport offerClosed = report::InsuranceOfferClosed{};
const RoundReport paid = report::OutcomeSettled{RoundOutcome::Blackjack, 10, 25, 515};

} // namespace

TEST(RefusalHold, WhatFollowsARefusalIsHeardOnceItIsGoneHoweverItGoes) {
    for (const bool destroyed : {false, true}) {
        SCOPED_TRACE(destroyed ? "destroyed without closing" : "closed");
        HoldOnScreen table;
        table.hold.hear(refused);
        table.hold.hear(offerClosed);
        table.hold.hear(paid);
        EXPECT_EQ(table.heard.kinds, std::vector{refused.index()}) << "held while the refusal shows";

        if (destroyed)
            delete table.refusal.data();
        else
            table.refusal->accept();
        EXPECT_EQ(table.heard.kinds, (std::vector{refused.index(), offerClosed.index(), paid.index()}));
        delete table.refusal.data();
    }
}

TEST(RefusalHold, ASecondRefusalHoldsWhatFollowsItUntilItTooIsGone) {
    HoldOnScreen table;
    table.hold.hear(refused);
    QPointer<QDialog> first = table.refusal;
    table.hold.hear(refused);
    table.hold.hear(paid);
    first->accept();
    EXPECT_EQ(table.heard.kinds, (std::vector{refused.index(), refused.index()}));
    delete first.data();
    EXPECT_EQ(table.heard.kinds.size(), 2u) << "the first refusal's end does not free the second's";
    table.refusal->reject();
    EXPECT_EQ(table.heard.kinds.back(), paid.index());
    delete table.refusal.data();
}
