#include "table/screen_reader_notice.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

ScreenReaderNotice::ScreenReaderNotice() = default;

void ScreenReaderNotice::say(QWidget *window, const QString &words) {
    QAccessibleAnnouncementEvent announcement(window, words);
    QAccessible::updateAccessibility(&announcement);
}

#else

#include <QTimer>

ScreenReaderNotice::ScreenReaderNotice() {
    focused = QApplication::focusWidget();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusMoved(now); });
}

void ScreenReaderNotice::focusMoved(QWidget *now) {
    if (!now)
        return;
    focused = now;
    // Given back on the next turn of the event loop: by then the screen reader has been told of the new
    // focus, and no longer speaks the old control's description as it changes.
    if (carrier && carrier != now)
        QTimer::singleShot(0, this, [this] { giveBackDescription(); });
}

void ScreenReaderNotice::giveBackDescription() {
    if (carrier && carrier != focused)
        carrier->setAccessibleDescription(ownDescription);
    if (carrier != focused)
        carrier.clear();
}

void ScreenReaderNotice::say(QWidget *window, const QString &words) {
    QWidget *target =
        focused && focused->isVisible() && focused->window()->isActiveWindow() ? focused.data() : window;
    if (carrier != target) {
        giveBackDescription();
        carrier = target;
        ownDescription = target->accessibleDescription();
    }
    // A description set again to the same words is no change, and would not be spoken.
    if (target->accessibleDescription() == words)
        target->setAccessibleDescription(QString());
    target->setAccessibleDescription(words);
}

#endif
