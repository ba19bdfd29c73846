#include "table/screen_reader_notice.h"

#include <QAccessible>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

ScreenReaderNotice::ScreenReaderNotice() = default;

void ScreenReaderNotice::say(QWidget *window, const QString &words) {
    QAccessibleAnnouncementEvent announcement(window, words);
    QAccessible::updateAccessibility(&announcement);
}

#else

#include "table/quiet_focus.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>

ScreenReaderNotice::ScreenReaderNotice() {
    focused = QApplication::focusWidget();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && !focusMovingQuietly())
            focused = now;
    });
}

void ScreenReaderNotice::say(QWidget *window, const QString &words) {
    // Qt's bridge connects to the accessibility bus only while a screen reader listens.
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected())
        return;
    QWidget *target =
        focused && focused->isVisible() && focused->window()->isActiveWindow() ? focused.data() : window;
    QAccessibleInterface *control = QAccessible::queryAccessibleInterface(target);
    if (!control)
        return;
    // The path and the event as Qt's bridge has them, the words in place of the control.
    const QString path =
        QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(control));
    QDBusMessage change = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("PropertyChange"));
    change << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(words))
           << QVariantMap();
    bus.send(change);
}

#endif
