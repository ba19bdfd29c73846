#include "table/mnemonic_priority.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QTimer>

namespace {

// Clicks at once, then shows the pressed look a mouse click gives, for as long as Qt's own mnemonic
// shows it before its click.
void clickThenShowPressed(QAbstractButton *button) {
    button->click();
    if (!button->isEnabled())
        return;
    button->setDown(true);
    QTimer::singleShot(100, button, [button] { button->setDown(false); });
}

} // namespace

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
    if (type == QEvent::KeyPress && !key.isAutoRepeat())
        clickThenShowPressed(button);
    return true;
}

QuietMnemonic::QuietMnemonic(QAbstractButton *button) : QObject(button), button(button) {
    button->installEventFilter(this);
}

bool QuietMnemonic::eventFilter(QObject *watched, QEvent *event) {
    if (watched != button || event->type() != QEvent::Shortcut || !button->isEnabled())
        return false;
    clickThenShowPressed(button);
    return true;
}
