#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// A modal window as it was when a test answered it.
struct ModalSeen {
    QString objectName;
    QString title;
    QString text; // a message box's text
    QStringList buttons;
    bool hasIcon = false;
    QPointer<QWidget> parent;
};

// Answers the modal window on screen, as QApplication::activeModalWidget() reports it. The game opens its
// insurance offer and its refusals without waiting for them, so a test acts and then answers what the
// action opened. When no modal window is up, or it lacks the button, the test fails; a window without
// the button is closed so that the next test does not find it.
ModalSeen answerModal(const QString &buttonText);
// The same, with the window handed to `act`, which answers it or has it closed.
ModalSeen answerModal(const std::function<void(QWidget *modal)> &act);
