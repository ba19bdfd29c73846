// Runs on a private session bus (dbus-run-session), where the test serves the settings portal itself.
#include "media/relative_luminance.h"
#include "platform/desktop_preferences.h"
#include "support/cards.h"
#include "support/fake_portal.h"
#include "support/modal.h"
#include "support/scripted_platform.h"
#include "support/table_controls.h"
#include "table/insurance_dialog.h"
#include "table/table_window.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A caption's contrast as its window draws it: the glyphs' solid colour (the commonest among the pixels
// its text changes) against the darkest or lightest pixel behind them, as the guidelines reckon it.
double measuredContrast(QLabel *label) {
    QWidget *window = label->window();
    const QRect area(label->mapTo(window, QPoint(0, 0)), label->size());
    const QImage with = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    const QString text = label->text();
    label->setText(QString());
    const QImage without = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    label->setText(text);
    QHash<QRgb, int> glyphColours;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y))
                ++glyphColours[with.pixel(x, y)];
    if (glyphColours.isEmpty())
        return 0;
    const QRgb glyph =
        std::max_element(glyphColours.keyValueBegin(), glyphColours.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first;
    double worst = 21;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) == glyph && without.pixel(x, y) != glyph)
                worst = std::min(worst, contrastRatio(glyph, without.pixel(x, y)));
    return worst;
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

} // namespace
