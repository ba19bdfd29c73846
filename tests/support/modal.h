#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

class QEventLoop;
class QWidget;

// Answers the modal windows a test expects, in order, from the event loop: each one as
// QApplication::activeModalWidget() reports it. Make it before the action that opens the first window.
// A window that does not come within two seconds of the one before fails the test; a window that has
// no such button is closed, so that the test goes on instead of hanging.
class ModalAnswers {
public:
    ModalAnswers();
    ~ModalAnswers();
    ModalAnswers(const ModalAnswers &) = delete;
    ModalAnswers &operator=(const ModalAnswers &) = delete;

    // The next modal window: click the button whose text, mnemonic ampersands aside, is `buttonText`.
    ModalAnswers &click(const QString &buttonText);
    // The next modal window: hand it to `act`, which answers it or has it closed.
    ModalAnswers &act(std::function<void(QWidget *modal)> act);

    // Waits until every window asked for has been answered, or fails the test for the first that did
    // not come in time. The destructor waits too.
    void waitUntilDone();

    // Each window answered so far, as it was when it came.
    struct Seen {
        QString objectName;
        QString title;
        QString text; // a message box's text
        QStringList buttons;
        bool hasIcon = false;
        QPointer<QWidget> parent;
    };
    const std::vector<Seen> &seen() const { return windows; }

private:
    struct Step {
        QString button;
        std::function<void(QWidget *)> act;
    };

    void poll();
    void giveUpWaiting(const char *why);

    std::deque<Step> steps;
    std::vector<Seen> windows;
    int answersRunning = 0;
    QList<QPointer<QWidget>> answered;
    QTimer poller;
    QTimer deadline;
    QPointer<QEventLoop> waiter;
};

// Started once by the tests' main: a modal window that stays the active one for two seconds with no
// ModalAnswers to answer it fails the running test and is closed, so that no test hangs on it.
void closeStuckModalWindows();
