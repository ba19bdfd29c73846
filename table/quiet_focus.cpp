#include "table/quiet_focus.h"

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace {

bool quiet = false;
QAccessible::UpdateHandler bridge = nullptr;
// The control the screen reader last heard take the focus.
QPointer<QWidget> heard;

} // namespace

void followFocusHeard() {
    static const bool following = (QObject::connect(qApp, &QApplication::focusChanged, qApp,
                                                    [](QWidget *, QWidget *now) {
                                                        if (now && !quiet)
                                                            heard = now;
                                                    }),
                                   true);
    Q_UNUSED(following);
}

namespace {

// While the focus moves, the focus and its state changes go nowhere; everything else goes on to
// whoever handled it before.
void holdFocusEvents(QAccessibleEvent *event) {
    if (event->type() == QAccessible::Focus || event->type() == QAccessible::StateChanged)
        return;
    QAccessible::UpdateHandler self = QAccessible::installUpdateHandler(bridge);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(self);
}

} // namespace

void moveFocusQuietly(QWidget *control) {
    if (heard && heard != control && heard->isEnabled()) {
        control->setFocus();
        return;
    }
    quiet = true;
    bridge = QAccessible::installUpdateHandler(holdFocusEvents);
    control->setFocus();
    QAccessible::installUpdateHandler(bridge);
    quiet = false;
}

bool focusMovingQuietly() {
    return quiet;
}
