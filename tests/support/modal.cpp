#include "support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

constexpr int secondsForAWindow = 2;
constexpr int pollMilliseconds = 5;

QAbstractButton *buttonCalled(QWidget *window, const QString &text) {
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->text().remove(QLatin1Char('&')) == text)
            return button;
    }
    return nullptr;
}

void closeModal(QWidget *modal) {
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

// How many ModalAnswers are waiting for a window: while one is, the stuck-window watch stands aside.
int answerersWaiting = 0;

} // namespace

ModalAnswers::ModalAnswers() {
    poller.setInterval(pollMilliseconds);
    QObject::connect(&poller, &QTimer::timeout, &poller, [this] { poll(); });
    deadline.setSingleShot(true);
    deadline.setInterval(secondsForAWindow * 1000);
    QObject::connect(&deadline, &QTimer::timeout, &deadline,
                     [this] { giveUpWaiting("did not come within two seconds"); });
}

ModalAnswers::~ModalAnswers() {
    waitUntilDone();
}

ModalAnswers &ModalAnswers::click(const QString &buttonText) {
    return act([buttonText](QWidget *modal) {
        QAbstractButton *button = buttonCalled(modal, buttonText);
        if (!button) {
            ADD_FAILURE() << "the modal window " << modal->objectName().toStdString() << " has no button "
                          << buttonText.toStdString();
            closeModal(modal);
            return;
        }
        button->click();
    });
}

ModalAnswers &ModalAnswers::act(std::function<void(QWidget *modal)> act) {
    if (steps.empty()) {
        ++answerersWaiting;
        poller.start();
        deadline.start();
    }
    steps.push_back({QString(), std::move(act)});
    return *this;
}

void ModalAnswers::poll() {
    QWidget *modal = QApplication::activeModalWidget();
    if (steps.empty() || !modal || answered.contains(modal))
        return;
    auto *box = qobject_cast<QMessageBox *>(modal);
    Seen seen{modal->objectName(),  modal->windowTitle(), box ? box->text() : QString(), {}, false,
              modal->parentWidget()};
    for (QAbstractButton *button : modal->findChildren<QAbstractButton *>())
        seen.buttons << button->text().remove(QLatin1Char('&'));
    seen.hasIcon = box && box->icon() != QMessageBox::NoIcon;
    windows.push_back(seen);
    answered << modal;

    Step step = std::move(steps.front());
    steps.pop_front();
    if (steps.empty()) {
        poller.stop();
        deadline.stop();
        --answerersWaiting;
    } else {
        deadline.start();
    }
    // Run from a timer of its own: an answer that opens the next window waits inside it, and this
    // poll must go on to find that window.
    ++answersRunning;
    QTimer::singleShot(0, &poller, [this, window = QPointer<QWidget>(modal), act = std::move(step.act)] {
        if (window)
            act(window);
        --answersRunning;
        if (steps.empty() && answersRunning == 0 && waiter)
            waiter->quit();
    });
}

void ModalAnswers::giveUpWaiting(const char *why) {
    if (steps.empty())
        return;
    ADD_FAILURE() << "modal window " << windows.size() + 1 << " " << why;
    steps.clear();
    poller.stop();
    --answerersWaiting;
    if (answersRunning == 0 && waiter)
        waiter->quit();
}

void ModalAnswers::waitUntilDone() {
    if (steps.empty() && answersRunning == 0)
        return;
    QEventLoop loop;
    waiter = &loop;
    loop.exec();
}

void closeStuckModalWindows() {
    static QTimer watch;
    static QPointer<QWidget> last;
    static int pollsSeen = 0;
    watch.setInterval(pollMilliseconds * 20);
    QObject::connect(&watch, &QTimer::timeout, &watch, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal != last || answerersWaiting > 0) {
            last = modal;
            pollsSeen = 0;
            return;
        }
        if (++pollsSeen * pollMilliseconds * 20 < secondsForAWindow * 1000)
            return;
        ADD_FAILURE() << "the modal window " << modal->objectName().toStdString() << " \""
                      << modal->windowTitle().toStdString() << "\" came unexpected; closed";
        pollsSeen = 0;
        closeModal(modal);
    });
    watch.start();
}
