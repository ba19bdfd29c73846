#include "table/coach_hint.h"

#include "table/coach_windows.h"
#include "table/window_placement.h"

CoachHint::CoachHint(QWidget *table) : table(table) {}

CoachHint::~CoachHint() {
    delete window.data();
}

void CoachHint::show(const QString &words, const QList<QRect> &keepClear) {
    if (!window)
        window = new BJHint(table);
    window->showHint(words);
    placeBesideTable(window, table, Qt::AlignBottom, keepClear);
    window->show();
}

void CoachHint::close() {
    if (window)
        window->close();
}

void CoachHint::putAway() {
    if (window)
        window->hide();
}
