#pragma once

#include <QObject>
#include <QPointer>

class QString;
class QWidget;

// Speaks a sentence through the screen reader while the focus stays where it is and nothing changes on
// screen. The words are spoken alone, without a role or a name before them, and queue behind what the
// screen reader is saying; a key press cuts them off as it does any speech.
//
// Qt 6.8 and later send them as an announcement. Older Qt has no such event; there the words go as a
// change of the description of the control that the screen reader has as its focus, which a screen
// reader speaks as it is. Qt's own event for that change carries the control rather than the words, so
// the table sends it itself, on the connection to the accessibility bus that Qt's bridge keeps under the
// name "a11y", from the control's object path there. The control itself is left as it is.
class ScreenReaderNotice : public QObject {
public:
    ScreenReaderNotice();

    // Speaks `words` in `window`, the window the screen reader follows.
    void say(QWidget *window, const QString &words);

private:
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // The last control given the focus, which the screen reader has as its focus until another takes
    // it: a control disabled under the focus loses it without the screen reader hearing of it, and a
    // quiet move (quiet_focus.h) leaves it where it was.
    QPointer<QWidget> focused;
#endif
};
