#include "support/modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace {

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

} // namespace

ModalSeen answerModal(const std::function<void(QWidget *modal)> &act) {
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal) {
        ADD_FAILURE() << "no modal window is on screen";
        return {};
    }
    auto *box = qobject_cast<QMessageBox *>(modal);
    ModalSeen seen{modal->objectName(),  modal->windowTitle(), box ? box->text() : QString(), {}, false,
                   modal->parentWidget()};
    for (QAbstractButton *button : modal->findChildren<QAbstractButton *>())
        seen.buttons << button->text().remove(QLatin1Char('&'));
    seen.hasIcon = box && box->icon() != QMessageBox::NoIcon;
    act(modal);
    return seen;
}

ModalSeen answerModal(const QString &buttonText) {
    return answerModal([buttonText](QWidget *modal) {
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
