#pragma once

#include <QObject>

class QAbstractButton;
class QKeyEvent;

// "&Stand" and the "&Sound" menu share Alt+S. Qt takes a shared mnemonic as ambiguous: the first press
// only moves the focus to the button, the second opens the menu. This gives the key to the button while
// it is enabled and on screen, so that one press clicks it; a disabled button leaves it to the menu.
// Unlike Qt's own mnemonic it leaves the focus where it is. It watches the button's own window only, and
// lives as long as the button.
class MnemonicPriority : public QObject {
public:
    explicit MnemonicPriority(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool claims(QObject *watched, const QKeyEvent &key) const;

    QAbstractButton *button;
};

// A button's own, unshared mnemonic presses it without moving the focus to it, which Qt's would: the
// round moves the focus once its news is told. Lives as long as the button.
class QuietMnemonic : public QObject {
public:
    explicit QuietMnemonic(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton *button;
};
