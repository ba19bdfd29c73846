#pragma once

#include <QObject>

class QAbstractButton;
class QKeyEvent;

// A round button's Alt+letter acts on the key press itself, and leaves the focus where it is: the round
// moves the focus once its news is told, and a screen reader would name a button that took the focus
// before the news. Qt's own mnemonic draws the button pressed for 100 ms before it clicks, so a keyboard
// player would hear every card later than a mouse player, and it moves the focus to the button. The
// button still shows itself pressed for as long, after the click.

// For a letter the button shares with a menu: "&Stand" and the "&Sound" menu share Alt+S. Qt takes a
// shared mnemonic as ambiguous: the first press only moves the focus to the button, the second opens the
// menu. This gives the key to the button while it is enabled and on screen, so that one press clicks it;
// a disabled button leaves it to the menu. It watches the button's own window only, and lives as long as
// the button.
class MnemonicPriority : public QObject {
public:
    explicit MnemonicPriority(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool claims(QObject *watched, const QKeyEvent &key) const;

    QAbstractButton *button;
};

// For a letter the button has to itself: the shortcut Qt makes of it clicks the button at once. The key
// is then spent on the shortcut, so no control sees it as a key press. Lives as long as the button.
class QuietMnemonic : public QObject {
public:
    explicit QuietMnemonic(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton *button;
};
