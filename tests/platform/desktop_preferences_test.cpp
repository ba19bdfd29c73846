// Runs on a private session bus (dbus-run-session), where the test serves the settings portal itself.
#include "platform/desktop_preferences.h"
#include "support/fake_portal.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString gnome = QStringLiteral("org.gnome.desktop.interface");
const QString gnomeAccess = QStringLiteral("org.gnome.desktop.a11y.interface");

TEST(DesktopPreferences, ThePortalsOwnKeysLeadAndGnomesSwitchesStandInForThem) {
    struct Case {
        const char *desktop;
        FakePortal::Groups groups;
        bool reducedMotion, moreContrast;
    };
    const Case cases[] = {
        {"nothing asked", {{appearance, {{"color-scheme", 1u}}}}, false, false},
        {"the portal's keys", {{appearance, {{"reduced-motion", 1u}, {"contrast", 1u}}}}, true, true},
        {"GNOME's switches alone",
         {{gnome, {{"enable-animations", false}}}, {gnomeAccess, {{"high-contrast", true}}}},
         true,
         true},
        {"the portal's keys say no preference over GNOME's switches",
         {{appearance, {{"reduced-motion", 0u}, {"contrast", 0u}}},
          {gnome, {{"enable-animations", false}}},
          {gnomeAccess, {{"high-contrast", true}}}},
         false,
         false},
    };
    for (const Case &c : cases) {
        FakePortal portal(c.groups);
        DesktopPreferences preferences;
        QSignalSpy answered(&preferences, &DesktopPreferences::changed);
        ASSERT_TRUE(answered.wait(5000)) << c.desktop;
        EXPECT_EQ(preferences.reducedMotion(), c.reducedMotion) << c.desktop;
        EXPECT_EQ(preferences.moreContrast(), c.moreContrast) << c.desktop;
    }
}

} // namespace
