#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;

// The coach's latest answer, in a small window beside the table. It opens without taking the focus, so
// the player goes on where they were; a screen reader hears the answer from the table itself. Escape or
// Close puts it away once it has the focus.
class BJHint : public QDialog {
    Q_OBJECT

public:
    BJHint();

    void showHint(const QString &words);

    QLabel *lblHint = nullptr;
};

// The session's record beside the table, updated as each round ends. The figures are a list that the
// arrow keys walk through, and a screen reader reads each line as the focus reaches it.
class BJStats : public QDialog {
    Q_OBJECT

public:
    BJStats();

    void showRecord(const QStringList &lines);

    QListWidget *lstRecord = nullptr;
};

// Moves a window that opens beside the table to the table's right, level with its top or its bottom
// edge (`alignment`), or over the table's right side where the screen ends.
void placeBesideTable(QWidget *window, const QWidget *table, Qt::Alignment alignment);
