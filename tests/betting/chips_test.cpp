#include "support/scripted_platform.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Answers every message box that opens while it lives, noting what each one showed.
class AlertWatcher {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        int buttonCount = 0;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };

    AlertWatcher() {
        QObject::connect(&poll, &QTimer::timeout, &poll, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.push_back({box->windowTitle(), box->text(), box->standardButtons(),
                            static_cast<int>(box->buttons().size()), box->icon()});
            if (box->buttons().isEmpty())
                box->reject();
            else
                box->buttons().constFirst()->click();
        });
        poll.start(5);
    }

    std::vector<Seen> seen;

private:
    QTimer poll;
};

class ChipClicks : public ::testing::Test {
protected:
    ChipClicks() { QLocale::setDefault(QLocale::c()); }
    ~ChipClicks() override { QLocale::setDefault(savedLocale); }

    void click(ChipLabel *chip) { QTest::mouseClick(chip, Qt::LeftButton); }
    ChipLabel *chip(int value) const {
        return value == 5 ? table->lblBet5 : value == 10 ? table->lblBet10 : table->lblBet50;
    }
    std::pair<QString, QString> stakeAndBankroll() const {
        return {table->lblBet->text(), table->lblmoney->text()};
    }

    QLocale savedLocale;
    ScriptedTable table;
    AlertWatcher alerts;
};

using Amounts = std::pair<QString, QString>;

} // namespace

TEST_F(ChipClicks, MoveTheChipsValueFromTheBankrollToTheStake) {
    click(table->lblBet50);
    EXPECT_EQ(stakeAndBankroll(), Amounts("50", "450"));
    click(table->lblBet5);
    EXPECT_EQ(stakeAndBankroll(), Amounts("55", "445"));
    click(table->lblBet10);
    EXPECT_EQ(stakeAndBankroll(), Amounts("65", "435"));
    EXPECT_TRUE(alerts.seen.empty());
}

TEST_F(ChipClicks, StakeTheWholeBankrollThenRefuseTheNextChipWithAnAlert) {
    for (int i = 0; i < 10; ++i)
        click(table->lblBet50);
    ASSERT_EQ(stakeAndBankroll(), Amounts("500", "0"));
    ASSERT_TRUE(alerts.seen.empty());

    click(table->lblBet50);

    ASSERT_EQ(alerts.seen.size(), 1u);
    const AlertWatcher::Seen &alert = alerts.seen.front();
    EXPECT_EQ(alert.title, "Corvane Alert");
    EXPECT_EQ(alert.text, "You have not enough money!!");
    EXPECT_EQ(alert.buttons, QMessageBox::Ok);
    EXPECT_EQ(alert.buttonCount, 1);
    EXPECT_EQ(alert.icon, QMessageBox::NoIcon);
    EXPECT_EQ(stakeAndBankroll(), Amounts("500", "0"));
}

TEST_F(ChipClicks, AcceptAChipExactlyWhenTheBankrollCoversIt) {
    struct Case {
        const char *bankroll;
        int chip;
        const char *stakeAfter; // nullptr: refused, nothing changes
        const char *bankrollAfter;
    };
    const Case cases[] = {
        {"5", 5, "5", "0"},
        {"5", 10, nullptr, nullptr},
        {"7.5", 5, "5", "2.5"},
        {"7.5", 10, nullptr, nullptr},
        {"47.5", 50, nullptr, nullptr},
        {"47.5", 10, "10", "37.5"},
        {"10", 10, "10", "0"},
        {"50", 50, "50", "0"},
        {"2.5", 5, nullptr, nullptr},
        {"0", 5, nullptr, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "bankroll " << c.bankroll << ", chip " << c.chip);
        table->lblBet->setText(QStringLiteral("0"));
        table->lblmoney->setText(QLatin1String(c.bankroll));
        alerts.seen.clear();

        click(chip(c.chip));

        if (c.stakeAfter) {
            EXPECT_EQ(stakeAndBankroll(), Amounts(c.stakeAfter, c.bankrollAfter));
            EXPECT_TRUE(alerts.seen.empty());
        } else {
            EXPECT_EQ(stakeAndBankroll(), Amounts("0", c.bankroll));
            ASSERT_EQ(alerts.seen.size(), 1u);
            EXPECT_EQ(alerts.seen.front().text, "You have not enough money!!");
        }
    }
}

TEST_F(ChipClicks, ADisabledChipIgnoresClicks) {
    for (int value : {5, 10, 50}) {
        SCOPED_TRACE(value);
        chip(value)->setEnabled(false);
        click(chip(value));
        EXPECT_EQ(stakeAndBankroll(), Amounts("0", "500"));
        chip(value)->setEnabled(true);
    }
    // Also when the bankroll could not pay: a disabled chip does not even complain.
    table->lblmoney->setText(QStringLiteral("0"));
    table->lblBet50->setEnabled(false);
    click(table->lblBet50);
    EXPECT_TRUE(alerts.seen.empty());
}

TEST_F(ChipClicks, CountOnlyWhenPressAndReleaseBothFallOnTheChip) {
    ChipLabel *chip50 = table->lblBet50;
    QTest::mousePress(chip50, Qt::LeftButton);
    QTest::mouseRelease(chip50, Qt::LeftButton, {}, QPoint(chip50->width() + 5, chip50->height() / 2));
    EXPECT_EQ(stakeAndBankroll(), Amounts("0", "500"));
    QTest::mouseClick(chip50, Qt::RightButton);
    EXPECT_EQ(stakeAndBankroll(), Amounts("0", "500"));
}
