#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QMap>
#include <QVariantMap>

// The desktop's settings portal, served by a test on its own session bus (dbus-run-session): its Settings
// interface answers ReadAll with the groups it was given and announces changes. It holds the portal's
// name on the bus while it lives.
class FakePortal : public QDBusVirtualObject {
public:
    using Groups = QMap<QString, QVariantMap>;

    explicit FakePortal(Groups groups);
    ~FakePortal() override;

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;
    QString introspect(const QString &) const override { return {}; }

    void change(const QString &group, const QString &key, const QVariant &value);

private:
    QDBusConnection bus;
    Groups groups;
};
