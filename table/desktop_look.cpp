#include "table/desktop_look.h"

#include "platform/desktop_preferences.h"

#include <QLabel>

namespace {

const QColor pink(255, 128, 255);
const QColor deepMagenta(128, 0, 128);

// Runs `apply` now and whenever the desktop's settings change, for as long as `label` lives.
template <class Apply> void follow(QLabel *label, Apply apply) {
    DesktopPreferences &desktop = DesktopPreferences::shared();
    apply(desktop);
    QObject::connect(&desktop, &DesktopPreferences::changed, label, [apply, &desktop] { apply(desktop); });
}

} // namespace

void standTotalsOnPlates(std::initializer_list<QLabel *> totals) {
    for (QLabel *total : totals) {
        follow(total, [total](const DesktopPreferences &desktop) {
            QPalette palette = total->palette();
            palette.setColor(QPalette::Window, Qt::black);
            total->setPalette(palette);
            total->setAutoFillBackground(desktop.moreContrast());
        });
    }
}

void keepInsuranceQuestionLegible(QLabel *question) {
    follow(question, [question](const DesktopPreferences &desktop) {
        QPalette palette = question->palette();
        palette.setColor(QPalette::WindowText,
                         desktop.moreContrast() || desktop.prefersDark() ? deepMagenta : pink);
        question->setPalette(palette);
    });
}
