#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/amount_captions.h"
#include "table/chip_label.h"
#include "table/table_screen.h"
#include "table/table_window.h"

#include <QAction>
#include <QFontMetricsF>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

bool shownWhole(const QLabel *label) {
    const QFontMetricsF metrics(label->font());
    return metrics.horizontalAdvance(label->text()) <= label->contentsRect().width();
}

} // namespace

TEST(Amounts, EveryReachableAmountIsShownWholeInItsBoxWhichKeepsItsPlace) {
    // The screen alone hears these amounts.
    QMainWindow window;
    TableScreen view(&window);
    const TableScreen *ui = &view;
    const QRect moneyBox = ui->lblmoney->geometry();
    const QRect betBox = ui->lblBet->geometry();
    const qreal moneyPoints = ui->lblmoney->font().pointSizeF();

    for (const double amount : {500.0, 7.5, 1012.5, 10000.0, 10012.5, 250002.5, 1234567.5, 99999999.0}) {
        SCOPED_TRACE(amount);
        view.amountsChanged({amount, amount});
        EXPECT_EQ(ui->lblmoney->text(), captionFromAmount(amount));
        EXPECT_EQ(ui->lblBet->text(), captionFromAmount(amount));
        EXPECT_TRUE(shownWhole(ui->lblmoney)) << ui->lblmoney->font().pointSizeF() << " pt";
        EXPECT_TRUE(shownWhole(ui->lblBet)) << ui->lblBet->font().pointSizeF() << " pt";
        EXPECT_EQ(ui->lblmoney->geometry(), moneyBox);
        EXPECT_EQ(ui->lblBet->geometry(), betBox);
    }

    view.amountsChanged({500, 0});
    EXPECT_EQ(ui->lblmoney->font().pointSizeF(), moneyPoints) << "a short amount in the full size again";
}

TEST(Amounts, UseOneDigitSystemFromTheStartingCaptionsOn) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    ASSERT_NE(captionFromAmount(500), "500") << "this locale writes digits of its own";
    {
        ScriptedTable table;
        for (QLabel *label : {table.ui->lblmoney, table.ui->lblBet, table.ui->lblPlay, table.ui->lblCom})
            EXPECT_FALSE(label->text().contains(QRegularExpression("[0-9]")))
                << label->objectName().toStdString();
        EXPECT_EQ(table.ui->lblmoney->text(), captionFromAmount(500));
        EXPECT_EQ(table.ui->lblBet->text(), captionFromAmount(0));
        table.ui->New_Game->trigger();
        EXPECT_EQ(table.ui->lblmoney->text(), captionFromAmount(500));
        EXPECT_EQ(table.ui->lblBet5->accessibleName(), "Bet " + captionFromAmount(5));
    }
    QLocale::setDefault(before);
}
