#include "support/fake_portal.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <gtest/gtest.h>

namespace {
const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
} // namespace

FakePortal::FakePortal(Groups groups)
    : bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal"))),
      groups(std::move(groups)) {
    qDBusRegisterMetaType<Groups>();
    EXPECT_TRUE(bus.registerVirtualObject(path, this, QDBusConnection::SingleNode));
    EXPECT_TRUE(bus.registerService(service)) << "no private session bus: run under dbus-run-session";
}

FakePortal::~FakePortal() {
    bus.unregisterService(service);
    bus.unregisterObject(path);
}

bool FakePortal::handleMessage(const QDBusMessage &message, const QDBusConnection &connection) {
    if (message.member() != QLatin1String("ReadAll"))
        return false;
    connection.send(message.createReply(QVariant::fromValue(groups)));
    return true;
}

void FakePortal::change(const QString &group, const QString &key, const QVariant &value) {
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Settings"),
                                                     QStringLiteral("SettingChanged"));
    signal << group << key << QVariant::fromValue(QDBusVariant(value));
    bus.send(signal);
}
