#include "table/quiet_focus.h"

#include <QAccessible>
#include <QWidget>

namespace {

bool quiet = false;
QAccessible::UpdateHandler bridge = nullptr;

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
    quiet = true;
    bridge = QAccessible::installUpdateHandler(holdFocusEvents);
    control->setFocus();
    QAccessible::installUpdateHandler(bridge);
    quiet = false;
}

bool focusMovingQuietly() {
    return quiet;
}
