#include "table/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

void centreOnScreen(QWidget *window) {
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

namespace {

// The widths from the widest to the narrowest, in a few steps.
std::vector<int> widthsToTry(const BesideTable &where) {
    const int narrowest = std::min(where.narrowest, where.widest);
    const int step = std::max(8, (where.widest - narrowest) / 8);
    std::vector<int> widths;
    for (int width = where.widest; width > narrowest; width -= step)
        widths.push_back(width);
    widths.push_back(narrowest);
    return widths;
}

// Beside the table on one side: right, left, below or above, level with the edge asked for.
QRect onSide(const BesideTable &where, int side, QSize size) {
    const QRect &table = where.table;
    const int alongTop = where.alignment & Qt::AlignBottom ? table.bottom() + 1 - size.height() : table.top();
    switch (side) {
    case 0:
        return {QPoint(table.right() + 1, alongTop), size};
    case 1:
        return {QPoint(table.left() - size.width(), alongTop), size};
    case 2:
        return {QPoint(table.left(), table.bottom() + 1), size};
    default:
        return {QPoint(table.left(), table.top() - size.height()), size};
    }
}

// Slid along the screen's edge it runs beside, so that it stays on the screen where it can.
QRect slidOnScreen(QRect rect, const QRect &screen, bool vertical) {
    if (vertical)
        rect.moveTop(std::clamp(rect.top(), screen.top(),
                                std::max(screen.top(), screen.bottom() + 1 - rect.height())));
    else
        rect.moveLeft(std::clamp(rect.left(), screen.left(),
                                 std::max(screen.left(), screen.right() + 1 - rect.width())));
    return rect;
}

bool coversAny(const QRect &rect, const QList<QRect> &areas) {
    return std::any_of(areas.begin(), areas.end(),
                       [&rect](const QRect &area) { return rect.intersects(area); });
}

// The clear place on the screen that covers least of the table, nearest its right edge.
std::optional<QRect> clearPlace(const BesideTable &where, QSize size) {
    constexpr int step = 4;
    std::optional<QRect> best;
    long long bestCover = 0;
    int bestDistance = 0;
    for (int top = where.screen.top(); top + size.height() <= where.screen.bottom() + 1; top += step) {
        for (int left = where.screen.left(); left + size.width() <= where.screen.right() + 1; left += step) {
            const QRect rect(QPoint(left, top), size);
            if (coversAny(rect, where.keepClear))
                continue;
            const QRect covered = rect.intersected(where.table);
            const long long cover = covered.isEmpty() ? 0 : 1LL * covered.width() * covered.height();
            const int distance =
                std::abs(rect.right() - where.table.right()) + std::abs(top - where.table.top());
            if (!best || cover < bestCover || (cover == bestCover && distance < bestDistance)) {
                best = rect;
                bestCover = cover;
                bestDistance = distance;
            }
        }
    }
    return best;
}

} // namespace

QRect placeBeside(const BesideTable &where, const std::function<QSize(int width)> &frameFor) {
    const std::vector<int> widths = widthsToTry(where);
    for (int side = 0; side < 4; ++side) {
        for (int width : widths) {
            const QRect rect = slidOnScreen(onSide(where, side, frameFor(width)), where.screen, side < 2);
            if (where.screen.contains(rect) && !rect.intersects(where.table))
                return rect;
        }
    }
    for (int width : widths) {
        if (const std::optional<QRect> clear = clearPlace(where, frameFor(width)))
            return *clear;
    }
    QRect rect = slidOnScreen(onSide(where, 0, frameFor(where.widest)), where.screen, true);
    return slidOnScreen(rect, where.screen, false);
}

void keepOnScreen(QWidget *window) {
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QRect moved = slidOnScreen(slidOnScreen(frame, area, true), area, false);
    window->move(window->pos() + (moved.topLeft() - frame.topLeft()));
}

void placeBesideTable(QWidget *window, const QWidget *table, Qt::Alignment alignment,
                      const QList<QRect> &keepClear) {
    const QScreen *screen = table->screen() ? table->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A window's frame is known once the desktop has framed it; until then the table's is the best guess.
    const auto marginsOf = [](const QWidget *widget) {
        const QRect frame = widget->frameGeometry();
        const QRect inner = widget->geometry();
        return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                        frame.bottom() - inner.bottom());
    };
    const QMargins margins = window->isVisible() ? marginsOf(window) : marginsOf(table);
    const int frameWidth = margins.left() + margins.right();
    const int frameHeight = margins.top() + margins.bottom();
    const auto innerSize = [window, frameWidth](int width) {
        const int inner = std::max(window->minimumWidth(), width - frameWidth);
        const int height =
            window->hasHeightForWidth() ? window->heightForWidth(inner) : window->sizeHint().height();
        return QSize(inner, std::max(height, window->minimumHeight()));
    };
    BesideTable where;
    where.screen = screen->availableGeometry();
    where.table = table->frameGeometry();
    where.keepClear = keepClear;
    where.alignment = alignment;
    where.widest = std::max(window->sizeHint().width(), window->width()) + frameWidth;
    where.narrowest = std::max(window->minimumSizeHint().width(), window->minimumWidth()) + frameWidth;
    const QRect frame =
        placeBeside(where, [&](int width) { return innerSize(width) + QSize(frameWidth, frameHeight); });
    window->resize(innerSize(frame.width()));
    window->move(frame.topLeft());
}
