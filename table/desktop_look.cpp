#include "table/desktop_look.h"

#include "platform/desktop_preferences.h"

#include <QEvent>
#include <QGuiApplication>
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

namespace {

// A dark palette from the desktop's theme counts as a dark desktop too, whether or not a portal says so.
// Qt tells of a new palette by an event, so the question is looked at again each time it is shown.
class QuestionShown : public QObject {
public:
    explicit QuestionShown(QLabel *question) : QObject(question) { question->installEventFilter(this); }

    static void colour(QLabel *question) {
        const DesktopPreferences &desktop = DesktopPreferences::shared();
        const QPalette desktopPalette = QGuiApplication::palette();
        const bool darkPalette = desktopPalette.color(QPalette::Window).lightness() <
                                 desktopPalette.color(QPalette::WindowText).lightness();
        QPalette palette = question->palette();
        palette.setColor(QPalette::WindowText,
                         desktop.moreContrast() || desktop.prefersDark() || darkPalette ? deepMagenta : pink);
        question->setPalette(palette);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show)
            colour(static_cast<QLabel *>(watched));
        return false;
    }
};

} // namespace

void keepInsuranceQuestionLegible(QLabel *question) {
    new QuestionShown(question);
    follow(question, [question](const DesktopPreferences &) { QuestionShown::colour(question); });
}
