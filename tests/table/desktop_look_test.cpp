// Runs on a private session bus (dbus-run-session), where the test serves the settings portal itself.
#include "media/relative_luminance.h"
#include "platform/desktop_preferences.h"
#include "support/cards.h"
#include "support/fake_portal.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/coach_windows.h"
#include "table/corvane_alert.h"
#include "table/help_window.h"
#include "table/insurance_dialog.h"
#include "table/table_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A text's contrast as its window draws it: the glyphs' ink against the darkest or lightest pixel behind
// them, as the guidelines reckon it.
// `showText` takes the text away (false) and puts it back (true).
double measuredContrast(QWidget *widget, const std::function<void(bool)> &showText) {
    QWidget *window = widget->window();
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    const QImage with = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    showText(false);
    const QImage without = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    showText(true);
    // The ink is the changed pixel that stands out most from what lay behind it: small text has more
    // smoothed edge than solid stroke, so the commonest colour it leaves may be an edge's.
    std::optional<QRgb> glyph;
    double strongest = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y) &&
                contrastRatio(with.pixel(x, y), without.pixel(x, y)) > strongest) {
                strongest = contrastRatio(with.pixel(x, y), without.pixel(x, y));
                glyph = with.pixel(x, y);
            }
    if (!glyph)
        return 0;
    double worst = 21;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) == *glyph && without.pixel(x, y) != *glyph)
                worst = std::min(worst, contrastRatio(*glyph, without.pixel(x, y)));
    return worst;
}

double measuredContrast(QLabel *label) {
    const QString text = label->text();
    return measuredContrast(label, [&](bool shown) { label->setText(shown ? text : QString()); });
}

const QString appearance = QStringLiteral("org.freedesktop.appearance");

// The table follows the one shared reader; each test asks through the portal and waits for its answer.
void ask(FakePortal &portal, const char *key, uint value, bool (DesktopPreferences::*answer)() const) {
    portal.change(appearance, QLatin1String(key), value);
    ASSERT_TRUE(QTest::qWaitFor([&] { return (DesktopPreferences::shared().*answer)() == (value == 1); }))
        << key << " never reached the game";
}

TEST(DesktopLook, AskedForMoreContrastEveryNumberAndCaptionMeasuresSevenToOne) {
    FakePortal portal({});
    DesktopPreferences::shared();
    ScriptedTable table;
    table->show();
    EXPECT_LT(measuredContrast(table.ui->lblPlay), 3) << "the usual look changed";

    ask(portal, "contrast", 1, &DesktopPreferences::moreContrast);
    for (const char *name :
         {"lblCom", "lblPlay", "lblBet", "lblmoney", "lblBettitle", "lblMoneytitle", "Label2", "Label4"}) {
        auto *caption = table->findChild<QLabel *>(QLatin1String(name));
        ASSERT_TRUE(caption) << name;
        EXPECT_GE(measuredContrast(caption), 7) << name;
    }
    ask(portal, "contrast", 0, &DesktopPreferences::moreContrast);
}

// A dark desktop is known by the portal's colour scheme, or by the dark palette of the desktop's theme.
TEST(DesktopLook, OnADarkDesktopTheInsuranceQuestionMeasuresOverFourAndAHalfToOne) {
    FakePortal portal({});
    ScriptedTable table;
    table->show();
    const QPalette light = QApplication::palette();
    for (const bool byPortal : {true, false}) {
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(53, 53, 53));
        dark.setColor(QPalette::WindowText, Qt::white);
        byPortal ? ask(portal, "color-scheme", 1, &DesktopPreferences::prefersDark)
                 : QApplication::setPalette(dark);
        table.ui->New_Game->trigger();
        table.stake(10, 490);
        table.deal(clubs(1), clubs(10), clubs(6));
        auto *offer = windowOnScreen<BJInsurWindow>();
        ASSERT_TRUE(offer);
        EXPECT_GE(measuredContrast(offer->lblInsurance), 4.5) << (byPortal ? "portal" : "palette");
        answerModal(QStringLiteral("No"));
        byPortal ? ask(portal, "color-scheme", 0, &DesktopPreferences::prefersDark)
                 : QApplication::setPalette(light);
    }
}

// A desktop's dark theme hands the game a dark palette; every other window's text then still reads at
// 4.5 to 1 or better, measured on screen: the help, the hint, the record and the alert.
TEST(DesktopLook, OnADarkDesktopEveryOtherWindowsTextMeasuresOverFourAndAHalfToOne) {
    FakePortal portal({});
    ScriptedTable table;
    table->show();
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    for (const auto role : {QPalette::Window, QPalette::Button})
        dark.setColor(role, QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    QApplication::setPalette(dark);
    ask(portal, "color-scheme", 1, &DesktopPreferences::prefersDark);

    table.ui->Help->trigger();
    table->findChild<QAction *>("Statistics")->trigger();
    table.stake(10, 490);
    table.deal(clubs(9), clubs(10), clubs(6));
    table->findChild<QAction *>("Hint")->trigger();
    QMessageBox *alert = showCorvaneAlert(table.window.get(), QStringLiteral("Place your bet first."));
    for (QWidget *window : QList<QWidget *>{windowOnScreen<BJHelp>(), windowOnScreen<BJStats>(),
                                            windowOnScreen<BJHint>(), alert}) {
        ASSERT_TRUE(window);
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (label->isVisible() && !label->text().isEmpty() && label->pixmap().isNull()) {
                EXPECT_GE(measuredContrast(label), 4.5)
                    << window->metaObject()->className() << " " << label->text().left(40).toStdString();
            }
        }
    }
    auto *help = windowOnScreen<BJHelp>()->findChild<QPlainTextEdit *>();
    ASSERT_TRUE(help);
    const QString helpText = help->toPlainText();
    EXPECT_GE(measuredContrast(help->viewport(),
                               [&](bool shown) { help->setPlainText(shown ? helpText : QString()); }),
              4.5)
        << "the help's text";

    alert->close();
    QApplication::setPalette(light);
    ask(portal, "color-scheme", 0, &DesktopPreferences::prefersDark);
}

} // namespace
