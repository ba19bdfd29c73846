#include "table/mnemonic_priority.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>

MnemonicPriority::MnemonicPriority(QAbstractButton *button) : QObject(button), button(button) {
    // The key goes to whichever control of the window has the focus, so only the application sees it
    // wherever it goes.
    QCoreApplication::instance()->installEventFilter(this);
}

bool MnemonicPriority::claims(QObject *watched, const QKeyEvent &key) const {
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (!widget || widget->window() != button->window() || !button->isEnabled() || !button->isVisible())
        return false;
    const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return !mnemonic.isEmpty() && mnemonic == QKeySequence(QKeyCombination(modifiers, Qt::Key(key.key())));
}

bool MnemonicPriority::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (!claims(watched, key))
        return false;
    // Accepting the override keeps the key from the shortcut map; it then comes as a key press.
    event->accept();
    // The button is pressed visibly; the focus stays where it is.
    if (type == QEvent::KeyPress && !key.isAutoRepeat())
        button->animateClick();
    return true;
}

QuietMnemonic::QuietMnemonic(QAbstractButton *button) : QObject(button), button(button) {
    button->installEventFilter(this);
}

bool QuietMnemonic::eventFilter(QObject *watched, QEvent *event) {
    if (watched != button || event->type() != QEvent::Shortcut || !button->isEnabled())
        return false;
    button->animateClick();
    return true;
}
