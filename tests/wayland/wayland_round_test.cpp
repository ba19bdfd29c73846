#include "support/cards.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/application_identity.h"
#include "table/coach_windows.h"
#include "table/table_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

// Run by run_under_weston.sh on a headless Wayland compositor, which checks what this leaves on stderr
// and the app id the compositor was given.
TEST(WaylandTable, PlaysRoundsWithTheirDialogsAlertsHintAndRecord) {
    ASSERT_EQ(QGuiApplication::platformName(), "wayland");
    nameApplication();
    ScriptedTable table;
    table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table.window.get()));

    QTest::mouseClick(table.ui->CmdNew, Qt::LeftButton);
    answerModal(QStringLiteral("OK"));

    // Insured against the dealer's ace, and paid when the hole card is a ten.
    table.stake(10, 490);
    table.deal(clubs(1), hearts(10), hearts(7));
    answerModal(QStringLiteral("Yes"));
    table.stand({spades(13)});
    EXPECT_EQ(table.ui->lblmoney->text(), "500");

    table.stake(10, 490);
    table.deal(clubs(10), clubs(9), clubs(2));
    table.hit(hearts(5));
    // The coach's window and the record's open beside the table, wherever the compositor puts them.
    table->Hint_Click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windowOnScreen<BJHint>()));
    table->Statistics_Click();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windowOnScreen<BJStats>()));
    table.stand({hearts(6), spades(8)});
    EXPECT_EQ(table.ui->lblmoney->text(), "510");
    EXPECT_TRUE(table.ui->CmdNew->isEnabled());
    table->close();
}
