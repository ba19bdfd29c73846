#include "platform/desktop_preferences.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStyleHints>
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
#include <QAccessibilityHints>
#endif

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString gnomeInterface = QStringLiteral("org.gnome.desktop.interface");
const QString gnomeAccessibility = QStringLiteral("org.gnome.desktop.a11y.interface");

// Some portals wrap a setting's value in a second variant.
QVariant unwrapped(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value;
}

} // namespace

DesktopPreferences::DesktopPreferences(QObject *parent) : QObject(parent) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this,
            &DesktopPreferences::changed);
#endif
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
    // Where the toolkit has the desktop's contrast setting of its own, it is followed as well.
    connect(QGuiApplication::styleHints()->accessibility(), &QAccessibilityHints::contrastPreferenceChanged,
            this, &DesktopPreferences::changed);
#endif
    // With no address and no bus at the usual place, the D-Bus library would launch a bus of its own,
    // which the game's start should not wait for: then there is no portal to ask either.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        !QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus")))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // The bus finds the slot's argument types by name, and refuses the connection, without a word,
    // while a type has no name registered: nothing else may have registered this one yet.
    qRegisterMetaType<QDBusVariant>();
    bus.connect(portalService, portalPath, settingsInterface, QStringLiteral("SettingChanged"), this,
                SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    QDBusMessage readAll = QDBusMessage::createMethodCall(portalService, portalPath, settingsInterface,
                                                          QStringLiteral("ReadAll"));
    readAll << QStringList{appearance, gnomeInterface, gnomeAccessibility};
    // No portal on the bus is an error reply, which leaves everything as it is.
    bus.callWithCallback(readAll, this, SLOT(onReadAll(QDBusMessage)));
}

DesktopPreferences &DesktopPreferences::shared() {
    static DesktopPreferences *preferences = new DesktopPreferences(QCoreApplication::instance());
    return *preferences;
}

bool DesktopPreferences::reducedMotion() const {
    if (portalReducedMotion)
        return *portalReducedMotion;
    return gnomeAnimations && !*gnomeAnimations;
}

bool DesktopPreferences::moreContrast() const {
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
    if (QGuiApplication::styleHints()->accessibility()->contrastPreference() ==
        Qt::ContrastPreference::HighContrast)
        return true;
#endif
    if (portalMoreContrast)
        return *portalMoreContrast;
    return gnomeHighContrast.value_or(false);
}

bool DesktopPreferences::prefersDark() const {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    if (QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark)
        return true;
#endif
    return portalDark.value_or(false);
}

// The answer is a{sa{sv}}: each group with its keys and values.
void DesktopPreferences::onReadAll(const QDBusMessage &reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return;
    const auto groups = reply.arguments().constFirst().value<QDBusArgument>();
    if (groups.currentSignature() != QLatin1String("a{sa{sv}}"))
        return;
    groups.beginMap();
    while (!groups.atEnd()) {
        QString group;
        groups.beginMapEntry();
        groups >> group;
        groups.beginMap();
        while (!groups.atEnd()) {
            QString key;
            QDBusVariant value;
            groups.beginMapEntry();
            groups >> key >> value;
            groups.endMapEntry();
            // The portal may answer after telling of a change it made since: the change is newer.
            if (!changedSinceAsked.contains(group + QLatin1Char('/') + key))
                take(group, key, value.variant());
        }
        groups.endMap();
        groups.endMapEntry();
    }
    groups.endMap();
    emit changed();
}

void DesktopPreferences::onSettingChanged(const QString &group, const QString &key,
                                          const QDBusVariant &value) {
    if (!take(group, key, value.variant()))
        return;
    changedSinceAsked.insert(group + QLatin1Char('/') + key);
    emit changed();
}

// The portal's keys are numbers, 1 meaning "asked for" (for the colour scheme: dark) and 0 "no
// preference"; GNOME's are switches.
bool DesktopPreferences::take(const QString &group, const QString &key, const QVariant &wrapped) {
    const QVariant value = unwrapped(wrapped);
    if (group == appearance && key == QLatin1String("reduced-motion"))
        portalReducedMotion = value.toUInt() == 1;
    else if (group == appearance && key == QLatin1String("color-scheme"))
        portalDark = value.toUInt() == 1;
    else if (group == appearance && key == QLatin1String("contrast"))
        portalMoreContrast = value.toUInt() == 1;
    else if (group == gnomeInterface && key == QLatin1String("enable-animations"))
        gnomeAnimations = value.toBool();
    else if (group == gnomeAccessibility && key == QLatin1String("high-contrast"))
        gnomeHighContrast = value.toBool();
    else
        return false;
    return true;
}
