#pragma once

#include <QPointer>
#include <deque>

class QString;
class QWidget;

// Speaks a sentence through the screen reader while the focus stays where it is and nothing changes on
// screen. Qt 6.8 and later send it as an announcement; older Qt has no such event, and a screen reader
// presents a label only while it has the focus, so the words are shown in a notification, an invisible
// one-pixel widget that a screen reader speaks as it appears.
class ScreenReaderNotice {
public:
    // Speaks `words` in `window`, the window the screen reader follows.
    void say(QWidget *window, const QString &words);

private:
    // The notifications still alive. A screen reader reads a notification's words some time after it
    // appeared, so the last ones are kept until newer ones have taken their place.
    std::deque<QPointer<QWidget>> shown;
};
