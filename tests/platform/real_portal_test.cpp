// Runs under real_portal_test.sh: the desktop's own settings portal and its GTK backend on a private
// session bus, reading GNOME's settings from a file of the test's own, changed here with gsettings as a
// player would change them in the desktop's settings while the game runs.
#include "platform/desktop_preferences.h"

#include <QProcess>
#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Changes one of GNOME's settings as the desktop's own settings would.
void setDesktop(const QString &schema, const QString &key, const QString &value) {
    QProcess gsettings;
    gsettings.start(QStringLiteral("gsettings"), {QStringLiteral("set"), schema, key, value});
    ASSERT_TRUE(gsettings.waitForFinished(30000)) << qPrintable(key);
    ASSERT_EQ(gsettings.exitCode(), 0) << qPrintable(gsettings.readAllStandardError());
}

// Waits, as long as a busy machine may need, until the preferences say what is expected.
bool followsUntil(DesktopPreferences &preferences, const std::function<bool()> &expected) {
    QSignalSpy changed(&preferences, &DesktopPreferences::changed);
    while (!expected()) {
        if (!changed.wait(30000))
            return false;
    }
    return true;
}

TEST(RealPortal, TheDesktopsSettingsAreReadAtStartAndFollowedWhenChanged) {
    const QString interface = QStringLiteral("org.gnome.desktop.interface");
    const QString accessibility = QStringLiteral("org.gnome.desktop.a11y.interface");
    setDesktop(interface, QStringLiteral("enable-animations"), QStringLiteral("false"));

    DesktopPreferences preferences;
    ASSERT_TRUE(followsUntil(preferences, [&] { return preferences.reducedMotion(); }))
        << "the animations switch, off before the start, was not read";
    EXPECT_FALSE(preferences.moreContrast());

    setDesktop(interface, QStringLiteral("enable-animations"), QStringLiteral("true"));
    EXPECT_TRUE(followsUntil(preferences, [&] { return !preferences.reducedMotion(); }))
        << "animations turned back on were not followed";
    setDesktop(accessibility, QStringLiteral("high-contrast"), QStringLiteral("true"));
    EXPECT_TRUE(followsUntil(preferences, [&] { return preferences.moreContrast(); }))
        << "high contrast turned on was not followed";
    setDesktop(interface, QStringLiteral("color-scheme"), QStringLiteral("'prefer-dark'"));
    EXPECT_TRUE(followsUntil(preferences, [&] { return preferences.prefersDark(); }))
        << "the dark scheme chosen was not followed";
}

} // namespace
