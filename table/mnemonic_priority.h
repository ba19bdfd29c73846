#pragma once

#include <QObject>

class QAbstractButton;
class QKeyEvent;

// Gives a button's Alt+letter to the button while it is enabled and on screen, and clicks it on the key
// press itself. Qt's own mnemonic waits 100 ms with the button drawn pressed before it clicks, so a
// keyboard player would hear every card later than a mouse player; and where two mnemonics share a
// letter ("&Stand" and the "&Sound" menu), Qt's first press only moves the focus. A disabled button
// leaves its letter to the menu. Unlike Qt's own mnemonic it leaves the focus where it is. It watches the
// button's own window only, and lives as long as the button.
class MnemonicPriority : public QObject {
public:
    explicit MnemonicPriority(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool claims(QObject *watched, const QKeyEvent &key) const;
    void showPressed();

    QAbstractButton *button;
};
