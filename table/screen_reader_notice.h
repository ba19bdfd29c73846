#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

// Speaks a sentence through the screen reader while the focus stays where it is and nothing changes on
// screen. The words are spoken alone, without a role or a name before them, and queue behind what the
// screen reader is saying; a key press cuts them off as it does any speech.
//
// Qt 6.8 and later send them as an announcement. Older Qt has no such event; there the words become, for
// a moment, the description of the control that the screen reader has as its focus, which a screen reader
// speaks when it changes. The control keeps the words as its description while it keeps the focus, so
// that the screen reader's "where am I" still has them after a key press cut them off; once the focus
// has left it, its own description comes back, where the screen reader no longer looks.
class ScreenReaderNotice : public QObject {
public:
    ScreenReaderNotice();

    // Speaks `words` in `window`, the window the screen reader follows.
    void say(QWidget *window, const QString &words);

private:
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    void focusMoved(QWidget *now);
    void giveBackDescription();

    // The last control given the focus, which the screen reader has as its focus until another takes
    // it: a control disabled under the focus loses it without the screen reader hearing of it.
    QPointer<QWidget> focused;
    // The control carrying the words, and its own description.
    QPointer<QWidget> carrier;
    QString ownDescription;
#endif
};
