#pragma once

#include <QList>
#include <QRect>
#include <Qt>
#include <functional>

class QWidget;

// Moves a top-level window, already at its final size, to the centre of the screen it will appear on.
void centreOnScreen(QWidget *window);

// Moves a top-level window whose size has changed back onto its screen, as little as it takes: a window
// that grew past the screen's right or bottom edge keeps its other edges where they can stay.
void keepOnScreen(QWidget *window);

// Where a window that opens beside the table goes, and how wide it is, as its frame on the screen.
struct BesideTable {
    QRect screen; // the screen's available area
    QRect table;  // the table window's frame
    // The table's controls, cards and captions: where no room is left beside the table, the window goes
    // where it covers none of them.
    QList<QRect> keepClear;
    // Level with the table's top or bottom edge when it goes to one side.
    Qt::Alignment alignment = Qt::AlignTop;
    // The widths to try, widest first; the window's height follows from its width.
    int widest = 0;
    int narrowest = 0;
};

// Beside the table on a side with room (right, then left), else below or above it, else wherever on the
// screen it covers nothing of `keepClear`; only where no place is clear, to the table's right as far as
// the screen allows. `frameFor` gives the window's frame size at a width.
QRect placeBeside(const BesideTable &where, const std::function<QSize(int width)> &frameFor);

// Moves and sizes `window` as placeBeside() says, beside `table` on its screen.
void placeBesideTable(QWidget *window, const QWidget *table, Qt::Alignment alignment,
                      const QList<QRect> &keepClear = {});
