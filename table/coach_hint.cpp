#include "table/coach_hint.h"

#include "table/coach_windows.h"
#include "table/table_zoom.h"
#include "table/window_placement.h"

#include <QTimer>

CoachHint::CoachHint(QWidget *table, std::function<QString()> answer, std::function<QList<QRect>()> keepClear)
    : table(table), answer(std::move(answer)), keepClear(std::move(keepClear)) {}

CoachHint::~CoachHint() {
    delete window.data();
}

QString CoachHint::show() {
    if (!window) {
        window = new BJHint(table);
        updatePending = false;
        // Placed again at every zoom, beside the table at its new size.
        if (TableZoom *zoom = TableZoom::of(table)) {
            zoom->follow(window, [this] {
                if (window->isVisible())
                    placeBesideTable(window, table, Qt::AlignBottom, keepClear());
            });
        }
    }
    const QString words = answer();
    window->showHint(words);
    placeBesideTable(window, table, Qt::AlignBottom, keepClear());
    window->show();
    return words;
}

void CoachHint::close() {
    if (window)
        window->close();
}

// A round reports several changes for one step of play (the card, the total, the controls); the decision
// is asked for once they are all told, from the event loop. The window is the timer's context, so a
// window closed and deleted meanwhile takes the update with it.
void CoachHint::updateSoon() {
    if (!window || !window->isVisible() || updatePending)
        return;
    updatePending = true;
    QTimer::singleShot(0, window, [this] { update(); });
}

void CoachHint::update() {
    updatePending = false;
    if (!window || !window->isVisible())
        return;
    window->showHint(answer());
    keepOnScreen(window);
}
