#pragma once

#include "table/coach_words.h"

#include <QDialog>
#include <QList>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;

// The windows the coach opens beside the table, alike in their look: the desktop's margins, a heading,
// the figures, and a Close button.

// The coach's answer to the decision at hand, in a small window beside the table that belongs to it. It
// never takes the focus, so the player goes on with the keys where they were; a screen reader hears the
// answer from the table itself. It stays open, its answer kept up to date, until it is closed.
class BJHint : public QWidget {
    Q_OBJECT

public:
    explicit BJHint(QWidget *table);

    void showHint(const QString &words);
    QSize sizeHint() const override;

    QLabel *lblHeading = nullptr;
    QLabel *lblHint = nullptr;
    QPushButton *cmdClose = nullptr;
};

// The session's record beside the table, updated as each round ends: two columns, what each figure is
// and, right-aligned, its value. Tab walks the values, and a screen reader says each one with its name.
class BJStats : public QDialog {
    Q_OBJECT

public:
    BJStats();

    void showRecord(const QList<RecordLine> &lines);
    // Shows `widget` to the right of the figures, taking the width the window has beyond them.
    void showBesideFigures(QWidget *widget);

    // The values in the order of the record's lines; each is named after its line.
    QList<QLabel *> lblValues;
    QPushButton *cmdClose = nullptr;

private:
    QGridLayout *figures = nullptr;
    QHBoxLayout *besideFigures = nullptr;
    QList<QLabel *> lblNames;
};
