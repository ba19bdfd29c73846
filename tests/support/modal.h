#pragma once

#include <QString>
#include <functional>

class QWidget;

// Answers the next modal window from the event loop: `answer` runs with the widget once
// QApplication::activeModalWidget() reports it. Call it before the action that opens the window.
void whenModalOpens(std::function<void(QWidget *modal)> answer);

// Clicks the button whose text (mnemonic ampersands aside) is `buttonText` in the next modal window that
// has one, and records that window's title and text into the given strings when they are non-null.
void answerNextModal(const QString &buttonText, QString *title = nullptr, QString *text = nullptr);
