#pragma once

#include <QFont>
#include <QObject>
#include <QSize>
#include <array>
#include <functional>

class QWidget;

// How large the table is drawn for this session: 100% to 300% in steps, nothing saved. The largest
// step is the largest whose pictures are drawn from art of at least the screen's pixels (the art
// comes at one, two and three times the table's pixels) and whose window fits the screen.
class TableZoom : public QObject {
    Q_OBJECT

public:
    static constexpr std::array<int, 7> stepsInPercent{100, 125, 150, 175, 200, 250, 300};
    // The largest art, in device pixels per table pixel at 100%.
    static constexpr qreal largestArt = 3.0;

    // The largest step for a screen of `devicePixelRatio` with `room` for a window whose `zoomed` part
    // grows with the zoom (its size at 100%) and whose `fixed` part (frame, menu bar) does not. 100% is
    // always allowed.
    static int largestStep(qreal devicePixelRatio, QSize room, QSize zoomed, QSize fixed);

    // The zoom of the table that `widget` is, belongs to or stands over; null for a widget outside any
    // table, which is drawn at 100%.
    static TableZoom *of(const QWidget *widget);

    // Made a child of the table window, where of() finds it.
    explicit TableZoom(QWidget *table);

    int percent() const { return shown; }
    qreal factor() const { return shown / 100.0; }

    // One step larger, up to `largest`, or one step smaller; false when there is no such step.
    bool zoomIn(int largest);
    bool zoomOut();
    bool actualSize();
    // Down to `largest` if it is larger, as on a screen of more pixels or less room.
    bool keepWithin(int largest);

    // Sizes `window` for the zoom now and at every change, each time followed by `resized`, as long as
    // the window lives.
    void follow(QWidget *window, const std::function<void()> &resized = {});

signals:
    void changed();

private:
    bool show(int percent);

    int shown = 100;
};

// `font` at `zoom` times its size.
QFont zoomedFont(QFont font, qreal zoom);

// Sizes `root` and everything in it for `zoom`, from the sizes they had when first zoomed: every font;
// the place of each child that `root` lays out by hand; and `root`'s fixed size unless a layout keeps
// it. A rectangle keeps its edges where the scaled edges fall, so boxes that meet still meet.
void zoomWidgets(QWidget *root, qreal zoom);

// A rectangle at `zoom` times its size, measured from the same origin, each edge at the whole pixel
// at or before where it falls.
QRect zoomedRect(const QRect &rect, qreal zoom);
