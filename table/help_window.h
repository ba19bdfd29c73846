#pragma once

#include <QDialog>

class QPlainTextEdit;

// The rules of the game in a window of their own, beside the table: read-only, scrolled vertically.
class BJHelp : public QDialog {
    Q_OBJECT

public:
    BJHelp();

    QPlainTextEdit *txtHelp = nullptr;

    // The rules as the window shows them, closed by a line naming the program and its version.
    static QString helpText();
};
