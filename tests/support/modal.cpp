#include "support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

namespace {

QAbstractButton *buttonCalled(QWidget *window, const QString &text) {
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->text().remove(QLatin1Char('&')) == text)
            return button;
    }
    return nullptr;
}

// Looks again every few milliseconds, from the event loop, until a modal window that `fits` is up.
void pollForModal(std::function<bool(QWidget *)> fits, std::function<void(QWidget *)> answer, int triesLeft) {
    QTimer::singleShot(5, [fits = std::move(fits), answer = std::move(answer), triesLeft]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && fits(modal)) {
            answer(modal);
            return;
        }
        if (triesLeft > 0)
            pollForModal(std::move(fits), std::move(answer), triesLeft - 1);
    });
}

} // namespace

void whenModalOpens(std::function<void(QWidget *modal)> answer) {
    pollForModal([](QWidget *) { return true; }, std::move(answer), 2000);
}

void answerNextModal(const QString &buttonText, QString *title, QString *text) {
    pollForModal([buttonText](QWidget *modal) { return buttonCalled(modal, buttonText) != nullptr; },
                 [buttonText, title, text](QWidget *modal) {
                     if (title)
                         *title = modal->windowTitle();
                     if (auto *box = qobject_cast<QMessageBox *>(modal); box && text)
                         *text = box->text();
                     buttonCalled(modal, buttonText)->click();
                 },
                 2000);
}
