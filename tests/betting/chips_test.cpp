#include "support/scripted_platform.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// What an alert showed: title, text, the buttons' captions and whether it had an icon.
struct SeenAlert {
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon;
};

class ChipClicks : public ::testing::Test {
protected:
    ChipClicks() {
        QLocale::setDefault(QLocale::c());
        // Every message box that opens during the test is noted and answered with its first button.
        QObject::connect(&alertPoll, &QTimer::timeout, &alertPoll, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            QStringList buttons;
            for (QAbstractButton *button : box->buttons())
                buttons << button->text().remove(QLatin1Char('&'));
            alerts.push_back({box->windowTitle(), box->text(), buttons, box->icon()});
            if (box->buttons().isEmpty())
                box->reject();
            else
                box->buttons().constFirst()->click();
        });
        alertPoll.start(5);
    }
    ~ChipClicks() override { QLocale::setDefault(savedLocale); }

    void click(int chipValue) {
        ChipLabel *chip = chipValue == 5    ? table->lblBet5
                          : chipValue == 10 ? table->lblBet10
                                            : table->lblBet50;
        QTest::mouseClick(chip, Qt::LeftButton);
    }
    std::pair<QString, QString> stakeAndBankroll() const {
        return {table->lblBet->text(), table->lblmoney->text()};
    }

    QLocale savedLocale;
    ScriptedTable table;
    QTimer alertPoll;
    std::vector<SeenAlert> alerts;
};

using Amounts = std::pair<QString, QString>;

} // namespace

TEST_F(ChipClicks, MoveTheChipsValueFromTheBankrollToTheStake) {
    click(50);
    EXPECT_EQ(stakeAndBankroll(), Amounts("50", "450"));
    click(5);
    EXPECT_EQ(stakeAndBankroll(), Amounts("55", "445"));
    click(10);
    EXPECT_EQ(stakeAndBankroll(), Amounts("65", "435"));
    EXPECT_TRUE(alerts.empty());
}

TEST_F(ChipClicks, StakeTheWholeBankrollThenRefuseTheNextChipWithAnAlert) {
    for (int i = 0; i < 10; ++i)
        click(50);
    ASSERT_EQ(stakeAndBankroll(), Amounts("500", "0"));
    ASSERT_TRUE(alerts.empty());

    click(50);

    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_EQ(alerts[0].title, "Corvane Alert");
    EXPECT_EQ(alerts[0].text, "You have not enough money!!");
    EXPECT_EQ(alerts[0].buttons, QStringList{"OK"});
    EXPECT_EQ(alerts[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(stakeAndBankroll(), Amounts("500", "0"));
}

TEST_F(ChipClicks, AcceptAChipExactlyWhenTheBankrollCoversIt) {
    struct Case {
        const char *bankroll;
        int chip;
        const char *stakeAfter; // nullptr: refused, nothing changes
        const char *bankrollAfter;
    };
    // clang-format off
    const Case cases[] = {
        {"5",    5,  "5",  "0"},    {"5",    10, nullptr, nullptr},
        {"7.5",  5,  "5",  "2.5"},  {"7.5",  10, nullptr, nullptr},
        {"47.5", 10, "10", "37.5"}, {"47.5", 50, nullptr, nullptr},
        {"10",   10, "10", "0"},    {"50",   50, "50",    "0"},
        {"2.5",  5,  nullptr, nullptr}, {"0", 5, nullptr, nullptr},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "bankroll " << c.bankroll << ", chip " << c.chip);
        table->lblBet->setText(QStringLiteral("0"));
        table->lblmoney->setText(QLatin1String(c.bankroll));
        alerts.clear();

        click(c.chip);

        if (c.stakeAfter) {
            EXPECT_EQ(stakeAndBankroll(), Amounts(c.stakeAfter, c.bankrollAfter));
            EXPECT_TRUE(alerts.empty());
        } else {
            EXPECT_EQ(stakeAndBankroll(), Amounts("0", c.bankroll));
            ASSERT_EQ(alerts.size(), 1u);
            EXPECT_EQ(alerts[0].text, "You have not enough money!!");
        }
    }
}

TEST_F(ChipClicks, ADisabledChipIgnoresClicksAndRaisesNoAlert) {
    for (ChipLabel *chip : {table->lblBet5, table->lblBet10, table->lblBet50})
        chip->setEnabled(false);
    for (const char *bankroll : {"500", "0"}) {
        table->lblmoney->setText(QLatin1String(bankroll));
        for (int value : {5, 10, 50})
            click(value);
        EXPECT_EQ(stakeAndBankroll(), Amounts("0", bankroll));
    }
    EXPECT_TRUE(alerts.empty());
}

TEST_F(ChipClicks, CountOnlyALeftClickThatPressesAndReleasesOnTheChip) {
    ChipLabel *chip = table->lblBet50;
    QTest::mousePress(chip, Qt::LeftButton);
    QTest::mouseRelease(chip, Qt::LeftButton, {}, QPoint(chip->width() + 5, chip->height() / 2));
    QTest::mouseClick(chip, Qt::RightButton);
    EXPECT_EQ(stakeAndBankroll(), Amounts("0", "500"));
}

TEST_F(ChipClicks, BetFromTheKeyboardAndFromAScreenReaderLikeAButton) {
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table.window.get()));
    table->lblBet10->setFocus();
    QTest::keyClick(table->lblBet10, Qt::Key_Space);
    EXPECT_EQ(stakeAndBankroll(), Amounts("10", "490"));

    QAccessibleInterface *chip = QAccessible::queryAccessibleInterface(table->lblBet50);
    ASSERT_NE(chip, nullptr);
    EXPECT_EQ(chip->role(), QAccessible::Button);
    EXPECT_EQ(chip->text(QAccessible::Name), "Bet 50");
    chip->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(stakeAndBankroll(), Amounts("60", "440"));

    table->lblBet50->setEnabled(false);
    EXPECT_TRUE(chip->actionInterface()->actionNames().isEmpty());
    chip->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(stakeAndBankroll(), Amounts("60", "440"));
}
