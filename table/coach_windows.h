#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;

// The coach's latest answer, in a small window beside the table that belongs to it. It never takes the
// focus, so the player goes on with the keys where they were; a screen reader hears the answer from the
// table itself.
class BJHint : public QWidget {
    Q_OBJECT

public:
    explicit BJHint(QWidget *table);

    void showHint(const QString &words);
    QSize sizeHint() const override;

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
