#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <optional>

class QDBusMessage;
class QDBusVariant;

// What the desktop asks of the game's look, read from the desktop's settings portal
// (org.freedesktop.portal.Settings) on the session bus, and followed while the game runs: less motion,
// more contrast, and a dark colour scheme. The portal's own keys in "org.freedesktop.appearance" lead
// where the desktop's portal has them; older portals answer only for GNOME's settings, whose animations
// switch and high-contrast switch stand in. Qt from 6.5 knows the colour scheme and from 6.10 the
// contrast setting itself, and is heard too. With no portal, or no answer yet, nothing is asked.
//
// The portal is asked without waiting, so building one costs the start-up nothing; changed() is emitted
// when its answer comes and whenever the desktop changes a setting.
class DesktopPreferences : public QObject {
    Q_OBJECT

public:
    explicit DesktopPreferences(QObject *parent = nullptr);

    // The one the table's windows follow, made on first use.
    static DesktopPreferences &shared();

    bool reducedMotion() const;
    bool moreContrast() const;
    bool prefersDark() const;

signals:
    void changed();

private slots:
    void onSettingChanged(const QString &group, const QString &key, const QDBusVariant &value);
    void onReadAll(const QDBusMessage &reply);

private:
    // Returns whether `key` is one followed here.
    bool take(const QString &group, const QString &key, const QVariant &value);

    std::optional<bool> portalReducedMotion, portalMoreContrast;
    std::optional<bool> portalDark;
    std::optional<bool> gnomeAnimations, gnomeHighContrast;
    // "group/key" of each setting the portal has told a change of, whose first answer is then stale.
    QSet<QString> changedSinceAsked;
};
