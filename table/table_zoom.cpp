#include "table/table_zoom.h"

#include <QLayout>
#include <QRect>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace {

// What a widget measured before the table was first zoomed, and the zoom it is drawn at now.
constexpr const char *baseFontProperty = "corvaneBaseFont";
constexpr const char *baseGeometryProperty = "corvaneBaseGeometry";
constexpr const char *baseFixedSizeProperty = "corvaneBaseFixedSize";
constexpr const char *zoomProperty = "corvaneZoom";

QSize zoomedSize(QSize size, qreal zoom) {
    return {int(std::lround(size.width() * zoom)), int(std::lround(size.height() * zoom))};
}

// A widget met for the first time may already be drawn at the root's zoom, as a label added to a
// zoomed window inherits its font: its base is what it measures now, taken back to 100%.
template <typename Value, typename Zoom>
Value baseOf(QWidget *widget, const char *property, const Value &now, qreal shownZoom, Zoom zoomOf) {
    const QVariant stored = widget->property(property);
    if (stored.isValid())
        return stored.value<Value>();
    const Value base = zoomOf(now, 1.0 / shownZoom);
    widget->setProperty(property, QVariant::fromValue(base));
    return base;
}

bool isFixedSize(const QWidget *widget) {
    return widget->minimumSize() == widget->maximumSize();
}

} // namespace

TableZoom::TableZoom(QWidget *table) : QObject(table) {
    setObjectName(QStringLiteral("TableZoom"));
}

int TableZoom::largestStep(qreal devicePixelRatio, QSize room, QSize zoomed, QSize fixed) {
    const qreal ratio = std::isfinite(devicePixelRatio) && devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    for (auto step = stepsInPercent.rbegin(); step != stepsInPercent.rend(); ++step) {
        const qreal zoom = *step / 100.0;
        const QSize window = zoomedSize(zoomed, zoom) + fixed;
        // A hair of tolerance, for products such as 1.2 x 2.5 that binary fractions hold inexactly.
        if (zoom * ratio <= largestArt + 1e-9 && window.width() <= room.width() &&
            window.height() <= room.height())
            return *step;
    }
    return stepsInPercent.front();
}

TableZoom *TableZoom::of(const QWidget *widget) {
    for (const QWidget *above = widget; above; above = above->parentWidget()) {
        if (auto *zoom = above->findChild<TableZoom *>(QString(), Qt::FindDirectChildrenOnly))
            return zoom;
    }
    return nullptr;
}

bool TableZoom::zoomIn(int largest) {
    const auto next = std::upper_bound(stepsInPercent.begin(), stepsInPercent.end(), shown);
    return next != stepsInPercent.end() && *next <= largest && show(*next);
}

bool TableZoom::zoomOut() {
    const auto at = std::lower_bound(stepsInPercent.begin(), stepsInPercent.end(), shown);
    return at != stepsInPercent.begin() && show(*std::prev(at));
}

bool TableZoom::actualSize() {
    return show(100);
}

bool TableZoom::keepWithin(int largest) {
    return shown > largest && show(std::max(largest, int(stepsInPercent.front())));
}

bool TableZoom::show(int percent) {
    if (percent == shown)
        return false;
    shown = percent;
    emit changed();
    return true;
}

void TableZoom::follow(QWidget *window, const std::function<void()> &resized) {
    const auto zoomWindow = [this, window, resized] {
        zoomWidgets(window, factor());
        if (resized)
            resized();
    };
    zoomWindow();
    connect(this, &TableZoom::changed, window, zoomWindow);
}

QFont zoomedFont(QFont font, qreal zoom) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * zoom);
    else if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * zoom))));
    return font;
}

QRect zoomedRect(const QRect &rect, qreal zoom) {
    // Rounded down, so that a picture drawn at the zoom's full size is never short of the widget it fills.
    const auto at = [zoom](int edge) { return int(std::floor(edge * zoom)); };
    const QPoint topLeft(at(rect.left()), at(rect.top()));
    return {topLeft, QPoint(at(rect.left() + rect.width()) - 1, at(rect.top() + rect.height()) - 1)};
}

void zoomWidgets(QWidget *root, qreal zoom) {
    const QVariant shownAt = root->property(zoomProperty);
    const qreal shownZoom = shownAt.isValid() ? shownAt.toReal() : 1.0;
    root->setProperty(zoomProperty, zoom);

    QList<QWidget *> inWindow{root};
    for (QWidget *child : root->findChildren<QWidget *>()) {
        if (child->window() == root->window())
            inWindow << child;
    }
    // Every base is taken before anything changes: a child that inherits its font sees the root's.
    QList<QFont> fonts;
    for (QWidget *widget : inWindow)
        fonts << baseOf(widget, baseFontProperty, widget->font(), shownZoom, zoomedFont);
    const bool placedByHand = !root->layout();
    QList<std::pair<QWidget *, QRect>> places;
    if (placedByHand) {
        for (QWidget *child : root->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow())
                places.emplace_back(
                    child, baseOf(child, baseGeometryProperty, child->geometry(), shownZoom, zoomedRect));
        }
    }
    if (placedByHand && isFixedSize(root))
        root->setFixedSize(
            zoomedSize(baseOf(root, baseFixedSizeProperty, root->size(), shownZoom, zoomedSize), zoom));
    for (qsizetype i = 0; i < inWindow.size(); ++i)
        inWindow[i]->setFont(zoomedFont(fonts[i], zoom));
    for (const auto &[child, base] : places)
        child->setGeometry(zoomedRect(base, zoom));
}
