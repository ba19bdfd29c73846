#include "table/refusal_hold.h"

#include <QDialog>

RefusalHold::RefusalHold(std::function<QWidget *(Alert)> showRefusal) : showRefusal(std::move(showRefusal)) {}

void RefusalHold::hear(const RoundReport &report) {
    if (showing)
        heldBack.push_back(report);
    else
        tell(report);
}

void RefusalHold::tell(const RoundReport &report) {
    audience.tell(report);
    const auto *refusal = std::get_if<report::Refused>(&report);
    if (!refusal)
        return;
    QWidget *window = showRefusal(refusal->alert);
    if (!window)
        return;
    showing = window;
    if (auto *dialog = qobject_cast<QDialog *>(window))
        connect(dialog, &QDialog::finished, this, [this, window] { refusalGone(window); });
    connect(window, &QObject::destroyed, this, [this, window] { refusalGone(window); });
}

void RefusalHold::refusalGone(const QObject *window) {
    if (window != showing)
        return;
    showing = nullptr;
    while (!showing && !heldBack.empty()) {
        RoundReport report = std::move(heldBack.front());
        heldBack.pop_front();
        tell(report);
    }
}
