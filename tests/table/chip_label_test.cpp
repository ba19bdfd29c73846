#include "support/modal.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/chip_label.h"
#include "table/table_window.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Amounts = std::pair<QString, QString>;

class ChipLabels : public ::testing::Test {
protected:
    Amounts stakeAndBankroll() const { return {table.ui->lblBet->text(), table.ui->lblmoney->text()}; }

    ScriptedTable table;
};

} // namespace

TEST_F(ChipLabels, ADisabledChipIgnoresClicksAndRaisesNoAlert) {
    for (ChipLabel *chip : {table.ui->lblBet5, table.ui->lblBet10, table.ui->lblBet50})
        chip->setEnabled(false);
    for (const double bankroll : {500.0, 0.0}) {
        table.model->setBankroll(bankroll);
        for (ChipLabel *chip : {table.ui->lblBet5, table.ui->lblBet10, table.ui->lblBet50})
            QTest::mouseClick(chip, Qt::LeftButton);
        EXPECT_EQ(table.ui->lblBet->text(), "0");
    }
    // An alert would have been left for the stuck-window watch, which fails the test.
}

TEST_F(ChipLabels, CountOnlyALeftClickThatPressesAndReleasesOnTheChip) {
    ChipLabel *chip = table.ui->lblBet50;
    QTest::mousePress(chip, Qt::LeftButton);
    QTest::mouseRelease(chip, Qt::LeftButton, {}, QPoint(chip->width() + 5, chip->height() / 2));
    QTest::mouseClick(chip, Qt::RightButton);
    EXPECT_EQ(stakeAndBankroll(), Amounts("0", "500"));
    QTest::mouseClick(chip, Qt::LeftButton);
    EXPECT_EQ(stakeAndBankroll(), Amounts("50", "450"));
}

TEST_F(ChipLabels, BetFromTheKeyboardAndFromAScreenReaderLikeAButton) {
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table.window.get()));
    table.ui->lblBet10->setFocus();
    QTest::keyClick(table.ui->lblBet10, Qt::Key_Space);
    EXPECT_EQ(stakeAndBankroll(), Amounts("10", "490"));

    QAccessibleInterface *chip = QAccessible::queryAccessibleInterface(table.ui->lblBet50);
    ASSERT_NE(chip, nullptr);
    EXPECT_EQ(chip->role(), QAccessible::Button);
    EXPECT_EQ(chip->text(QAccessible::Name), "Bet 50");
    chip->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(stakeAndBankroll(), Amounts("60", "440"));

    table.ui->lblBet50->setEnabled(false);
    EXPECT_TRUE(chip->actionInterface()->actionNames().isEmpty());
    chip->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(stakeAndBankroll(), Amounts("60", "440"));
}
