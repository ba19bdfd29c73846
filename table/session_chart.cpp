#include "table/session_chart.h"

#include "table/amount_captions.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The luck in standard deviations at a point; 0 where luck has had no round to show.
double luckInDeviations(const SessionPoint &point) {
    return point.deviation > 0 ? (point.money - point.expected) / point.deviation : 0;
}

QString twoDecimals(double value) {
    return QLocale().toString(value, 'f', 2);
}

// `colour` laid at an opacity over `ground`, as one solid colour. The bands lie on the plain ground, so
// drawing them solid looks the same as drawing them translucent. Solid is much cheaper: a translucent
// fill blends every pixel, and the painter hands a large one to other threads and waits for them, which
// on a busy machine can take longer than the drawing itself.
QColor laidOver(const QColor &ground, const QColor &colour, int alpha) {
    const auto mix = [alpha](int under, int over) {
        return (under * (255 - alpha) + over * alpha + 127) / 255;
    };
    return QColor(mix(ground.red(), colour.red()), mix(ground.green(), colour.green()),
                  mix(ground.blue(), colour.blue()));
}

} // namespace

std::vector<std::size_t> pointsToDraw(const std::vector<SessionPoint> &path, int columns) {
    std::vector<std::size_t> drawn;
    const std::size_t count = path.size();
    const std::size_t perColumn =
        columns > 0 ? (count + columns - 1) / static_cast<std::size_t>(columns) : count;
    if (perColumn <= 1) {
        for (std::size_t i = 0; i < count; ++i)
            drawn.push_back(i);
        return drawn;
    }
    for (std::size_t first = 0; first < count; first += perColumn) {
        const auto begin = path.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end = path.begin() + static_cast<std::ptrdiff_t>(std::min(first + perColumn, count));
        const auto [low, high] = std::minmax_element(
            begin, end, [](const SessionPoint &a, const SessionPoint &b) { return a.money < b.money; });
        std::size_t column[] = {first, static_cast<std::size_t>(low - path.begin()),
                                static_cast<std::size_t>(high - path.begin())};
        std::sort(std::begin(column), std::end(column));
        for (const std::size_t index : column) {
            if (drawn.empty() || drawn.back() != index)
                drawn.push_back(index);
        }
    }
    if (drawn.back() != count - 1)
        drawn.push_back(count - 1);
    return drawn;
}

SessionChart::SessionChart(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SessionChart"));
    // A screen reader's user reaches the chart's sentence with the Tab key.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Session chart"));
    showPath({});
}

void SessionChart::showPath(const std::vector<SessionPoint> &newPath) {
    path = newPath;
    setAccessibleDescription(description());
    update();
}

QString SessionChart::description() const {
    if (path.size() <= 1) {
        return tr("No rounds yet: the money is %1.")
            .arg(captionFromAmount(path.empty() ? 0 : path.front().money));
    }
    const SessionPoint &last = path.back();
    const double luck = luckInDeviations(last);
    //: Round count, money, expected path, luck in standard deviations (signed).
    return tr("After round %1 the money is %2 against an expected path of %3, a luck of %4 standard "
              "deviations.")
        .arg(QString::number(path.size() - 1), captionFromAmount(last.money), twoDecimals(last.expected),
             (luck < 0 ? QLocale().negativeSign() : QLocale().positiveSign()) + twoDecimals(std::abs(luck)));
}

QSize SessionChart::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    int legend = 0;
    for (const QString &text : {tr("Money"), tr("Expected path"), tr("Luck: 1 and 2 standard deviations")})
        legend = std::max(legend, metrics.horizontalAdvance(text));
    return {std::max(metrics.averageCharWidth() * 52, legend + metrics.averageCharWidth() * 8),
            metrics.height() * 17};
}

void SessionChart::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette colours = palette();
    const QColor ink = colours.color(QPalette::Text);
    const QColor accent = colours.color(QPalette::Highlight);
    const QColor ground = colours.color(QPalette::Base);
    // Two deviations, then one on top of it.
    const QColor outerBand = laidOver(ground, accent, 48);
    const QColor innerBand = laidOver(outerBand, accent, 72);
    painter.fillRect(rect(), ground);
    if (path.empty())
        return;

    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    const int character = metrics.averageCharWidth();
    // Three legend lines and the rounds' axis below the plot.
    const int plotHeight = height() - line / 2 - 5 * line;
    // The money at every pixel's highs and lows; the expected path and its bands, which change smoothly,
    // at every few pixels, which spares the painter most of the work of a long session.
    const std::vector<std::size_t> drawn = pointsToDraw(path, std::max(width(), 1));
    const std::vector<std::size_t> smooth = pointsToDraw(path, std::max(width() / 4, 1));

    double lowest = path.front().money;
    double highest = lowest;
    for (const std::size_t i : drawn) {
        lowest = std::min(lowest, path[i].money);
        highest = std::max(highest, path[i].money);
    }
    for (const std::size_t i : smooth) {
        lowest = std::min(lowest, path[i].expected - 2 * path[i].deviation);
        highest = std::max(highest, path[i].expected + 2 * path[i].deviation);
    }
    const double margin = std::max((highest - lowest) * 0.05, 1.0);
    lowest -= margin;
    highest += margin;
    // Whole amounts, written as the table writes the money.
    const QString highCaption = captionFromAmount(std::round(highest));
    const QString lowCaption = captionFromAmount(std::round(lowest));
    const int left =
        std::max(metrics.horizontalAdvance(highCaption), metrics.horizontalAdvance(lowCaption)) + character;
    const QRectF plot(left, line / 2.0, width() - left - character, std::max(plotHeight, line));
    const double lastRound = static_cast<double>(std::max<std::size_t>(path.size() - 1, 1));
    const auto at = [&](std::size_t round, double money) {
        return QPointF(plot.left() + plot.width() * static_cast<double>(round) / lastRound,
                       plot.bottom() - plot.height() * (money - lowest) / (highest - lowest));
    };

    // The bands first, two deviations under one, so that the lines lie on top.
    painter.setPen(Qt::NoPen);
    for (const auto &[deviations, colour] : {std::pair{2, outerBand}, std::pair{1, innerBand}}) {
        QPolygonF band;
        for (const std::size_t i : smooth)
            band << at(i, path[i].expected + deviations * path[i].deviation);
        for (auto i = smooth.rbegin(); i != smooth.rend(); ++i)
            band << at(*i, path[*i].expected - deviations * path[*i].deviation);
        painter.setBrush(colour);
        painter.drawPolygon(band);
    }
    QPolygonF expected;
    QPolygonF money;
    for (const std::size_t i : smooth)
        expected << at(i, path[i].expected);
    for (const std::size_t i : drawn)
        money << at(i, path[i].money);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(accent, 1.5, Qt::DashLine));
    painter.drawPolyline(expected);
    // Where each pixel holds several rounds, the money's line is a dense zigzag that fills each column
    // from its low to its high: neither smoothing nor a wider pen would show it any better, and stroking
    // a wide line would take most of the update's time.
    const bool thinned = drawn.size() < path.size();
    painter.setPen(thinned ? QPen(ink, 0) : QPen(ink, 2));
    painter.setRenderHint(QPainter::Antialiasing, !thinned);
    painter.drawPolyline(money);
    painter.setRenderHint(QPainter::Antialiasing);

    // The frame and the captions of both axes.
    painter.setPen(QPen(laidOver(ground, ink, 128), 1));
    painter.drawRect(plot);
    painter.setPen(ink);
    const int right = static_cast<int>(plot.right());
    painter.drawText(QRect(0, static_cast<int>(plot.top()) - line / 2, left - character / 2, line),
                     Qt::AlignRight | Qt::AlignVCenter, highCaption);
    painter.drawText(QRect(0, static_cast<int>(plot.bottom()) - line / 2, left - character / 2, line),
                     Qt::AlignRight | Qt::AlignVCenter, lowCaption);
    const int axis = static_cast<int>(plot.bottom()) + line / 4;
    painter.drawText(QRect(left, axis, right - left, line), Qt::AlignLeft, QStringLiteral("0"));
    painter.drawText(QRect(left, axis, right - left, line), Qt::AlignHCenter, tr("Rounds"));
    painter.drawText(QRect(left, axis, right - left, line), Qt::AlignRight, QString::number(path.size() - 1));

    // The legend, one line a series, each sample drawn as its series is.
    const int sample = 4 * character;
    int y = axis + line + line / 2;
    const auto legend = [&](const QString &text, const std::function<void(const QRect &)> &drawSample) {
        drawSample(QRect(left, y + line / 4, sample, line / 2));
        painter.setPen(ink);
        painter.drawText(QRect(left + sample + character, y, right - left - sample - character, line),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(text, Qt::ElideRight, right - left - sample - character));
        y += line;
    };
    legend(tr("Money"), [&](const QRect &r) {
        painter.setPen(QPen(ink, 2));
        painter.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
    });
    legend(tr("Expected path"), [&](const QRect &r) {
        painter.setPen(QPen(accent, 1.5, Qt::DashLine));
        painter.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
    });
    legend(tr("Luck: 1 and 2 standard deviations"), [&](const QRect &r) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(outerBand);
        painter.drawRect(r);
        painter.setBrush(innerBand);
        painter.drawRect(r.adjusted(0, r.height() / 4, 0, -r.height() / 4));
    });
}
